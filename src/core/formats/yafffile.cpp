// Reading and writing yaff fonts.

#include "formats/yafffile.h"

#include <algorithm>
#include <cctype>
#include <map>

#include "formats/baseline.h"
#include "formats/fontimport.h"
#include "formats/textlines.h"
#include "model/font.h"
#include "text/charmap.h"

namespace {

constexpr int kLimit = kMaxGlyphPixels;

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

bool IsBlankLine(const std::string& line) {
    return TrimLine(line).empty();
}

std::string Indent(const std::string& line) {
    std::size_t n = 0;
    while (n < line.size() && IsBlank(line[n]))
        ++n;
    return line.substr(0, n);
}

// Property keys: letters, digits, "_", "-" and "."; compared without letter
// case and with "_" the same as "-".
bool IsKey(const std::string& text) {
    if (text.empty()) return false;
    for (char c : text)
        if (!std::isalnum(static_cast<unsigned char>(c)) && c != '_' && c != '-' && c != '.')
            return false;
    return true;
}

std::string KeyName(std::string key) {
    for (char& c : key)
        c = c == '_' ? '-' : static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return key;
}

bool IsGlyphRow(const std::string& text) {
    return !text.empty() && text.find_first_not_of(".@") == std::string::npos;
}

// A value line in double quotes stands for what is between them.
std::string Unquote(const std::string& text) {
    if (text.size() >= 2 && text.front() == '"' && text.back() == '"')
        return text.substr(1, text.size() - 2);
    return text;
}

// "key: value" at the start of text (after the indent); false when the part
// before the first colon is no key.
bool SplitProperty(const std::string& text, std::string& key, std::string& value) {
    const std::size_t colon = text.find(':');
    if (colon == std::string::npos || !IsKey(TrimLine(text.substr(0, colon)))) return false;
    key = KeyName(TrimLine(text.substr(0, colon)));
    value = Unquote(TrimLine(text.substr(colon + 1)));
    return true;
}

struct TLabel {
    enum TKind { Codepoint, Character, Tag } Kind = Tag;
    std::vector<long> Values; // codepoint bytes or Unicode characters
};

bool ParseUnsigned(const std::string& text, long limit, long& value) {
    int base = 10;
    std::size_t at = 0;
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) base = 16, at = 2;
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'o' || text[1] == 'O')) base = 8, at = 2;
    if (at >= text.size()) return false;
    value = 0;
    for (; at < text.size(); ++at) {
        const char c = static_cast<char>(std::tolower(static_cast<unsigned char>(text[at])));
        const int digit = c >= '0' && c <= '9' ? c - '0' : c >= 'a' && c <= 'f' ? c - 'a' + 10 : 99;
        if (digit >= base) return false;
        value = value * base + digit;
        if (value > limit) return false;
    }
    return true;
}

std::vector<std::string> SplitElements(const std::string& text) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (;;) {
        const std::size_t comma = text.find(',', start);
        parts.push_back(TrimLine(text.substr(start, comma - start)));
        if (comma == std::string::npos) return parts;
        start = comma + 1;
    }
}

// 'text' in single quotes, or u+ and hexadecimal digits up to U+10FFFF.
bool IsCharacterElement(const std::string& part) {
    if (part.size() >= 3 && part.front() == '\'' && part.back() == '\'') return true;
    long value;
    return part.size() >= 3 && (part[0] == 'u' || part[0] == 'U') && part[1] == '+' &&
           ParseUnsigned("0x" + part.substr(2), 0x10FFFF, value);
}

std::string ParseLabel(const std::string& text, std::size_t line, TLabel& label) {
    const std::string bad = "label \"" + text + "\" ";
    std::vector<char32_t> characters;
    if (std::isdigit(static_cast<unsigned char>(text[0]))) {
        label.Kind = TLabel::Codepoint;
        const std::vector<std::string> parts = SplitElements(text);
        for (const std::string& part : parts) {
            long value;
            if (!ParseUnsigned(part, parts.size() > 1 ? 255 : 0x7FFFFFFF, value))
                return LineError(line,
                                 bad + "is no codepoint (decimal, 0x hexadecimal or 0o octal)");
            label.Values.push_back(value);
        }
        return std::string();
    }
    if (text[0] == '"') {
        label.Kind = TLabel::Tag;
        return std::string();
    }
    const bool quoted = text.size() >= 3 && text.front() == '\'' && text.back() == '\'';
    if (quoted || text.rfind("u+", 0) == 0 || text.rfind("U+", 0) == 0) {
        label.Kind = TLabel::Character;
        // Elements split at commas, unless that breaks a quoted one: ',' is a comma.
        std::vector<std::string> parts = SplitElements(text);
        if (quoted && !std::all_of(parts.begin(), parts.end(), IsCharacterElement)) parts = {text};
        for (const std::string& part : parts) {
            if (!IsCharacterElement(part))
                return LineError(line, bad + "is no character (u+ and hexadecimal digits, or "
                                             "characters in single quotes)");
            if (part.front() == '\'') {
                if (!DecodeUtf8(part.substr(1, part.size() - 2), characters))
                    return LineError(line, bad + "is not valid UTF-8");
                for (char32_t c : characters)
                    label.Values.push_back(static_cast<long>(c));
            } else {
                long value = 0;
                ParseUnsigned("0x" + part.substr(2), 0x10FFFF, value);
                label.Values.push_back(value);
            }
        }
        return std::string();
    }
    // Older files: a single character on its own, anything else a tag.
    if (DecodeUtf8(text, characters) && characters.size() == 1) {
        label.Kind = TLabel::Character;
        label.Values.push_back(static_cast<long>(characters[0]));
    }
    return std::string();
}

struct TYaffGlyph {
    std::size_t Line = 0; // of its first label
    std::vector<std::string> LabelTexts;
    std::vector<TLabel> Labels;
    TStringList Rows; // '0'/'1'
    int Width = 0;
    std::map<std::string, std::string> Properties;
    std::map<std::string, std::size_t> PropertyLine;
};

class TYaffReader {
  public:
    explicit TYaffReader(const std::vector<std::uint8_t>& bytes) : FLines(SplitLines(bytes)) {}

    std::map<std::string, std::string> Properties;
    std::map<std::string, std::size_t> PropertyLine;
    std::vector<TYaffGlyph> Glyphs;

    std::string Read() {
        std::vector<std::pair<std::string, std::size_t>> pending; // labels or a key
        std::size_t i = 0;
        while (i < FLines.size()) {
            const std::string& line = FLines[i];
            if (IsBlankLine(line) || line[0] == '#') {
                ++i;
                continue;
            }
            if (IsBlank(line[0])) {
                if (pending.empty())
                    return LineError(i,
                                     "indented line without a label or a property name before it");
                const std::string content = TrimLine(line);
                if (content == "-" || IsGlyphRow(content)) {
                    TYaffGlyph glyph;
                    glyph.Line = pending.front().second;
                    for (const auto& [text, at] : pending) {
                        if (text.empty()) continue; // a bare ":" names nothing
                        TLabel label;
                        const std::string error = ParseLabel(text, at, label);
                        if (!error.empty()) return error;
                        glyph.LabelTexts.push_back(text);
                        glyph.Labels.push_back(label);
                    }
                    pending.clear();
                    const std::string error = ReadGlyph(i, glyph);
                    if (!error.empty()) return error;
                    Glyphs.push_back(std::move(glyph));
                    continue;
                }
                // A codepoint label names a glyph, never a property: a first
                // row with other characters must not swallow the glyph.
                if (pending.size() == 1 && !pending[0].first.empty() &&
                    std::isdigit(static_cast<unsigned char>(pending[0].first[0])))
                    return LineError(i, "\"" + content + "\" under label \"" + pending[0].first +
                                            "\" is no glyph row (\".\" and \"@\" only)");
                if (pending.size() != 1 || !IsKey(pending[0].first))
                    return LineError(pending.back().second, "label \"" + pending.back().first +
                                                                "\" is not followed by a glyph");
                std::string value;
                for (; i < FLines.size() && !IsBlankLine(FLines[i]) && IsBlank(FLines[i][0]); ++i)
                    value += (value.empty() ? "" : "\n") + Unquote(TrimLine(FLines[i]));
                Properties[KeyName(pending[0].first)] = value;
                PropertyLine[KeyName(pending[0].first)] = pending[0].second;
                pending.clear();
                continue;
            }
            const std::string text = TrimLine(line);
            if (text.back() == ':') {
                pending.emplace_back(TrimLine(text.substr(0, text.size() - 1)), i);
                ++i;
                continue;
            }
            if (!pending.empty())
                return LineError(pending.back().second, "label \"" + pending.back().first +
                                                            "\" is not followed by a glyph");
            std::string key, value;
            if (!SplitProperty(text, key, value))
                return LineError(
                    i, "neither a property (name: value), a label (ending in \":\") nor a "
                       "comment (starting with \"#\")");
            if (key == "levels" && value != "2")
                return LineError(i, "greyscale glyphs (levels: " + value + ") are not supported");
            Properties[key] = value;
            PropertyLine[key] = i;
            ++i;
        }
        if (!pending.empty())
            return LineError(pending.back().second,
                             "label \"" + pending.back().first + "\" is not followed by a glyph");
        return std::string();
    }

  private:
    // The rows from line i on, then the glyph's own properties; i ends on the
    // first line that belongs to neither.
    std::string ReadGlyph(std::size_t& i, TYaffGlyph& glyph) {
        const std::string indent = Indent(FLines[i]);
        if (TrimLine(FLines[i]) == "-") {
            ++i;
        } else {
            for (; i < FLines.size() && IsBlank(FLines[i][0]) && !IsBlankLine(FLines[i]); ++i) {
                const std::string row = TrimLine(FLines[i]);
                if (!IsGlyphRow(row)) break;
                if (Indent(FLines[i]) != indent)
                    return LineError(i, "glyph row indented differently from the row above");
                if (row.size() > static_cast<std::size_t>(kLimit))
                    return LineError(i,
                                     "glyph row wider than " + std::to_string(kLimit) + " pixels");
                if (!glyph.Rows.empty() && row.size() != glyph.Rows.front().size())
                    return LineError(i, "glyph row " + std::to_string(row.size()) +
                                            " pixels wide, the rows above " +
                                            std::to_string(glyph.Rows.front().size()));
                std::string bits(row.size(), '0');
                for (std::size_t c = 0; c < row.size(); ++c)
                    if (row[c] == '@') bits[c] = '1';
                glyph.Rows.push_back(std::move(bits));
            }
            if (glyph.Rows.size() > static_cast<std::size_t>(kLimit))
                return LineError(i - 1, "glyph taller than " + std::to_string(kLimit) + " rows");
            glyph.Width = static_cast<int>(glyph.Rows.front().size());
        }
        // Its own properties: at the same indent, after a blank line (or not).
        std::string lastKey;
        for (;;) {
            std::size_t next = i;
            while (next < FLines.size() && IsBlankLine(FLines[next]))
                ++next;
            if (next >= FLines.size() || !IsBlank(FLines[next][0])) break;
            const std::string lineIndent = Indent(FLines[next]);
            const std::string text = TrimLine(FLines[next]);
            if (lineIndent.size() > indent.size() && !lastKey.empty() && next == i) {
                ++i; // more of the value above (kerning lists); not used here
                continue;
            }
            std::string key, value;
            if (lineIndent != indent || !SplitProperty(text, key, value)) {
                if (IsGlyphRow(text) || text == "-")
                    return LineError(next, "glyph row \"" + text +
                                               "\" does not belong to the glyph above " +
                                               "(a blank line or a different indent between them)");
                return LineError(next, "\"" + text +
                                           "\" is no glyph row (\".\" and \"@\" only) and no " +
                                           "property (name: value)");
            }
            glyph.Properties[key] = value;
            glyph.PropertyLine[key] = next;
            lastKey = key;
            i = next + 1;
        }
        return std::string();
    }

    std::vector<std::string> FLines;
};

// A metric of the font or a glyph: 0 when absent, else a whole number.
std::string Metric(const std::map<std::string, std::string>& properties,
                   const std::map<std::string, std::size_t>& lines, const std::string& key,
                   int& value, bool* present = nullptr) {
    value = 0;
    const auto it = properties.find(key);
    if (present) *present = it != properties.end();
    if (it == properties.end()) return std::string();
    if (!ParseNumber(it->second, kLimit, value))
        return LineError(lines.at(key),
                         key + " needs a whole number up to " + std::to_string(kLimit));
    return std::string();
}

// The deprecated "offset: x y", the same as left-bearing and shift-up.
std::string Offset(const std::map<std::string, std::string>& properties,
                   const std::map<std::string, std::size_t>& lines, int& left, int& up) {
    const auto it = properties.find("offset");
    if (it == properties.end()) return std::string();
    const std::vector<std::string> words = SplitWords(it->second);
    int x, y;
    if (words.size() != 2 || !ParseNumber(words[0], kLimit, x) || !ParseNumber(words[1], kLimit, y))
        return LineError(lines.at("offset"), "offset needs two whole numbers");
    left += x, up += y;
    return std::string();
}

std::string EncodingKind(const std::string& encoding) {
    std::string name;
    for (char c : encoding)
        if (std::isalnum(static_cast<unsigned char>(c)))
            name += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    static const char* const unicode[] = {"",          "unicode", "latin1", "iso88591", "iso10646",
                                          "iso106461", "ucs",     "utf8",   "utf16",    "ucs2"};
    for (const char* u : unicode)
        if (name == u) return "unicode";
    return name == "zxspectrum" ? "zx" : "other";
}

} // namespace

std::string ReadYaff(TFZXFont& font, const std::vector<std::uint8_t>& bytes,
                     const TImportOptions& options, TImportReport& report) {
    if (bytes.size() > kMaxYaffFileSize) return "File is too large for a yaff font!";
    TYaffReader reader(bytes);
    std::string error = reader.Read();
    if (!error.empty()) return error;
    const auto& props = reader.Properties;
    const auto& lines = reader.PropertyLine;

    int left = 0, right = 0, up = 0, ascent = 0, descent = 0, lineHeight = 0, pixelSize = 0,
        extra = 0;
    bool haveAscent, haveDescent, haveLineHeight, havePixelSize;
    for (const std::string& e :
         {Metric(props, lines, "left-bearing", left), Metric(props, lines, "right-bearing", right),
          Metric(props, lines, "shift-up", up), Offset(props, lines, left, up),
          Metric(props, lines, "ascent", ascent, &haveAscent),
          Metric(props, lines, "descent", descent, &haveDescent),
          Metric(props, lines, "line-height", lineHeight, &haveLineHeight),
          Metric(props, lines, "pixel-size", pixelSize, &havePixelSize),
          Metric(props, lines, "leading", extra)})
        if (!e.empty()) return e;

    // Each glyph's place against the baseline, before the top of the line is known.
    struct TPlace {
        int Left, Advance, Up;
    };
    std::vector<TPlace> places;
    int highest = 0, lowest = 0; // of the rasters against the baseline
    for (const TYaffGlyph& g : reader.Glyphs) {
        int gl, gr, gu;
        for (const std::string& e : {Metric(g.Properties, g.PropertyLine, "left-bearing", gl),
                                     Metric(g.Properties, g.PropertyLine, "right-bearing", gr),
                                     Metric(g.Properties, g.PropertyLine, "shift-up", gu)})
            if (!e.empty()) return e;
        if (gr == 0 && g.Properties.count("tracking")) {
            error = Metric(g.Properties, g.PropertyLine, "tracking", gr);
            if (!error.empty()) return error;
        }
        error = Offset(g.Properties, g.PropertyLine, gl, gu);
        if (!error.empty()) return error;
        const TPlace p{left + gl, left + gl + g.Width + right + gr, up + gu};
        places.push_back(p);
        if (!g.Rows.empty()) {
            highest = std::max(highest, p.Up + static_cast<int>(g.Rows.size()));
            lowest = std::min(lowest, p.Up);
        }
    }
    if (!haveAscent) ascent = havePixelSize && haveDescent ? pixelSize - descent : highest;
    if (!haveDescent) descent = havePixelSize ? pixelSize - ascent : std::max(0, -lowest);
    const int height =
        haveLineHeight ? lineHeight : (havePixelSize ? pixelSize : ascent + descent) + extra;

    const std::string kind = EncodingKind(props.count("encoding") ? props.at("encoding") : "");
    const TCharset charset = options.ZxCharset ? TCharset::ZX : TCharset::Latin1;
    TFontImport import(report);
    import.Height = std::max(0, height);
    // Space every glyph gets after its advance is what FZX calls tracking.
    import.Tracking = right >= 0 && right <= 255 ? right : 0;
    bool foreignCodes = false;
    for (std::size_t k = 0; k < reader.Glyphs.size(); ++k) {
        TYaffGlyph& g = reader.Glyphs[k];
        TSourceGlyph source;
        const TLabel* character = nullptr;
        const TLabel* codepoint = nullptr;
        for (const TLabel& label : g.Labels) {
            if (label.Kind == TLabel::Character && !character) character = &label;
            if (label.Kind == TLabel::Codepoint && !codepoint) codepoint = &label;
        }
        if (character) {
            if (character->Values.size() == 1)
                source.Code = CodeFromUnicode(static_cast<char32_t>(character->Values[0]), charset);
        } else if (codepoint && codepoint->Values.size() == 1) {
            const long value = codepoint->Values[0];
            if (kind == "unicode") {
                source.Code = CodeFromUnicode(static_cast<char32_t>(value), charset);
            } else {
                source.Code = value >= 32 && value <= 255 ? static_cast<int>(value) : -1;
                foreignCodes = foreignCodes || kind == "other";
            }
        }
        source.Label = g.LabelTexts.empty() ? std::string() : g.LabelTexts.front();
        source.Advance = places[k].Advance;
        source.Left = places[k].Left;
        source.Top = ascent - (places[k].Up + static_cast<int>(g.Rows.size()));
        source.Rows = std::move(g.Rows);
        import.Add(std::move(source));
    }
    if (foreignCodes)
        report.Lines.insert(report.Lines.begin(),
                            "Encoding " + props.at("encoding") +
                                " is neither Latin-1 nor Unicode: codepoint labels taken as codes");
    return import.Fill(font);
}

// --- writing -------------------------------------------------------------

namespace {

// A value as yaff allows it on one line: quoted where it would otherwise be
// taken for something else; bytes that are no UTF-8 become "?".
std::string YaffValue(const std::string& text) {
    std::vector<char32_t> characters;
    std::string clean;
    if (DecodeUtf8(text, characters)) {
        for (char32_t c : characters)
            clean += c < 32 || c == 127 ? std::string("?") : EncodeUtf8(c);
    } else {
        for (char c : text)
            clean += static_cast<unsigned char>(c) < 128 && c >= 32 ? c : '?';
    }
    if (clean.empty()) return "Untitled";
    if (std::string(":.@\"-# \t").find(clean.front()) != std::string::npos || clean.back() == ':' ||
        IsBlank(clean.back()))
        return "\"" + clean + "\"";
    return clean;
}

} // namespace

std::string WriteYaff(const TFZXFont& font, const TExportOptions& options,
                      std::vector<std::uint8_t>& bytes) {
    bytes.clear();
    const int glyphs = std::min(font.LastChar() - 31, font.Count());
    if (glyphs < 1) return "The font has no characters to write.";
    const TCharset charset = options.ZxCharset ? TCharset::ZX : TCharset::Latin1;
    const int ascent = GuessBaseline(font, glyphs);
    if (!WithinGlyphPixels(font.Height()) || font.Tracking() < 0 || font.Tracking() > 255)
        return "The font's height (up to 512) or tracking (0 to 255) is beyond what yaff files "
               "take here.";

    std::string text;
    text += "# Converted from FZX. The tracking is the font's right-bearing,\n";
    text += "# a character's kern its negative left-bearing.\n\n";
    text += "yaff: 1.0.4\n";
    text += "name: " + YaffValue(options.FontName) + "\n";
    text += "converter: Quorrel\n";
    text +=
        std::string("encoding: ") + (charset == TCharset::ZX ? "zx-spectrum" : "latin-1") + "\n";
    text += "line-height: " + std::to_string(font.Height()) + "\n";
    text += "ascent: " + std::to_string(ascent) + "\n";
    text += "descent: " + std::to_string(font.Height() - ascent) + "\n";
    text += "right-bearing: " + std::to_string(font.Tracking()) + "\n";

    char label[32];
    for (int i = 0; i < glyphs; ++i) {
        const TFZXChar& g = font.Glyph(i);
        const int code = i + 32;
        const int width = std::max(1, g.Width());
        const int rows = g.RowCount();
        const int shift = ascent - g.Leading() - rows;
        if (!WithinGlyphPixels(width) || !WithinGlyphPixels(rows) || !WithinGlyphPixels(shift))
            return CharacterName(code, "") +
                   " is too large for a yaff file (sizes and offsets up to 512 pixels).";
        std::snprintf(label, sizeof label, "\n0x%02X:\n", code);
        text += label;
        const long character = UnicodeFromCode(code, charset);
        if (character >= 0) {
            std::snprintf(label, sizeof label, "u+%04lx:\n", character);
            text += label;
        }
        TStringList list;
        SplitText(list, g.Rows(), '|');
        if (list.empty()) text += "    -\n";
        for (const std::string& row : list) {
            std::string line(static_cast<std::size_t>(width), '.');
            for (std::size_t c = 0; c < line.size() && c < row.size(); ++c)
                if (row[c] == '1') line[c] = '@';
            text += "    " + line + "\n";
        }
        // An empty glyph has no raster to measure its advance: the bearing holds it.
        std::string metrics;
        if (g.Kern() != 0) metrics += "    left-bearing: " + std::to_string(-g.Kern()) + "\n";
        if (list.empty()) metrics += "    right-bearing: " + std::to_string(width) + "\n";
        if (shift != 0) metrics += "    shift-up: " + std::to_string(shift) + "\n";
        if (!metrics.empty()) text += "\n" + metrics;
    }
    bytes.assign(text.begin(), text.end());
    return std::string();
}
