#pragma once
// The editor's own formats as rows of the formats table: FZX, CHR/UDG data
// and the assembler source export, with the signatures the table's readers
// and writers have. The messages are the editor's own.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "formats/fontformats.h"

// The most bytes the FZX reader can use from any file (see fzxfile.cpp);
// bytes past them are never read.
inline constexpr std::size_t kMaxFZXFileSize = 66210;
// The largest CHR or UDG file: 96 characters of 8 bytes.
inline constexpr std::size_t kMaxCHRFileSize = 768;

// Each returns "" or the message, as TFZXFont's byte readers and image
// builders do.
std::string ReadFZX(TFZXFont& font, const std::vector<std::uint8_t>& bytes, const TImportOptions&,
                    TImportReport&);
std::string WriteFZX(const TFZXFont& font, const TExportOptions&, std::vector<std::uint8_t>& bytes);
std::string ReadCHR(TFZXFont& font, const std::vector<std::uint8_t>& bytes, const TImportOptions&,
                    TImportReport&);
std::string WriteCHR(const TFZXFont& font, const TExportOptions&, std::vector<std::uint8_t>& bytes);
// Z80 source naming options.FileName in its first line.
std::string WriteASM(const TFZXFont& font, const TExportOptions& options,
                     std::vector<std::uint8_t>& bytes);
