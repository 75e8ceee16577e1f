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

bool ReadFileBytes(const std::string& fileName, std::size_t maxSize,
                   std::vector<std::uint8_t>& bytes) {
    bytes.clear();
    std::error_code ec;
    const fs::path path(fileName);
    if (fs::is_directory(path, ec)) throw MakeError("Cannot open file", fileName, EISDIR);
    std::FILE* file = std::fopen(fileName.c_str(), "rb");
    if (!file) throw MakeError("Cannot open file", fileName, errno);
    if (fs::is_regular_file(path, ec)) {
        const std::uintmax_t size = fs::file_size(path, ec);
        if (!ec && size > maxSize) {
            std::fclose(file);
            return false;
        }
        if (!ec) bytes.reserve(static_cast<std::size_t>(size));
    }
    // One byte past the limit is enough to tell that a file is too large.
    const std::size_t limit = maxSize == SIZE_MAX ? maxSize : maxSize + 1;
    std::uint8_t buffer[65536];
    for (;;) {
        const std::size_t wanted = std::min(sizeof buffer, limit - bytes.size());
        const std::size_t n = wanted == 0 ? 0 : std::fread(buffer, 1, wanted, file);
        bytes.insert(bytes.end(), buffer, buffer + n);
        if (n < sizeof buffer) break;
    }
    const bool failed = std::ferror(file) != 0;
    const int error = errno;
    std::fclose(file);
    if (failed) throw MakeError("Cannot read file", fileName, error ? error : EIO);
    if (bytes.size() > maxSize) {
        bytes = {};
        return false;
    }
    return true;
}

std::vector<std::uint8_t> ReadFileBytes(const std::string& fileName) {
    std::vector<std::uint8_t> bytes;
    ReadFileBytes(fileName, SIZE_MAX, bytes);
    return bytes;
}

static std::string TemporaryNameFor(const std::string& fileName) {
    static std::mt19937 random{std::random_device{}()};
    char suffix[16];
    std::snprintf(suffix, sizeof suffix, ".%08x~", static_cast<unsigned>(random()));
    return fileName + suffix;
}

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
    if (::faccessat(AT_FDCWD, fileName.c_str(), F_OK, AT_EACCESS) == 0 &&
        ::faccessat(AT_FDCWD, fileName.c_str(), W_OK, AT_EACCESS) != 0)
        throw MakeError("Cannot create file", fileName, errno);
#endif

    std::string temporary;
    std::FILE* file = nullptr;
    // "x" refuses an existing file, so a name clash never overwrites anything.
    for (int attempt = 0; attempt < 16 && !file; ++attempt) {
        temporary = TemporaryNameFor(fileName);
        file = std::fopen(temporary.c_str(), "wbx");
        if (!file && errno != EEXIST) break;
    }
    if (!file) throw MakeError("Cannot create file", fileName, errno);

    bool ok = size == 0 || std::fwrite(data, 1, size, file) == size;
    ok = std::fflush(file) == 0 && ok;
#ifndef _WIN32
    ok = ok && ::fsync(::fileno(file)) == 0;
#endif
    ok = std::fclose(file) == 0 && ok;

    if (ok) {
        // Keep the permissions of the file being replaced.
        const fs::file_status old = fs::status(fs::path(fileName), ec);
        if (!ec && fs::exists(old))
            fs::permissions(fs::path(temporary), old.permissions(), fs::perm_options::replace, ec);
        ec.clear();
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
