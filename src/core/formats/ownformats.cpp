#include "formats/ownformats.h"

#include "formats/fileio.h"
#include "model/font.h"

std::string ReadFZX(TFZXFont& font, const std::vector<std::uint8_t>& bytes, const TImportOptions&,
                    TImportReport&) {
    return font.LoadFZXBytes(bytes.data(), bytes.size());
}

std::string WriteFZX(const TFZXFont& font, const TExportOptions&,
                     std::vector<std::uint8_t>& bytes) {
    return font.BuildFZXImage(bytes);
}

std::string ReadCHR(TFZXFont& font, const std::vector<std::uint8_t>& bytes, const TImportOptions&,
                    TImportReport&) {
    return font.LoadCHRBytes(bytes.data(), bytes.size());
}

std::string WriteCHR(const TFZXFont& font, const TExportOptions&,
                     std::vector<std::uint8_t>& bytes) {
    return font.BuildCHRImage(bytes);
}

std::string WriteASM(const TFZXFont& font, const TExportOptions& options,
                     std::vector<std::uint8_t>& bytes) {
    const std::string text = font.BuildASMText(options.FileName);
    // Only a font left incomplete by a failed read has no source.
    if (text.empty()) return kFileWriteError;
    bytes.assign(text.begin(), text.end());
    return "";
}
