#include "formats/fileio.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <random>
#include <system_error>

#ifndef _WIN32
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace fs = std::filesystem;

static std::string FullPath(const std::string& fileName) {
    std::error_code ec;
    fs::path full = fs::absolute(fs::path(fileName), ec);
    return ec ? fileName : full.lexically_normal().string();
}

static TFileError MakeError(const std::string& what, const std::string& fileName, int error) {
    return TFileError(what + " \"" + FullPath(fileName) + "\": " + std::strerror(error));
}

namespace {

// Opens fileName for reading, refusing anything but a regular file: opening
// a pipe waits for a writer and a device may never end, either of which
// would freeze the program. Gives the file's size where it is known.
std::FILE* OpenRegularFile(const std::string& fileName, std::uintmax_t& size) {
    const std::string notRegular =
        "Cannot open file \"" + FullPath(fileName) + "\": not a regular file";
#ifndef _WIN32
    // Non-blocking, so that opening a pipe returns at once to be refused.
    const int fd = ::open(fileName.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) throw MakeError("Cannot open file", fileName, errno);
    struct stat info {};
    if (::fstat(fd, &info) != 0) {
        const int error = errno;
        ::close(fd);
        throw MakeError("Cannot open file", fileName, error);
    }
    if (S_ISDIR(info.st_mode)) {
        ::close(fd);
        throw MakeError("Cannot open file", fileName, EISDIR);
    }
    if (!S_ISREG(info.st_mode)) {
        ::close(fd);
        throw TFileError(notRegular);
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    std::FILE* file = ::fdopen(fd, "rb");
    if (!file) {
        const int error = errno;
        ::close(fd);
        throw MakeError("Cannot open file", fileName, error);
    }
    size = static_cast<std::uintmax_t>(info.st_size);
    return file;
#else
    std::error_code ec;
    const fs::path path(fileName);
    if (fs::is_directory(path, ec)) throw MakeError("Cannot open file", fileName, EISDIR);
    if (fs::exists(path, ec) && !fs::is_regular_file(path, ec)) throw TFileError(notRegular);
    std::FILE* file = std::fopen(fileName.c_str(), "rb");
    if (!file) throw MakeError("Cannot open file", fileName, errno);
    size = fs::file_size(path, ec);
    if (ec) size = 0;
    return file;
#endif
}

// Reads at most limit bytes of fileName into bytes; true when the file held
// more than that. With refuseLonger, a file whose size says it is longer is
// not read at all: reading up to the limit would cost time and memory for
// nothing.
bool ReadAtMost(const std::string& fileName, std::size_t limit, std::vector<std::uint8_t>& bytes,
                bool refuseLonger) {
    bytes.clear();
    std::uintmax_t size = 0;
    std::FILE* file = OpenRegularFile(fileName, size);
    if (refuseLonger && size > limit) {
        std::fclose(file);
        return true;
    }
    bytes.reserve(static_cast<std::size_t>(std::min<std::uintmax_t>(size, limit)));
    std::uint8_t buffer[65536];
    for (;;) {
        const std::size_t wanted = std::min(sizeof buffer, limit - bytes.size());
        const std::size_t n = wanted == 0 ? 0 : std::fread(buffer, 1, wanted, file);
        bytes.insert(bytes.end(), buffer, buffer + n);
        if (n < sizeof buffer) break;
    }
    const bool failed = std::ferror(file) != 0;
    const int error = errno;
    // One more byte tells whether the file goes on past the limit.
    const bool more = !failed && bytes.size() == limit && std::fgetc(file) != EOF;
    std::fclose(file);
    if (failed) throw MakeError("Cannot read file", fileName, error ? error : EIO);
    return more;
}

} // namespace

bool ReadFileBytes(const std::string& fileName, std::size_t maxSize,
                   std::vector<std::uint8_t>& bytes) {
    if (ReadAtMost(fileName, maxSize, bytes, true)) {
        bytes = {};
        return false;
    }
    return true;
}

void ReadFileHead(const std::string& fileName, std::size_t maxSize,
                  std::vector<std::uint8_t>& bytes) {
    ReadAtMost(fileName, maxSize, bytes, false);
}

std::vector<std::uint8_t> ReadFileBytes(const std::string& fileName) {
    std::vector<std::uint8_t> bytes;
    ReadFileBytes(fileName, SIZE_MAX, bytes);
    return bytes;
}

namespace {

// A short name in the target's folder, so that even a name at the file
// system's length limit can be saved.
std::string TemporaryNameFor(const std::string& fileName) {
    static std::mt19937 random{std::random_device{}()};
    char name[24];
    std::snprintf(name, sizeof name, ".qr%08x.tmp", static_cast<unsigned>(random()));
    // The folder part as the platform separates it.
    return fileName.substr(0, fileName.size() - FileNameOnly(fileName).size()) + name;
}

bool WriteAll(std::FILE* file, const std::uint8_t* data, std::size_t size) {
    bool ok = size == 0 || std::fwrite(data, 1, size, file) == size;
    ok = std::fflush(file) == 0 && ok;
#ifndef _WIN32
    ok = ok && ::fsync(::fileno(file)) == 0;
#endif
    return ok;
}

#ifndef _WIN32
// Where no file can be made beside the target (a read-only folder) but the
// target itself may be written, it is rewritten in place, as a plain save
// would: its content is replaced and cut to the new length.
bool RewriteInPlace(const std::string& fileName, const std::uint8_t* data, std::size_t size) {
    const int fd = ::open(fileName.c_str(), O_WRONLY | O_CLOEXEC);
    if (fd < 0) return false;
    std::FILE* file = ::fdopen(fd, "wb");
    if (!file) {
        ::close(fd);
        return false;
    }
    bool ok = WriteAll(file, data, size);
    ok = ok && ::ftruncate(::fileno(file), static_cast<off_t>(size)) == 0;
    return std::fclose(file) == 0 && ok;
}
#endif

} // namespace

bool WriteFileReplacing(const std::string& name, const std::uint8_t* data, std::size_t size) {
    std::error_code ec;
    // A folder cannot be created as a file; renaming over it would only fail late.
    if (fs::is_directory(fs::path(name), ec)) throw MakeError("Cannot create file", name, EISDIR);
    // Writing through a link updates the file it points to, not the link.
    std::string fileName = name;
    if (fs::is_symlink(fs::path(name), ec)) {
        const fs::path target = fs::canonical(fs::path(name), ec);
        if (!ec) fileName = target.string();
    }

#ifndef _WIN32
    // Renaming would replace a file its owner protected against writing,
    // which opening it for writing refuses.
    const bool exists = ::faccessat(AT_FDCWD, fileName.c_str(), F_OK, AT_EACCESS) == 0;
    if (exists && ::faccessat(AT_FDCWD, fileName.c_str(), W_OK, AT_EACCESS) != 0)
        throw MakeError("Cannot create file", fileName, errno);
    struct stat old {};
    const bool haveOld = exists && ::stat(fileName.c_str(), &old) == 0 && S_ISREG(old.st_mode);
#endif

    std::string temporary;
    std::FILE* file = nullptr;
    // "x" refuses an existing file, so a name clash never overwrites anything.
    for (int attempt = 0; attempt < 16 && !file; ++attempt) {
        temporary = TemporaryNameFor(fileName);
        file = std::fopen(temporary.c_str(), "wbx");
        if (!file && errno != EEXIST) break;
    }
    if (!file) {
        const int error = errno;
#ifndef _WIN32
        if (haveOld) return RewriteInPlace(fileName, data, size);
#endif
        throw MakeError("Cannot create file", fileName, error);
    }

#ifndef _WIN32
    // The new file takes the old one's permission bits, and its owner and
    // group where the system allows it (only root may give a file away).
    if (haveOld) {
        const int fd = ::fileno(file);
        const bool kept = ::fchown(fd, old.st_uid, old.st_gid) == 0 ||
                          ::fchown(fd, static_cast<uid_t>(-1), old.st_gid) == 0;
        (void)kept; // a file the user may not give away is saved as theirs
        ::fchmod(fd, old.st_mode & 07777);
    }
#endif
    bool ok = WriteAll(file, data, size);
    ok = std::fclose(file) == 0 && ok;

    if (ok) {
#ifdef _WIN32
        const fs::file_status status = fs::status(fs::path(fileName), ec);
        if (!ec && fs::exists(status))
            fs::permissions(fs::path(temporary), status.permissions(), fs::perm_options::replace,
                            ec);
        ec.clear();
#endif
        fs::rename(fs::path(temporary), fs::path(fileName), ec);
        ok = !ec;
    }
    if (!ok) fs::remove(fs::path(temporary), ec);
    return ok;
}

std::string FileNameOnly(const std::string& fileName) {
#ifdef _WIN32
    const std::size_t slash = fileName.find_last_of("/\\");
#else
    const std::size_t slash = fileName.rfind('/');
#endif
    return slash == std::string::npos ? fileName : fileName.substr(slash + 1);
}

std::string UpperExtension(const std::string& fileName) {
    const std::string name = FileNameOnly(fileName);
    const std::size_t dot = name.rfind('.');
    if (dot == std::string::npos) return std::string();
    std::string ext = name.substr(dot);
    for (char& c : ext)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return ext;
}
