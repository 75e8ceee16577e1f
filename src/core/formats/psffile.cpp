// PSF 1: 4-byte header (36 04, mode, glyph height), 256 or 512 glyphs 8 pixels
// wide, then with mode bits 2 or 4 a table of 16-bit characters per glyph,
// each list ended by FFFF (FFFE starts sequences, which are skipped).
// PSF 2: 32-byte header of little-endian words (magic, version, header size,
// flags, count, glyph bytes, height, width), the glyphs, then with flag 1 a
// table of UTF-8 characters per glyph, each list ended by FF (FE as above).

#include "formats/psffile.h"

#include <algorithm>

#include "formats/cellfont.h"
#include "formats/fontimport.h"
#include "model/font.h"
#include "text/charmap.h"
#include "text/textrows.h"

namespace {

constexpr std::uint8_t kPSF1Magic[2] = {0x36, 0x04};
constexpr std::uint8_t kPSF2Magic[4] = {0x72, 0xB5, 0x4A, 0x86};
constexpr int kMaxCellSide = 255;
constexpr int kMaxConsoleWidth = 8;
constexpr int kMaxConsoleHeight = 32;

std::uint32_t Word32(const std::uint8_t* p) {
    return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

void PutWord32(std::vector<std::uint8_t>& out, std::uint32_t value) {
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

std::string At(std::size_t offset, const std::string& what) {
    return "byte " + std::to_string(offset) + ": " + what;
}

struct TPSFLayout {
    std::size_t GlyphStart = 0;
    std::size_t Count = 0;
    std::size_t GlyphBytes = 0;
    int Width = 0;
    int Height = 0;
    bool Table = false;
    bool Utf8 = false; // PSF 2 table; PSF 1 tables hold 16-bit characters
};

std::string ReadHeader(const std::vector<std::uint8_t>& b, TPSFLayout& l) {
    if (b.size() >= 4 && b[0] == kPSF1Magic[0] && b[1] == kPSF1Magic[1]) {
        const int mode = b[2];
        l.GlyphStart = 4;
        l.Count = (mode & 0x01) ? 512 : 256;
        l.Height = b[3];
        l.Width = 8;
        l.GlyphBytes = static_cast<std::size_t>(l.Height);
        l.Table = (mode & 0x06) != 0;
        if (l.Height == 0) return At(3, "the glyph height is 0");
        return "";
    }
    if (b.size() >= 4 && std::equal(kPSF2Magic, kPSF2Magic + 4, b.begin())) {
        if (b.size() < 32) return At(b.size(), "the file ends inside the 32-byte PSF 2 header");
        const std::uint32_t headerSize = Word32(&b[8]), flags = Word32(&b[12]),
                            count = Word32(&b[16]), glyphBytes = Word32(&b[20]),
                            height = Word32(&b[24]), width = Word32(&b[28]);
        if (Word32(&b[4]) != 0)
            return At(4, "unknown PSF 2 version " + std::to_string(Word32(&b[4])));
        if (headerSize < 32 || headerSize > b.size())
            return At(8, "header size " + std::to_string(headerSize) + " is not possible");
        if (width == 0 || height == 0 || width > kMaxCellSide || height > kMaxCellSide)
            return At(24, "glyphs of " + std::to_string(width) + " x " + std::to_string(height) +
                              " pixels (the editor takes 1 to 255 either way)");
        if (glyphBytes != height * ((width + 7) / 8))
            return At(20, "glyph size " + std::to_string(glyphBytes) + " does not match " +
                              std::to_string(height) + " rows of " + std::to_string(width) +
                              " pixels");
        if (count == 0) return At(16, "the font holds no glyphs");
        l.GlyphStart = headerSize;
        l.Count = count;
        l.GlyphBytes = glyphBytes;
        l.Width = static_cast<int>(width);
        l.Height = static_cast<int>(height);
        l.Table = (flags & 1) != 0;
        l.Utf8 = true;
        return "";
    }
    return At(0, "not a PSF font (no PSF 1 or PSF 2 signature)");
}

// The characters of each glyph from the table at pos (sequences skipped).
std::string ReadTable(const std::vector<std::uint8_t>& b, std::size_t pos, const TPSFLayout& l,
                      std::vector<std::vector<char32_t>>& chars) {
    chars.assign(l.Count, {});
    std::vector<char32_t> decoded;
    for (std::size_t g = 0; g < l.Count; ++g) {
        bool inSequence = false;
        for (;;) {
            if (pos >= b.size() || (!l.Utf8 && pos + 1 >= b.size()))
                return At(pos, "the Unicode table ends before the list of glyph " +
                                   std::to_string(g) + " does");
            if (l.Utf8) {
                // One character, or a sequence, up to the next separator.
                const std::size_t start = pos;
                while (pos < b.size() && b[pos] != 0xFE && b[pos] != 0xFF)
                    ++pos;
                if (pos == b.size()) continue; // reported above
                if (!DecodeUtf8(std::string(b.begin() + static_cast<std::ptrdiff_t>(start),
                                            b.begin() + static_cast<std::ptrdiff_t>(pos)),
                                decoded))
                    return At(start, "malformed UTF-8 in the Unicode table (glyph " +
                                         std::to_string(g) + ")");
                if (!inSequence) chars[g].insert(chars[g].end(), decoded.begin(), decoded.end());
                const bool end = b[pos++] == 0xFF;
                if (end) break;
                inSequence = true;
            } else {
                const char32_t cp = b[pos] | (b[pos + 1] << 8);
                pos += 2;
                if (cp == 0xFFFF) break;
                if (cp == 0xFFFE)
                    inSequence = true;
                else if (!inSequence)
                    chars[g].push_back(cp);
            }
        }
    }
    return "";
}

bool GlyphHasInk(const std::uint8_t* p, std::size_t size) {
    return std::any_of(p, p + size, [](std::uint8_t v) { return v != 0; });
}

} // namespace

std::string ReadPSF(TFZXFont& font, const std::vector<std::uint8_t>& bytes,
                    const TImportOptions& options, TImportReport& report) {
    if (bytes.size() > kMaxPSFFileSize) return "File is too large for a PSF font!";
    TPSFLayout l;
    std::string error = ReadHeader(bytes, l);
    if (!error.empty()) return error;
    if (l.Count > (bytes.size() - l.GlyphStart) / l.GlyphBytes)
        return At(bytes.size(), "the file ends before glyph " +
                                    std::to_string((bytes.size() - l.GlyphStart) / l.GlyphBytes) +
                                    " of " + std::to_string(l.Count));
    std::vector<std::vector<char32_t>> chars;
    if (l.Table) {
        error = ReadTable(bytes, l.GlyphStart + l.Count * l.GlyphBytes, l, chars);
        if (!error.empty()) return error;
    }

    const TCharset charset = options.ZxCharset ? TCharset::ZX : TCharset::Latin1;
    TFontImport import(report);
    import.Height = l.Height;
    std::vector<bool> given(256, false);
    const std::size_t rowBytes = (static_cast<std::size_t>(l.Width) + 7) / 8;
    TSourceGlyph source;
    source.Advance = l.Width;
    source.Rows.resize(static_cast<std::size_t>(l.Height));
    for (std::size_t g = 0; g < l.Count; ++g) {
        const std::uint8_t* p = &bytes[l.GlyphStart + g * l.GlyphBytes];
        std::vector<int> codes;
        if (l.Table && chars[g].empty() && g >= 32 && g <= 255 &&
            UnicodeFromCode(static_cast<int>(g), charset) < 0 && GlyphHasInk(p, l.GlyphBytes)) {
            // A code no character names in this mapping (163 and 169 of the
            // Spectrum's) can only be given by place: the writer leaves its
            // list empty, as for the blank places beyond the font.
            codes.push_back(static_cast<int>(g));
        } else if (l.Table) {
            for (const char32_t c : chars[g])
                codes.push_back(CodeFromUnicode(c, charset));
        } else {
            codes.push_back(g >= 32 && g <= 255 ? static_cast<int>(g) : -1);
        }
        // A glyph for no code of the list counts once, and only with ink.
        std::sort(codes.begin(), codes.end());
        codes.erase(std::unique(codes.begin(), codes.end()), codes.end());
        codes.erase(std::remove(codes.begin(), codes.end(), -1), codes.end());
        if (codes.empty()) {
            if (GlyphHasInk(p, l.GlyphBytes)) import.Add(TSourceGlyph());
            continue;
        }
        for (auto& row : source.Rows) {
            row.clear();
            for (std::size_t k = 0; k < rowBytes; ++k)
                row += ByteToBits(p[k]);
            row.resize(static_cast<std::size_t>(l.Width));
            p += rowBytes;
        }
        for (const int code : codes) {
            given[static_cast<std::size_t>(code)] = true;
            source.Code = code;
            source.Label = "glyph " + std::to_string(g);
            if (l.Table)
                for (const char32_t c : chars[g])
                    if (CodeFromUnicode(c, charset) == code) source.Label = UnicodeName(c);
            import.Add(source);
        }
    }
    error = import.Fill(font);
    if (error.empty()) WidenMissing(font, given, l.Width);
    return error;
}

std::string WritePSF(const TFZXFont& font, const TExportOptions& options,
                     std::vector<std::uint8_t>& bytes) {
    bytes.clear();
    const int last = std::min(font.LastChar(), font.Count() + 31);
    if (last < 32) return "The font holds no characters to export.";
    int width = 1, height = std::max(font.Height(), 1);
    for (int code = 32; code <= last; ++code) {
        const TFZXChar& g = font.Glyph(code - 32);
        if (g.Width() > kMaxConsoleWidth)
            return "Character [" + std::to_string(code) + "] is " + std::to_string(g.Width()) +
                   " pixels wide: console fonts (PSF) take at most " +
                   std::to_string(kMaxConsoleWidth) + ".";
        width = std::max(width, g.Width());
        height = std::max(height, g.Leading() + g.RowCount());
    }
    if (height > kMaxConsoleHeight)
        return "The font is " + std::to_string(height) +
               " rows high: console fonts (PSF) take at most " + std::to_string(kMaxConsoleHeight) +
               ".";

    bytes.assign(kPSF2Magic, kPSF2Magic + 4);
    for (const std::uint32_t word :
         {0u, 32u, 1u, 256u, static_cast<std::uint32_t>(height), static_cast<std::uint32_t>(height),
          static_cast<std::uint32_t>(width)})
        PutWord32(bytes, word);
    TStringList rows;
    for (int code = 0; code < 256; ++code) {
        const std::size_t start = bytes.size();
        bytes.resize(start + static_cast<std::size_t>(height), 0);
        if (code < 32 || code > last) continue;
        const TFZXChar& g = font.Glyph(code - 32);
        SplitText(rows, g.Rows(), '|');
        for (std::size_t r = 0; r < rows.size(); ++r) {
            // Only the glyph's own columns count, as in its FZX definition.
            std::string row = rows[r].substr(0, static_cast<std::size_t>(g.Width()));
            bytes[start + static_cast<std::size_t>(g.Leading()) + r] = TakeByte(row);
        }
    }
    const TCharset charset = options.ZxCharset ? TCharset::ZX : TCharset::Latin1;
    for (int code = 0; code < 256; ++code) {
        const long character = code <= last ? UnicodeFromCode(code, charset) : -1;
        if (character >= 0) {
            const std::string utf8 = EncodeUtf8(static_cast<char32_t>(character));
            bytes.insert(bytes.end(), utf8.begin(), utf8.end());
        }
        bytes.push_back(0xFF);
    }
    return "";
}
