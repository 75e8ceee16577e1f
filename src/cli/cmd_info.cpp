// `info FONT [--json] [format options]`: the header values, size and
// warnings of a font of any format read, or the whole font as JSON for scripts.

#include <iostream>
#include <sstream>

#include "commands.h"
#include "formatoptions.h"
#include "model/font.h"
#include "shell/fontwarnings.h"

namespace {

void PrintPlain(const TFZXFont& font, const std::string& path) {
    std::ostringstream out;
    out << "file: " << path << '\n'
        << "height: " << font.Height() << '\n'
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

    TFZXFont font;
    const std::string error = LoadAnyFont(font, path, options);
    if (!error.empty()) return Fail(error);
    if (json)
        PrintJson(font);
    else
        PrintPlain(font, path);
    return 0;
}
