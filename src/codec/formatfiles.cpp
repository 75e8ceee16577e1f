#include "formatfiles.h"

#include <filesystem>
#include <system_error>

#include "desktopfont.h"
#include "formats/fileio.h"
#include "formats/sheet.h"
#include "gzipcodec.h"
#include "model/font.h"
#include "pngcodec.h"
#include "spectrumcontainer.h"

namespace {

std::string InFile(const std::string& path, const std::string& message) {
    return "\"" + path + "\": " + message;
}

// A pipe or device would block or never end; a folder is no font, whatever
// its name. "" or the message naming the path.
std::string RefuseIrregular(const std::string& path) {
    std::error_code ec;
    const auto status = std::filesystem::status(path, ec);
    if (!ec && std::filesystem::exists(status) && !std::filesystem::is_regular_file(status))
        return "Cannot open file " + InFile(path, "not a regular file");
    return "";
}

// The file's plain bytes, checked and unpacked; "" or the message without
// the file's name.
std::string ReadContent(const std::string& path, const TFontFormat& format,
                        std::vector<std::uint8_t>& bytes) {
    if (format.HeadOnly) {
        ReadFileHead(path, format.MaxFileSize, bytes);
        return "";
    }
    if (!ReadFileBytes(path, format.MaxFileSize, bytes))
        return "file is larger than " + std::to_string(format.MaxFileSize) +
               " bytes, too large for a " + format.Name + " font";
    if (!format.Gzip) return "";
    std::vector<std::uint8_t> plain;
    const std::string error = Gunzip(bytes, format.MaxFileSize, plain);
    bytes.swap(plain);
    return error;
}

// A scratch font that was read well becomes the caller's font.
std::string TakeOverIfRead(TFZXFont& font, TFZXFont& scratch, TImportReport& report,
                           TImportReport& scratchReport, const std::string& error) {
    if (!error.empty()) return error;
    font.TakeOver(scratch);
    report = std::move(scratchReport);
    return "";
}

} // namespace

std::string LoadFontFile(TFZXFont& font, const std::string& path, const TImportOptions& options,
                         TImportReport& report, unsigned groups) {
    // A font inside a Spectrum file: "game.tzx@block3+0x1A0".
    std::string container, place;
    if (SplitFontPlace(path, container, place)) {
        report = TImportReport();
        return ReadFontInFile(font, container, place);
    }
    std::string error = RefuseIrregular(path);
    if (!error.empty()) return error;
    const TFontFormat* format = FindFontFormat(path, groups);
    if (!(format && format->CanRead())) return kInvalidExtension;
    // The editor's own messages stand alone, as they always did.
    const auto named = [&](const std::string& message) {
        return message.empty() || format->Group == fgOwn ? message : InFile(path, message);
    };
    std::vector<std::uint8_t> bytes;
    error = ReadContent(path, *format, bytes);
    if (!error.empty()) return named(error);

    TFZXFont scratch;
    TImportReport scratchReport;
    if (format->Picture) {
        TRaster picture;
        error = DecodePNG(bytes, picture);
        if (error.empty()) error = format->ReadPicture(scratch, picture, options, scratchReport);
    } else if (format->Desktop) {
        error = ReadDesktopFont(scratch, bytes, options, scratchReport);
    } else {
        error = format->ReadBytes(scratch, bytes, options, scratchReport);
    }
    return TakeOverIfRead(font, scratch, report, scratchReport, named(error));
}

std::string ReadSheetPicture(const std::string& path, TRaster& picture) {
    picture = TRaster();
    std::string error = RefuseIrregular(path);
    if (!error.empty()) return error;
    const TFontFormat* format = FindFontFormat(path);
    if (!(format && format->CanRead()) || !format->Picture)
        return InFile(path, "not a picture sheet");
    std::vector<std::uint8_t> bytes;
    error = ReadContent(path, *format, bytes);
    if (error.empty()) error = DecodePNG(bytes, picture);
    return error.empty() ? "" : InFile(path, error);
}

std::string ImportSheetPicture(TFZXFont& font, const TRaster& picture,
                               const TImportOptions& options, TImportReport& report) {
    TFZXFont scratch;
    TImportReport scratchReport;
    const std::string error = ReadSheet(scratch, picture, options, scratchReport);
    return TakeOverIfRead(font, scratch, report, scratchReport, error);
}

std::string ReadDesktopFontFile(const std::string& path, std::vector<std::uint8_t>& bytes) {
    bytes.clear();
    const std::string irregular = RefuseIrregular(path);
    if (!irregular.empty()) return irregular;
    const TFontFormat* format = FindFontFormat(path);
    if (!(format && format->Desktop)) return InFile(path, "not a TrueType, OpenType or PCF font");
    const std::string error = ReadContent(path, *format, bytes);
    return error.empty() ? "" : InFile(path, error);
}

std::string ImportDesktopFont(TFZXFont& font, const std::vector<std::uint8_t>& bytes,
                              const TImportOptions& options, TImportReport& report) {
    TFZXFont scratch;
    TImportReport scratchReport;
    const std::string error = ReadDesktopFont(scratch, bytes, options, scratchReport);
    return TakeOverIfRead(font, scratch, report, scratchReport, error);
}

std::string SaveFontFile(TFZXFont& font, const std::string& path,
                         const TExportOptions& exportOptions, unsigned groups) {
    const TFontFormat* format = FindFontFormat(path, groups);
    if (!format || !format->CanWrite()) return kIllegalExtension;
    TExportOptions options = exportOptions;
    options.FileName = FileNameOnly(path);
    if (options.FontName.empty()) {
        // The file's name without folders and without the format's extension.
        options.FontName = options.FileName;
        for (const std::string& ext : format->Extensions)
            if (options.FontName.size() > ext.size() &&
                EndsWithIgnoringCase(options.FontName, ext)) {
                options.FontName.resize(options.FontName.size() - ext.size());
                break;
            }
    }
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
    if (format->Group == fgOwn) font.MarkSaved();
    return "";
}
