// `info FONT [--json] [format options]`: the header values, size and
// warnings of a font of any format read, or the whole font as JSON for scripts.
// A desktop font also shows its faces and strikes, or that it is scalable;
// one that needs a size first shows only those.

#include <iostream>
#include <sstream>

#include "commands.h"
#include "desktopfont.h"
#include "formatfiles.h"
#include "formatoptions.h"
#include "model/font.h"
#include "shell/fontwarnings.h"

namespace {

// The faces and sizes of a desktop font; "" or the message.
std::string PrintDesktopFace(const std::string& path, const TImportOptions& options,
                             bool& needsSize) {
    std::vector<std::uint8_t> bytes;
    TDesktopFace face;
    std::string error = ReadDesktopFontFile(path, bytes);
    if (!error.empty()) return error;
    error = DescribeDesktopFont(bytes, options.Face, face);
    if (!error.empty()) return "\"" + path + "\": " + error;
    std::ostringstream out;
    out << "file: " << path << '\n'
        << "faces: " << face.Faces << '\n'
        << "family: " << face.Family << '\n'
        << "style: " << face.Style << '\n';
    if (!face.Strikes.empty()) {
        out << "strikes:";
        for (const int size : face.Strikes)
            out << ' ' << size;
        out << '\n';
    }
    out << "scalable: " << (face.Scalable ? "yes" : "no") << '\n';
    std::cout << out.str();
    needsSize = !options.PixelSize && face.Strikes.size() != 1;
    return "";
}

void PrintPlain(const TFZXFont& font, const std::string& path, bool named) {
    std::ostringstream out;
    if (!named) out << "file: " << path << '\n';
    out << "height: " << font.Height() << '\n'
        << "tracking: " << font.Tracking() << '\n'
        << "lastchar: " << font.LastChar() << '\n'
        << "glyphs: " << font.Count() << '\n'
        << "size: " << font.FZXFileSize() << '\n'
        << "chr-compatible: " << (font.IsCHRCompatible() ? "yes" : "no") << '\n';
    for (const auto& line : FontWarningLines(font))
        out << line << '\n';
    std::cout << out.str();
}

// Rows hold only '0' and '1', but quoting stays correct for anything.
std::string JsonString(const std::string& text) {
    std::string s = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\') {
            s += '\\';
            s += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            static const char hex[] = "0123456789abcdef";
            s += "\\u00";
            s += hex[(c >> 4) & 0xF];
            s += hex[c & 0xF];
        } else {
            s += c;
        }
    }
    return s + '"';
}

void PrintJson(const TFZXFont& font) {
    std::ostringstream out;
    out << "{\"height\":" << font.Height() << ",\"tracking\":" << font.Tracking()
        << ",\"lastchar\":" << font.LastChar() << ",\"size\":" << font.FZXFileSize()
        << ",\"chr_compatible\":" << (font.IsCHRCompatible() ? "true" : "false") << ",\"glyphs\":[";
    TStringList rows;
    for (int i = 0; i < font.Count(); ++i) {
        const TFZXChar& g = font.Glyph(i);
        if (i > 0) out << ',';
        out << "{\"code\":" << i + 32 << ",\"width\":" << g.Width()
            << ",\"leading\":" << g.Leading() << ",\"kern\":" << g.Kern() << ",\"rows\":[";
        SplitText(rows, g.Rows(), '|');
        for (std::size_t r = 0; r < rows.size(); ++r)
            out << (r > 0 ? "," : "") << JsonString(rows[r]);
        out << "]}";
    }
    out << "]}\n";
    std::cout << out.str();
}

} // namespace

int RunInfo(const TArgs& args) {
    std::string path;
    bool json = false;
    TFormatOptions options;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        std::string error;
        if (TakeFormatOption(args, i, options, error)) {
            if (!error.empty()) return UsageError("info: " + error);
        } else if (arg == "--json") {
            json = true;
        } else if (arg.size() > 1 && arg[0] == '-') {
            return UsageError("info: unknown option '" + arg + "'");
        } else if (path.empty()) {
            path = arg;
        } else {
            return UsageError("info: more than one font given");
        }
    }
    if (path.empty()) return UsageError("info: no font given");

    const TFontFormat* format = FindFontFormat(path);
    const bool desktop = !json && format && format->Desktop;
    if (desktop) {
        bool needsSize = false;
        const std::string error = PrintDesktopFace(path, options.Import, needsSize);
        if (!error.empty()) return Fail(error);
        if (needsSize) return 0;
    }
    TFZXFont font;
    const std::string error = LoadAnyFont(font, path, options);
    if (!error.empty()) return Fail(error);
    if (json)
        PrintJson(font);
    else
        PrintPlain(font, path, desktop);
    return 0;
}
