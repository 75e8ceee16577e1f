#include "fontimport.h"

#include <filesystem>
#include <system_error>

#include "formats/fileio.h"
#include "gzipcodec.h"
#include "model/font.h"
#include "pngcodec.h"

namespace {
std::string InFile(const std::string& path, const std::string& message) {
    return "\"" + path + "\": " + message;
}
} // namespace

std::string ImportFontFile(TFZXFont& font, const std::string& path, const TImportOptions& options,
                           TImportReport& report) {
    const TFontFormat* format = FindFontFormat(path);
    if (!format || !(format->Picture ? bool(format->ReadPicture) : bool(format->ReadBytes)))
        return InFile(path, "not a font format that can be imported");
    // A pipe or device would block or never end; a folder is no font.
    std::error_code ec;
    const auto status = std::filesystem::status(path, ec);
    if (!ec && std::filesystem::exists(status) && !std::filesystem::is_regular_file(status))
        return InFile(path, "not a regular file");

    std::vector<std::uint8_t> bytes;
    if (!ReadFileBytes(path, format->MaxFileSize, bytes))
        return InFile(path, "file is larger than " + std::to_string(format->MaxFileSize) +
                                " bytes, too large for a " + format->Name + " font");
    if (format->Gzip) {
        std::vector<std::uint8_t> plain;
        const std::string error = Gunzip(bytes, format->MaxFileSize, plain);
        if (!error.empty()) return InFile(path, error);
        bytes.swap(plain);
    }

    TFZXFont scratch;
    TImportReport scratchReport;
    std::string error;
    if (format->Picture) {
        TRaster picture;
        error = DecodePNG(bytes, picture);
        if (error.empty()) error = format->ReadPicture(scratch, picture, options, scratchReport);
    } else {
        error = format->ReadBytes(scratch, bytes, options, scratchReport);
    }
    if (!error.empty()) return InFile(path, error);
    font.TakeOver(scratch);
    report = std::move(scratchReport);
    return "";
}

std::string ExportFontFile(const TFZXFont& font, const std::string& path,
                           const TExportOptions& options) {
    const TFontFormat* format = FindFontFormat(path);
    if (!format || !(format->Picture ? bool(format->WritePicture) : bool(format->WriteBytes)))
        return InFile(path, "not a font format that can be exported");
    std::vector<std::uint8_t> bytes;
    std::string error;
    if (format->Picture) {
        TRaster picture;
        error = format->WritePicture(font, options, picture);
        if (error.empty()) error = EncodePNG(picture, bytes);
    } else {
        error = format->WriteBytes(font, options, bytes);
        if (error.empty() && format->Gzip) {
            std::vector<std::uint8_t> gz;
            error = Gzip(bytes, gz);
            bytes.swap(gz);
        }
    }
    if (!error.empty()) return error;
    if (!WriteFileReplacing(path, bytes)) return kFileWriteError;
    return "";
}
