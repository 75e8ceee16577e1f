#pragma once
// File access for the readers and writers. Opening or creating a file that
// fails throws TFileError naming the full path and the system's reason;
// writing replaces a file only once the new content is completely on disk.

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

// What a writer reports when the file could not be written completely.
inline constexpr const char* kFileWriteError = "File write error! File not saved.";

class TFileError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// Only regular files are read: a pipe, device or folder throws TFileError
// at once instead of waiting for data that may never come.

// The whole file; throws TFileError when it cannot be opened or read.
std::vector<std::uint8_t> ReadFileBytes(const std::string& fileName);
// The whole file into bytes, or false (bytes empty) when it holds more than
// maxSize bytes. A file whose size is larger is refused without a byte read,
// and no more than maxSize + 1 bytes are ever read (should it grow), so an
// oversized file costs neither time nor memory. Throws as above.
bool ReadFileBytes(const std::string& fileName, std::size_t maxSize,
                   std::vector<std::uint8_t>& bytes);
// The first maxSize bytes of the file (all of a shorter one); the rest is
// never read. Throws as above.
void ReadFileHead(const std::string& fileName, std::size_t maxSize,
                  std::vector<std::uint8_t>& bytes);

// Writes data to a temporary file beside fileName and renames it over
// fileName (over the file a link points to, for a link). Throws TFileError
// when fileName is a folder or an existing file that may not be written, or
// when the temporary file cannot be created; returns false (temporary
// removed, fileName untouched) when writing, flushing or renaming fails.
bool WriteFileReplacing(const std::string& fileName, const std::uint8_t* data, std::size_t size);
inline bool WriteFileReplacing(const std::string& fileName, const std::vector<std::uint8_t>& data) {
    return WriteFileReplacing(fileName, data.data(), data.size());
}

// The file name without its folders ("demo.asm" for "/a/b/demo.asm"). A
// backslash separates folders only on Windows; elsewhere it is part of a name.
std::string FileNameOnly(const std::string& fileName);
// The extension in upper case, with its dot (".FZX"), or "".
std::string UpperExtension(const std::string& fileName);
