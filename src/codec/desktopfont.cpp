#include "desktopfont.h"

#include <algorithm>
#include <cmath>

#include "formats/fontimport.h"
#include "freetypelibrary.h"
#include "model/font.h"
#include "text/charmap.h"

namespace {

// The editor holds characters up to 256 pixels wide.
constexpr int kMaxCharacterWidth = 256;
// The tallest font that can still be saved (as BDF or yaff).
constexpr int kMaxFontRows = kMaxGlyphPixels;

// A library and a face that are released however the reading ends.
class TFace {
  public:
    ~TFace() {
        if (FFace) FT->FT_Done_Face(FFace);
        if (FLibrary) FT->FT_Done_FreeType(FLibrary);
    }
    // "" or the message.
    std::string Open(const std::vector<std::uint8_t>& bytes, int index) {
        std::string error;
        FT = LoadFreeType(error);
        if (!FT) return error;
        if (FT->FT_Init_FreeType(&FLibrary) != 0) return "the font library cannot be started";
        if (index < 0) return "face " + std::to_string(index) + " does not exist";
        const auto* data = reinterpret_cast<const FT_Byte*>(bytes.data());
        const auto size = static_cast<FT_Long>(bytes.size());
        if (FT->FT_New_Memory_Face(FLibrary, data, size, 0, &FFace) != 0) {
            FFace = nullptr;
            return "not a font that can be read (TrueType, OpenType, WOFF or PCF), or damaged";
        }
        const int faces = static_cast<int>(FFace->num_faces);
        if (index >= faces)
            return "face " + std::to_string(index) + " does not exist: the file holds " +
                   std::to_string(faces) + (faces == 1 ? " face (0)" : " faces (0 to ") +
                   (faces == 1 ? "" : std::to_string(faces - 1) + ")");
        if (index == 0) return "";
        FT->FT_Done_Face(FFace);
        if (FT->FT_New_Memory_Face(FLibrary, data, size, index, &FFace) != 0) {
            FFace = nullptr;
            return "face " + std::to_string(index) + " is damaged";
        }
        return "";
    }
    FT_Face operator->() const { return FFace; }
    FT_Face Get() const { return FFace; }
    // The library's functions, once Open has found them.
    const TFreeTypeLibrary& Functions() const { return *FT; }

  private:
    const TFreeTypeLibrary* FT = nullptr;
    FT_Library FLibrary = nullptr;
    FT_Face FFace = nullptr;
};

// 26.6 fixed point to whole pixels, halves away from zero upwards.
int Pixels26(FT_Pos value) {
    return static_cast<int>(std::floor((static_cast<double>(value) + 32) / 64));
}

// The pixel size of strike i: its pixels per em, or its height where the
// font gives none.
int StrikeSize(FT_Face face, int i) {
    const FT_Bitmap_Size& s = face->available_sizes[i];
    return s.y_ppem > 0 ? Pixels26(s.y_ppem) : s.height;
}

std::string SizeList(const std::vector<int>& sizes) {
    std::string text;
    for (std::size_t i = 0; i < sizes.size(); ++i)
        text += (i == 0 ? "" : i + 1 == sizes.size() ? " and " : ", ") + std::to_string(sizes[i]);
    return text;
}

void Describe(FT_Face face, TDesktopFace& d) {
    d.Faces = static_cast<int>(face->num_faces);
    d.Family = face->family_name ? face->family_name : "";
    d.Style = face->style_name ? face->style_name : "";
    d.Scalable = FT_IS_SCALABLE(face);
    d.Strikes.clear();
    for (int i = 0; i < face->num_fixed_sizes; ++i)
        d.Strikes.push_back(StrikeSize(face, i));
    std::sort(d.Strikes.begin(), d.Strikes.end());
    d.Strikes.erase(std::unique(d.Strikes.begin(), d.Strikes.end()), d.Strikes.end());
}

// Sets the face to the strike or outline size the options ask for. "" or
// why the font has no such size.
std::string ChooseSize(const TFreeTypeLibrary& ft, FT_Face face, const TDesktopFace& d,
                       const TImportOptions& options) {
    const std::string strikes = "the font has bitmap strikes of " + SizeList(d.Strikes) + " pixels";
    if (!options.PixelSize) {
        if (d.Strikes.size() == 1)
            return ft.FT_Select_Size(face, 0) == 0 ? "" : "the bitmap strike cannot be read";
        if (d.Strikes.size() > 1) return strikes + ": choose one with --size";
        return "the font is scalable (outlines): give a pixel size with --size";
    }
    const int size = *options.PixelSize;
    if (size < kMinPixelSize || size > kMaxPixelSize)
        return "pixel size " + std::to_string(size) + " is out of range (" +
               std::to_string(kMinPixelSize) + " to " + std::to_string(kMaxPixelSize) + ")";
    for (int i = 0; i < face->num_fixed_sizes; ++i)
        if (StrikeSize(face, i) == size)
            return ft.FT_Select_Size(face, i) == 0 ? "" : "the bitmap strike cannot be read";
    if (!d.Scalable) return "no strike of " + std::to_string(size) + " pixels: " + strikes;
    return ft.FT_Set_Pixel_Sizes(face, 0, static_cast<FT_UInt>(size)) == 0
               ? ""
               : "the outlines cannot be set to " + std::to_string(size) + " pixels";
}

// The place and advance of the glyph in the slot, which FreeType knows
// before it draws the bitmap (the bitmap's size too).
void Place(FT_GlyphSlot slot, int ascent, TSourceGlyph& glyph) {
    glyph.Advance = Pixels26(slot->advance.x);
    glyph.Left = slot->bitmap_left;
    glyph.Top = ascent - slot->bitmap_top;
}

// The rows the characters read so far reach, from the top of the line (0)
// down; a character is refused, before its bitmap is drawn, when the font
// could not hold it. "" or the message naming it.
struct TExtent {
    int Top = 0, Bottom = 0;

    std::string Take(const TSourceGlyph& glyph, const FT_Bitmap& bitmap, const std::string& name) {
        const long left = std::min(0, glyph.Left);
        const long right =
            std::max<long>(glyph.Advance, glyph.Left + static_cast<long>(bitmap.width));
        if (right - left > kMaxCharacterWidth)
            return name + " is " + std::to_string(right - left) +
                   " pixels wide at this size, more than the " +
                   std::to_string(kMaxCharacterWidth) + " a character can be";
        const long rows = static_cast<long>(bitmap.rows);
        if (rows > kMaxFontRows)
            return name + " is " + std::to_string(rows) +
                   " pixels high at this size, more than the " + std::to_string(kMaxFontRows) +
                   " a font can hold";
        if (rows == 0) return "";
        const long top = std::min<long>(Top, glyph.Top);
        const long bottom = std::max<long>(Bottom, glyph.Top + rows);
        if (bottom - top > kMaxFontRows)
            return name + " would make the font " + std::to_string(bottom - top) +
                   " pixels high at this size, more than the " + std::to_string(kMaxFontRows) +
                   " a font can hold";
        Top = static_cast<int>(top);
        Bottom = static_cast<int>(bottom);
        return "";
    }
};

// The drawn bitmap in the slot as the rows of a source character.
void ToRows(FT_GlyphSlot slot, TSourceGlyph& glyph) {
    const FT_Bitmap& b = slot->bitmap;
    glyph.Rows.assign(b.rows, std::string(b.width, '0'));
    for (unsigned y = 0; y < b.rows; ++y) {
        const unsigned char* line = b.buffer + static_cast<std::ptrdiff_t>(y) * b.pitch;
        std::string& row = glyph.Rows[y];
        for (unsigned x = 0; x < b.width; ++x)
            if (line[x >> 3] & (0x80 >> (x & 7))) row[x] = '1';
    }
}

} // namespace

std::string DescribeDesktopFont(const std::vector<std::uint8_t>& bytes, int face,
                                TDesktopFace& description) {
    TFace f;
    const std::string error = f.Open(bytes, face);
    if (error.empty()) Describe(f.Get(), description);
    return error;
}

std::string ReadDesktopFont(TFZXFont& font, const std::vector<std::uint8_t>& bytes,
                            const TImportOptions& options, TImportReport& report) {
    TFace face;
    std::string error = face.Open(bytes, options.Face);
    if (!error.empty()) return error;
    TDesktopFace d;
    Describe(face.Get(), d);
    const TFreeTypeLibrary& ft = face.Functions();
    error = ChooseSize(ft, face.Get(), d, options);
    if (!error.empty()) return error;

    // Without Unicode, a map's codes are taken as they are (symbol fonts put
    // theirs at U+F020 and up).
    const bool unicode = ft.FT_Select_Charmap(face.Get(), FT_ENCODING_UNICODE) == 0;
    if (!unicode) {
        if (face->num_charmaps == 0) return "the font has no character map";
        ft.FT_Set_Charmap(face.Get(), face->charmaps[0]);
        report.Lines.push_back("The font has no Unicode character map: codes taken as they are");
    }
    const bool symbol = face->charmap->encoding == FT_ENCODING_MS_SYMBOL;
    const TCharset charset = options.ZxCharset ? TCharset::ZX : TCharset::Latin1;

    const FT_Size_Metrics& m = face->size->metrics;
    const int ascent = Pixels26(m.ascender);
    const int descent = -Pixels26(m.descender);
    TFontImport import(report);
    import.Height = std::max(1, ascent + descent);

    // The monochrome target renders each outline at a whole-pixel origin, so
    // a pixel font drawn on a grid of whole pixels gives exactly its own
    // pixels. Hinting would move outline points to suit the hinter's idea of
    // stems, which breaks exactly those grid-drawn fonts; it stays off unless
    // asked for, for ordinary faces at small sizes.
    // Loading without drawing gives the bitmap's size and place first, so a
    // character the font cannot hold costs nothing.
    const FT_Int32 flags =
        FT_LOAD_TARGET_MONO | FT_LOAD_MONOCHROME | (options.Hinting ? 0 : FT_LOAD_NO_HINTING);
    TExtent extent;
    FT_UInt index = 0;
    for (FT_ULong c = ft.FT_Get_First_Char(face.Get(), &index); index != 0;
         c = ft.FT_Get_Next_Char(face.Get(), c, &index)) {
        TSourceGlyph glyph;
        if (unicode)
            glyph.Code = CodeFromUnicode(static_cast<char32_t>(c), charset);
        else
            glyph.Code = static_cast<int>(symbol && c >= 0xF020 && c <= 0xF0FF ? c - 0xF000 : c);
        if (glyph.Code < 32 || glyph.Code > 255) {
            import.Add(TSourceGlyph()); // counted, not read
            continue;
        }
        if (unicode) glyph.Label = UnicodeName(static_cast<char32_t>(c));
        const std::string name = CharacterName(glyph.Code, glyph.Label);
        const FT_GlyphSlot slot = face->glyph;
        const FT_Bitmap& bitmap = slot->bitmap;
        if (ft.FT_Load_Glyph(face.Get(), index, flags) != 0)
            return name + ": the glyph cannot be read";
        // Grey and colour strikes come as they are stored (colour as grey).
        if (slot->format == FT_GLYPH_FORMAT_BITMAP && bitmap.rows > 0 && bitmap.width > 0 &&
            bitmap.pixel_mode != FT_PIXEL_MODE_MONO)
            return "the bitmap strike of " + std::to_string(face->size->metrics.y_ppem) +
                   " pixels is not one bit per pixel (it is grey or colour): only black and "
                   "white strikes can be read";
        Place(slot, ascent, glyph);
        error = extent.Take(glyph, bitmap, name);
        if (!error.empty()) return error;
        // A strike's bitmap is there already; outlines are drawn now.
        if (slot->format != FT_GLYPH_FORMAT_BITMAP &&
            (ft.FT_Render_Glyph(slot, FT_RENDER_MODE_MONO) != 0 ||
             bitmap.pixel_mode != FT_PIXEL_MODE_MONO))
            return name + ": the glyph cannot be read";
        ToRows(slot, glyph);
        import.Add(std::move(glyph));
    }
    return import.Fill(font);
}
