#pragma once
// Checks shared by the tests of the font file readers and writers: one glyph
// against its expected values, and fonts compared through their FZX images.

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "formats/fileio.h"
#include "formats/fontformats.h"
#include "model/font.h"

namespace testdata {

struct GlyphValues {
    int Code;
    std::string Rows;
    int Width, Leading, Kern;
};

inline void ExpectGlyph(const TFZXFont& font, const GlyphValues& v) {
    SCOPED_TRACE("code " + std::to_string(v.Code));
    ASSERT_LT(v.Code - 32, font.Count());
    const TFZXChar& g = font.Glyph(v.Code - 32);
    EXPECT_EQ(g.Rows(), v.Rows);
    EXPECT_EQ(g.Width(), v.Width);
    EXPECT_EQ(g.Leading(), v.Leading);
    EXPECT_EQ(g.Kern(), v.Kern);
}

// The canonical FZX image of an FZX file (as the writer builds it), with the
// font loaded from it left in font.
inline std::vector<std::uint8_t> CanonicalFZX(const std::string& path, TFZXFont& font) {
    const std::vector<std::uint8_t> original = ReadFileBytes(path);
    EXPECT_EQ(font.LoadFZXBytes(original.data(), original.size()), "");
    std::vector<std::uint8_t> image;
    EXPECT_EQ(font.BuildFZXImage(image), "");
    return image;
}

// The FZX image of the font that read makes of bytes; empty where it fails.
inline std::vector<std::uint8_t> FZXImageOf(const TBytesReader& read,
                                            const std::vector<std::uint8_t>& bytes,
                                            const TImportOptions& options, TImportReport& report) {
    TFZXFont font;
    std::vector<std::uint8_t> image;
    const std::string error = read(font, bytes, options, report);
    EXPECT_EQ(error, "");
    if (error.empty()) {
        EXPECT_EQ(font.BuildFZXImage(image), "");
    }
    return image;
}

} // namespace testdata
