#pragma once
// Runs the built quorrel-cli as a separate process, without a shell, so any
// file name is passed as it is; standard output and error are captured.

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "formats/fileio.h"

namespace testcli {

struct TRun {
    int Status = -1; // exit status; -1 when the program did not exit normally
    std::string Out, Err;
};

inline std::string ReadText(const std::filesystem::path& path) {
    const std::vector<std::uint8_t> bytes = ReadFileBytes(path.string());
    return std::string(bytes.begin(), bytes.end());
}

inline TRun RunCli(const std::vector<std::string>& args) {
    namespace fs = std::filesystem;
    static int serial = 0;
    const fs::path base =
        fs::temp_directory_path() /
        ("quorrel-cli-run-" + std::to_string(::getpid()) + "-" + std::to_string(++serial));
    const std::string out = base.string() + ".out", err = base.string() + ".err";
    std::vector<std::string> words = {QUORREL_CLI};
    words.insert(words.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (auto& w : words)
        argv.push_back(w.data());
    argv.push_back(nullptr);

    TRun run;
    const pid_t pid = ::fork();
    if (pid == 0) {
        const int o = ::open(out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        const int e = ::open(err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        const int in = ::open("/dev/null", O_RDONLY);
        if (o < 0 || e < 0 || in < 0) ::_exit(126);
        ::dup2(in, 0);
        ::dup2(o, 1);
        ::dup2(e, 2);
        ::execv(argv[0], argv.data());
        ::_exit(127);
    }
    int status = 0;
    if (pid > 0 && ::waitpid(pid, &status, 0) == pid && WIFEXITED(status))
        run.Status = WEXITSTATUS(status);
    if (fs::exists(out)) run.Out = ReadText(out);
    if (fs::exists(err)) run.Err = ReadText(err);
    fs::remove(out);
    fs::remove(err);
    return run;
}

} // namespace testcli
