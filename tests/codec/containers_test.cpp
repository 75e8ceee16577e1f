// PNG and gzip containers: round trips, alpha kept, the size bound, and
// damaged data refused with a message instead of a crash or a partial result.

#include <gtest/gtest.h>
#include <png.h>

#include <string>
#include <vector>

#include "gzipcodec.h"
#include "pngcodec.h"
#include "raster/raster.h"

namespace {

using TBytes = std::vector<std::uint8_t>;

// A 2 x 1 grey+alpha PNG made with libpng's simplified writer: an opaque
// black pixel and a fully transparent white one.
TBytes GreyAlphaPNG() {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    image.width = 2;
    image.height = 1;
    image.format = PNG_FORMAT_GA;
    const std::uint8_t pixels[] = {0, 255, 255, 0};
    png_alloc_size_t size = 0;
    png_image_write_to_memory(&image, nullptr, &size, 0, pixels, 0, nullptr);
    TBytes png(size);
    png_image_write_to_memory(&image, png.data(), &size, 0, pixels, 0, nullptr);
    png.resize(size);
    return png;
}

TEST(PngCodec, RoundTripAndAlpha) {
    TRaster picture(3, 2, clWhite);
    picture.SetPixel(0, 0, clBlack);
    picture.SetPixel(2, 1, RGBColor(10, 200, 30));
    TBytes png;
    ASSERT_EQ(EncodePNG(picture, png), "");
    TRaster back;
    ASSERT_EQ(DecodePNG(png, back), "");
    EXPECT_EQ(back, picture);

    ASSERT_EQ(DecodePNG(GreyAlphaPNG(), back), "");
    ASSERT_EQ(back.Width(), 2);
    EXPECT_EQ(back.Pixel(0, 0), 0xFF000000u);
    EXPECT_EQ(back.Pixel(1, 0), 0x00FFFFFFu);
}

TEST(PngCodec, DamagedPicturesRefused) {
    TRaster picture(16, 16, clBlack);
    TBytes png;
    ASSERT_EQ(EncodePNG(picture, png), "");
    TBytes cut(png.begin(), png.begin() + static_cast<std::ptrdiff_t>(png.size() / 2));
    TBytes header(png.begin(), png.begin() + 33);
    // 100000 x 100000 pixels announced in the header: refused, not allocated.
    TBytes huge = header;
    huge[16] = huge[20] = 0x00;
    huge[17] = huge[21] = 0x01;
    huge[18] = huge[22] = 0x86;
    huge[19] = huge[23] = 0xA0;
    for (const TBytes& bytes : {TBytes{}, TBytes{'G', 'I', 'F', '8', '9', 'a', 0, 0}, cut, huge}) {
        TRaster back(5, 5);
        const std::string error = DecodePNG(bytes, back);
        EXPECT_FALSE(error.empty());
        EXPECT_TRUE(back.Empty());
    }
}

TEST(GzipCodec, RoundTripBoundAndDamage) {
    TBytes plain(100000);
    for (std::size_t i = 0; i < plain.size(); ++i)
        plain[i] = static_cast<std::uint8_t>(i * 7 / 13);
    TBytes gz;
    ASSERT_EQ(Gzip(plain, gz), "");
    TBytes back;
    ASSERT_EQ(Gunzip(gz, plain.size(), back), "");
    EXPECT_EQ(back, plain);

    // Two members read as one stream, as gzip does.
    TBytes twice = gz;
    twice.insert(twice.end(), gz.begin(), gz.end());
    ASSERT_EQ(Gunzip(twice, 2 * plain.size(), back), "");
    EXPECT_EQ(back.size(), 2 * plain.size());

    EXPECT_NE(Gunzip(gz, plain.size() - 1, back).find("larger than 99999 bytes"),
              std::string::npos);
    EXPECT_TRUE(back.empty());
    TBytes cut(gz.begin(), gz.end() - 10);
    EXPECT_NE(Gunzip(cut, plain.size(), back).find("cut short"), std::string::npos);
    TBytes junk = gz;
    junk.push_back(0);
    EXPECT_NE(Gunzip(junk, plain.size(), back).find("unexpected bytes"), std::string::npos);
    TBytes flipped = gz;
    flipped[gz.size() / 2] ^= 0xFF;
    EXPECT_FALSE(Gunzip(flipped, plain.size(), back).empty());
    EXPECT_EQ(Gunzip(plain, plain.size(), back), "not a gzip file");
}

} // namespace
