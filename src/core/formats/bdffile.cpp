// Reading and writing BDF 2.1 fonts.

#include "formats/bdffile.h"

#include <algorithm>
#include <cctype>
#include <climits>
#include <cmath>
#include <cstdio>
#include <map>

#include "formats/baseline.h"
#include "formats/fontimport.h"
#include "formats/textlines.h"
#include "model/font.h"
#include "text/charmap.h"
#include "transforms/rounding.h"

namespace {

constexpr int kLimit = kMaxGlyphPixels;
constexpr const char* kTrackingProperty = "FZX_TRACKING";

std::string Upper(std::string text) {
    for (char& c : text)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

// The text after the keyword, without surrounding blanks.
std::string RestOfLine(const std::string& line, const std::string& keyword) {
    return TrimLine(line.substr(line.find(keyword) + keyword.size()));
}

// A property value: a quoted string ("" inside stands for one quote) or a word.
std::string PropertyValue(const std::string& text) {
    if (text.size() < 2 || text.front() != '"') return text;
    std::string value;
    for (std::size_t i = 1; i + 1 < text.size(); ++i) {
        value += text[i];
        if (text[i] == '"' && text[i + 1] == '"') ++i;
    }
    return value;
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

bool IsHexRow(const std::string& word) {
    return std::all_of(word.begin(), word.end(), [](char c) { return HexDigit(c) >= 0; });
}

// Reads numbers words[1..count] within -limit..limit into values.
bool Numbers(const std::vector<std::string>& words, std::size_t count, int limit,
             std::vector<int>& values) {
    if (words.size() < count + 1) return false;
    values.assign(count, 0);
    for (std::size_t i = 0; i < count; ++i)
        if (!ParseNumber(words[i + 1], limit, values[i])) return false;
    return true;
}

struct TBDFGlyph {
    std::string Name;
    bool Encoded = false;
    int Encoding = -1;
    // "ENCODING -1 n": a glyph outside the encoding that the font still
    // numbers n; other readers keep n as its code, and so do we.
    int OwnCode = -1;
    int Advance = 0;
    int BoxX = 0, BoxY = 0;
    TStringList Rows;
};

class TBDFReader {
  public:
    explicit TBDFReader(const std::vector<std::uint8_t>& bytes) : FLines(SplitLines(bytes)) {}

    std::string Read() {
        while (FNext < FLines.size() && SplitWords(FLines[FNext]).empty())
            ++FNext;
        if (FNext >= FLines.size() || SplitWords(FLines[FNext])[0] != "STARTFONT")
            return LineError(std::min(FNext, FLines.size() ? FLines.size() - 1 : 0),
                             "not a BDF font (STARTFONT expected)");
        ++FNext;
        for (; FNext < FLines.size(); ++FNext) {
            const std::vector<std::string> words = SplitWords(FLines[FNext]);
            if (words.empty() || words[0] == "COMMENT") continue;
            const std::string& key = words[0];
            std::string error;
            std::vector<int> v;
            if (key == "ENDFONT") return EndFont();
            // After CHARS the file holds characters and nothing else: any
            // other line is a misspelt keyword whose character would be lost.
            if (FHaveChars && key != "STARTCHAR")
                return LineError(FNext, "\"" + TrimLine(FLines[FNext]) +
                                            "\" where STARTCHAR or ENDFONT is expected");
            if (key == "STARTPROPERTIES") {
                error = ReadProperties();
            } else if (key == "FONTBOUNDINGBOX") {
                // The union of the glyphs' boxes, which may reach further than one box.
                if (!Numbers(words, 4, 3 * kLimit, v) || v[0] < 0 || v[1] < 0 ||
                    !WithinGlyphPixels(v[2]) || !WithinGlyphPixels(v[3]))
                    error = LineError(FNext, "FONTBOUNDINGBOX needs a width and a height (0 to " +
                                                 std::to_string(3 * kLimit) +
                                                 ") and two offsets (-" + std::to_string(kLimit) +
                                                 " to " + std::to_string(kLimit) + ")");
                HaveBox = error.empty();
                if (HaveBox) BoxHeight = v[1], BoxY = v[3];
            } else if (key == "DWIDTH") {
                if (!Numbers(words, 1, kLimit, v))
                    error = LineError(FNext, "DWIDTH needs a whole number of pixels up to " +
                                                 std::to_string(kLimit));
                FHaveAdvance = error.empty();
                if (FHaveAdvance) FAdvance = v[0];
            } else if (key == "CHARS") {
                if (!Numbers(words, 1, INT_MAX, v) || v[0] < 0)
                    error = LineError(FNext, "CHARS needs the number of characters");
                FHaveChars = error.empty();
                if (FHaveChars) FChars = static_cast<std::size_t>(v[0]), FCharsLine = FNext;
            } else if (key == "STARTCHAR") {
                if (!FHaveChars)
                    error = LineError(FNext, "STARTCHAR before CHARS (CHARS expected after the "
                                             "properties)");
                else if (Glyphs.size() == FChars)
                    error = LineError(FNext, "a character beyond the " + std::to_string(FChars) +
                                                 " that CHARS (line " + CharsLine() +
                                                 ") announces (ENDFONT expected)");
                else
                    error = ReadGlyph();
            } else if (key == "ENCODING" || key == "BBX" || key == "BITMAP" || key == "ENDCHAR") {
                error = LineError(FNext, key + " outside a character (STARTCHAR expected)");
            }
            if (!error.empty()) return error;
        }
        return LineError(FLines.empty() ? 0 : FLines.size() - 1, "the file ends before ENDFONT");
    }

    // Font-wide values, known once Read succeeded.
    std::map<std::string, std::string> Properties;
    std::map<std::string, std::size_t> PropertyLine;
    std::vector<TBDFGlyph> Glyphs;
    bool HaveBox = false;
    int BoxHeight = 0, BoxY = 0;

  private:
    std::string CharsLine() const { return std::to_string(FCharsLine + 1); }

    // At ENDFONT: every character CHARS announced was read, and nothing follows.
    std::string EndFont() {
        if (!FHaveChars) return LineError(FNext, "ENDFONT before CHARS (CHARS expected)");
        if (Glyphs.size() != FChars)
            return LineError(FNext, "ENDFONT, but CHARS (line " + CharsLine() + ") announces " +
                                        std::to_string(FChars) + " characters and the file holds " +
                                        std::to_string(Glyphs.size()));
        for (std::size_t end = FNext++; FNext < FLines.size(); ++FNext)
            if (!SplitWords(FLines[FNext]).empty())
                return LineError(FNext, "\"" + TrimLine(FLines[FNext]) + "\" after ENDFONT (line " +
                                            std::to_string(end + 1) +
                                            "); the file should end there");
        return std::string();
    }

    std::string ReadProperties() {
        for (++FNext; FNext < FLines.size(); ++FNext) {
            const std::vector<std::string> words = SplitWords(FLines[FNext]);
            if (words.empty() || words[0] == "COMMENT") continue;
            if (words[0] == "ENDPROPERTIES") return std::string();
            if (words[0] == "STARTCHAR" || words[0] == "CHARS" || words[0] == "ENDFONT")
                return LineError(FNext, words[0] + " before ENDPROPERTIES");
            const std::string name = Upper(words[0]);
            Properties[name] = PropertyValue(RestOfLine(FLines[FNext], words[0]));
            PropertyLine[name] = FNext;
        }
        return LineError(FLines.size() - 1,
                         "the file ends inside the properties (ENDPROPERTIES expected)");
    }

    std::string ReadGlyph() {
        TBDFGlyph glyph;
        glyph.Name = RestOfLine(FLines[FNext], "STARTCHAR");
        const std::size_t start = FNext;
        const std::string who = "character \"" + glyph.Name + "\"";
        bool haveAdvance = FHaveAdvance, haveBox = false, haveBitmap = false, haveEncoding = false;
        glyph.Advance = FAdvance;
        int boxWidth = 0, boxHeight = 0;
        for (++FNext; FNext < FLines.size(); ++FNext) {
            const std::vector<std::string> words = SplitWords(FLines[FNext]);
            if (words.empty()) continue;
            const std::string& key = words[0];
            std::vector<int> v;
            if (key == "ENCODING") {
                if (!Numbers(words, 1, INT_MAX, v))
                    return LineError(FNext, "ENCODING needs a whole number");
                glyph.Encoded = v[0] >= 0;
                glyph.Encoding = v[0];
                int own;
                if (v[0] == -1 && words.size() > 2 && ParseNumber(words[2], INT_MAX, own) &&
                    own >= 0)
                    glyph.OwnCode = own;
                haveEncoding = true;
            } else if (key == "DWIDTH") {
                if (!Numbers(words, 1, kLimit, v))
                    return LineError(FNext, "DWIDTH needs a whole number of pixels up to " +
                                                std::to_string(kLimit));
                glyph.Advance = v[0];
                haveAdvance = true;
            } else if (key == "BBX") {
                if (!Numbers(words, 4, kLimit, v) || v[0] < 0 || v[1] < 0)
                    return LineError(FNext, "BBX needs a width and a height (0 to " +
                                                std::to_string(kLimit) + ") and two offsets");
                boxWidth = v[0], boxHeight = v[1], glyph.BoxX = v[2], glyph.BoxY = v[3];
                haveBox = true;
            } else if (key == "BITMAP") {
                if (!haveBox) return LineError(FNext, who + " has no BBX before BITMAP");
                // Glyphs no code can take are checked but not decoded: a
                // Unicode font holds thousands of them.
                const bool wanted =
                    (glyph.Encoded &&
                     (glyph.Encoding <= 255 ||
                      CodeFromUnicode(static_cast<char32_t>(glyph.Encoding), TCharset::ZX) >= 0)) ||
                    (glyph.OwnCode >= 0 && glyph.OwnCode <= 255);
                const std::string error =
                    ReadBitmap(boxWidth, boxHeight, wanted ? &glyph.Rows : nullptr);
                if (!error.empty()) return error;
                haveBitmap = true;
            } else if (key == "ENDCHAR") {
                if (!haveBox) return LineError(start, who + " has no BBX");
                if (!haveAdvance) return LineError(start, who + " has no DWIDTH");
                if (!haveEncoding) return LineError(start, who + " has no ENCODING");
                if (!haveBitmap) return LineError(FNext, "BITMAP expected in " + who);
                Glyphs.push_back(std::move(glyph));
                return std::string();
            } else if (key == "STARTCHAR" || key == "ENDFONT") {
                return LineError(FNext, who + " (line " + std::to_string(start + 1) +
                                            ") has no ENDCHAR before " + key);
            } else if (haveBitmap) {
                return LineError(FNext, "ENDCHAR expected after the " + std::to_string(boxHeight) +
                                            " bitmap rows of " + who);
            } else if (IsHexRow(key)) {
                return LineError(FNext, "bitmap row \"" + key + "\" of " + who +
                                            " before BITMAP (a BITMAP line expected)");
            } else if (key != "COMMENT" && key != "SWIDTH" && key != "SWIDTH1" &&
                       key != "DWIDTH1" && key != "VVECTOR" && key != "ATTRIBUTES") {
                // A misspelt keyword would leave the character without its ink.
                return LineError(FNext, "\"" + key + "\" in " + who +
                                            " is no keyword of a character (ENCODING, SWIDTH, "
                                            "DWIDTH, BBX, BITMAP or ENDCHAR expected)");
            }
        }
        return LineError(FLines.size() - 1, "the file ends inside " + who);
    }

    // Reads height rows of hexadecimal digits into rows, or only checks them
    // when rows is nullptr.
    std::string ReadBitmap(int width, int height, TStringList* rows) {
        const std::size_t digits = static_cast<std::size_t>((width + 7) / 8 * 2);
        if (rows) rows->clear();
        for (int r = 0; r < height; ++r) {
            ++FNext;
            if (FNext >= FLines.size())
                return LineError(FLines.size() - 1, "the file ends inside a bitmap");
            const std::string& line = FLines[FNext];
            const std::string hex = TrimLine(line);
            if (hex.size() < digits || hex.find_first_of(" \t") != std::string::npos)
                return LineError(
                    FNext, "bitmap row \"" + line + "\" should hold " + std::to_string(digits) +
                               " hexadecimal digits for width " + std::to_string(width));
            std::string row(rows ? static_cast<std::size_t>(width) : 0, '0');
            for (std::size_t d = 0; d < hex.size(); ++d) {
                const int nibble = HexDigit(hex[d]);
                if (nibble < 0)
                    return LineError(FNext, "bitmap row \"" + hex + "\" is not hexadecimal");
                for (int b = 0; b < 4; ++b) {
                    const std::size_t x = d * 4 + static_cast<std::size_t>(b);
                    if (x < row.size() && (nibble & (8 >> b))) row[x] = '1';
                }
            }
            if (rows) rows->push_back(std::move(row));
        }
        return std::string();
    }

    std::vector<std::string> FLines;
    std::size_t FNext = 0;
    bool FHaveChars = false;
    std::size_t FChars = 0, FCharsLine = 0;
    bool FHaveAdvance = false;
    int FAdvance = 0;
};

bool IsUnicodeRegistry(const std::string& registry, const std::string& encoding) {
    const std::string r = Upper(registry);
    return r.empty() || r == "ISO10646" || (r == "ISO8859" && encoding == "1");
}

} // namespace

std::string ReadBDF(TFZXFont& font, const std::vector<std::uint8_t>& bytes,
                    const TImportOptions& options, TImportReport& report) {
    if (bytes.size() > kMaxBDFFileSize) return "File is too large for a BDF font!";
    TBDFReader reader(bytes);
    const std::string error = reader.Read();
    if (!error.empty()) return error;

    const auto number = [&](const char* name, int& value, bool& present) -> std::string {
        const auto it = reader.Properties.find(name);
        present = it != reader.Properties.end();
        if (present && !ParseNumber(it->second, kLimit, value))
            return LineError(reader.PropertyLine[name], std::string(name) +
                                                            " needs a whole number up to " +
                                                            std::to_string(kLimit));
        return std::string();
    };
    int ascent = 0, descent = 0, tracking = 0;
    bool haveAscent, haveDescent, haveTracking;
    for (const std::string& e :
         {number("FONT_ASCENT", ascent, haveAscent), number("FONT_DESCENT", descent, haveDescent),
          number(kTrackingProperty, tracking, haveTracking)})
        if (!e.empty()) return e;
    if (!haveAscent || !haveDescent) {
        if (!reader.HaveBox)
            return "The font has neither FONT_ASCENT and FONT_DESCENT nor FONTBOUNDINGBOX.";
        if (!haveAscent) ascent = reader.BoxHeight + reader.BoxY;
        if (!haveDescent) descent = -reader.BoxY;
    }
    if (tracking < 0 || tracking > 255)
        return LineError(reader.PropertyLine[kTrackingProperty],
                         std::string(kTrackingProperty) + " must lie in 0..255");

    const std::string registry = reader.Properties["CHARSET_REGISTRY"];
    const std::string encoding = reader.Properties["CHARSET_ENCODING"];
    const bool unicode = IsUnicodeRegistry(registry, encoding);
    if (!unicode)
        report.Lines.push_back("Encoding " + registry + "-" + encoding +
                               " is neither Latin-1 nor Unicode: codes taken as they are");
    const TCharset charset = options.ZxCharset ? TCharset::ZX : TCharset::Latin1;

    TFontImport import(report);
    import.Height = std::max(0, ascent + descent);
    import.Tracking = tracking;
    for (TBDFGlyph& g : reader.Glyphs) {
        TSourceGlyph source;
        if (g.Encoded)
            source.Code = unicode ? CodeFromUnicode(static_cast<char32_t>(g.Encoding), charset)
                                  : (g.Encoding >= 32 && g.Encoding <= 255 ? g.Encoding : -1);
        else if (g.OwnCode >= 32 && g.OwnCode <= 255)
            source.Code = g.OwnCode;
        source.Label = g.Name;
        source.Advance = g.Advance;
        source.Left = g.BoxX;
        source.Top = ascent - (g.BoxY + static_cast<int>(g.Rows.size()));
        source.Rows = std::move(g.Rows);
        import.Add(std::move(source));
    }
    return import.Fill(font);
}

// --- writing -------------------------------------------------------------

namespace {

// A name fit for the fields of an X11 font name: printable ASCII without the
// characters that separate or quote them.
std::string XName(const std::string& name) {
    std::string out;
    for (char c : name) {
        const unsigned char u = static_cast<unsigned char>(c);
        out += (u < 32 || u > 126 || c == '-' || c == '*' || c == '?' || c == ',' || c == '"') ? '_'
                                                                                               : c;
    }
    return out.empty() ? "Untitled" : out;
}

std::string HexRow(const std::string& row, int width) {
    static const char digits[] = "0123456789ABCDEF";
    std::string hex;
    for (int byteStart = 0; byteStart < width; byteStart += 8) {
        int value = 0;
        for (int b = 0; b < 8; ++b) {
            const std::size_t x = static_cast<std::size_t>(byteStart + b);
            if (byteStart + b < width && x < row.size() && row[x] == '1') value |= 0x80 >> b;
        }
        hex += digits[value >> 4];
        hex += digits[value & 15];
    }
    return hex;
}

} // namespace

std::string WriteBDF(const TFZXFont& font, const TExportOptions& options,
                     std::vector<std::uint8_t>& bytes) {
    bytes.clear();
    const int glyphs = std::min(font.LastChar() - 31, font.Count());
    if (glyphs < 1) return "The font has no characters to write.";
    const TCharset charset = options.ZxCharset ? TCharset::ZX : TCharset::Latin1;
    const int height = font.Height();
    const int tracking = font.Tracking();
    const int ascent = GuessBaseline(font, glyphs);
    const int descent = height - ascent;
    const int pixelSize = std::max(1, height);
    const std::string name = XName(options.FontName);
    if (!WithinGlyphPixels(height) || tracking < 0 || tracking > 255)
        return "The font's height (up to 512) or tracking (0 to 255) is beyond what BDF files "
               "take here.";

    int minX = 0, minY = 0, maxX = 0, maxY = 0, totalAdvance = 0;
    bool anyBox = false;
    std::string chars;
    for (int i = 0; i < glyphs; ++i) {
        const TFZXChar& g = font.Glyph(i);
        const int code = i + 32;
        const int width = std::max(1, g.Width());
        const int advance = width + tracking - g.Kern();
        // A glyph without ink gets an empty box (FontForge drops one with a
        // width but no rows); its offsets still carry the kern and leading.
        const bool blank = g.Rows().find('1') == std::string::npos;
        const int boxWidth = blank ? 0 : width;
        const int rows = blank ? 0 : g.RowCount();
        const int x = -g.Kern();
        const int y = ascent - g.Leading() - rows;
        if (!WithinGlyphPixels(width) || !WithinGlyphPixels(rows) || !WithinGlyphPixels(advance) ||
            !WithinGlyphPixels(y))
            return CharacterName(code, "") +
                   " is too large for a BDF file (sizes and offsets up to 512 pixels).";
        if (!blank) {
            if (!anyBox) minX = x, minY = y, maxX = x + width, maxY = y + rows;
            anyBox = true;
            minX = std::min(minX, x), maxX = std::max(maxX, x + width);
            minY = std::min(minY, y), maxY = std::max(maxY, y + rows);
        }
        totalAdvance += advance;

        const long character = UnicodeFromCode(code, charset);
        char head[160];
        if (character >= 0)
            std::snprintf(head, sizeof head, "STARTCHAR uni%04lX\nENCODING %ld\n", character,
                          character);
        else
            std::snprintf(head, sizeof head, "STARTCHAR code%d\nENCODING -1 %d\n", code, code);
        chars += head;
        std::snprintf(head, sizeof head, "SWIDTH %ld 0\nDWIDTH %d 0\nBBX %d %d %d %d\nBITMAP\n",
                      RoundHalfAway(advance * 1000.0 / pixelSize), advance, boxWidth, rows, x, y);
        chars += head;
        TStringList list;
        if (!blank) SplitText(list, g.Rows(), '|');
        for (const std::string& row : list)
            chars += HexRow(row, width) + "\n";
        chars += "ENDCHAR\n";
    }

    const bool zx = charset == TCharset::ZX;
    const long averageWidth = RoundHalfAway(totalAdvance * 10.0 / glyphs);
    std::string text;
    char line[512];
    text += "STARTFONT 2.1\n";
    text += "COMMENT Converted from FZX; kern is the bitmap's start left of the pen,\n";
    text += "COMMENT tracking the property " + std::string(kTrackingProperty) + ".\n";
    // X11 font names write a negative number with a tilde: a minus separates fields.
    const std::string average = (averageWidth < 0 ? "~" : "") +
                                std::to_string(averageWidth < 0 ? -averageWidth : averageWidth);
    text += "FONT -FZX-" + name + "-Medium-R-Normal--" + std::to_string(pixelSize) + "-" +
            std::to_string(pixelSize * 10) + "-72-72-P-" + average + "-" +
            (zx ? "ISO10646-1" : "ISO8859-1") + "\n";
    std::snprintf(line, sizeof line, "SIZE %d 72 72\nFONTBOUNDINGBOX %d %d %d %d\n", pixelSize,
                  maxX - minX, maxY - minY, minX, minY);
    text += line;
    const std::vector<std::pair<std::string, std::string>> properties = {
        {"FOUNDRY", "\"FZX\""},
        {"FAMILY_NAME", "\"" + name + "\""},
        {"WEIGHT_NAME", "\"Medium\""},
        {"SLANT", "\"R\""},
        {"SETWIDTH_NAME", "\"Normal\""},
        {"ADD_STYLE_NAME", "\"\""},
        {"PIXEL_SIZE", std::to_string(pixelSize)},
        {"POINT_SIZE", std::to_string(pixelSize * 10)},
        {"RESOLUTION_X", "72"},
        {"RESOLUTION_Y", "72"},
        {"SPACING", "\"P\""},
        {"AVERAGE_WIDTH", std::to_string(averageWidth)},
        {"CHARSET_REGISTRY", zx ? "\"ISO10646\"" : "\"ISO8859\""},
        {"CHARSET_ENCODING", "\"1\""},
        {"FONT_ASCENT", std::to_string(ascent)},
        {"FONT_DESCENT", std::to_string(descent)},
        {kTrackingProperty, std::to_string(tracking)},
    };
    text += "STARTPROPERTIES " + std::to_string(properties.size()) + "\n";
    for (const auto& [key, value] : properties)
        text += key + " " + value + "\n";
    text += "ENDPROPERTIES\n";
    text += "CHARS " + std::to_string(glyphs) + "\n";
    text += chars;
    text += "ENDFONT\n";
    bytes.assign(text.begin(), text.end());
    return std::string();
}
