// The mapping between Unicode and the editor's codes, plain and ZX.

#include <gtest/gtest.h>

#include "text/charmap.h"

namespace {

TEST(CharMap, MapsBothWaysInEachCharset) {
    struct Case {
        char32_t Character;
        int Latin1Code, ZXCode;
    };
    const Case cases[] = {
        {U'A', 65, 65},    {U' ', 32, 32},     {0x00E9, 233, 233}, {0x2191, -1, 94},
        {U'^', 94, -1},    {0x00A3, 163, 96},  {U'`', 96, -1},     {0x00A9, 169, 127},
        {0x007F, 127, -1}, {0x00FF, 255, 255}, {0x0100, -1, -1},   {0x001F, -1, -1},
        {0x20AC, -1, -1},  {0x1F600, -1, -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(UnicodeName(c.Character));
        EXPECT_EQ(CodeFromUnicode(c.Character, TCharset::Latin1), c.Latin1Code);
        EXPECT_EQ(CodeFromUnicode(c.Character, TCharset::ZX), c.ZXCode);
        // Every code a character maps to maps back to that character.
        if (c.Latin1Code >= 0) {
            EXPECT_EQ(UnicodeFromCode(c.Latin1Code, TCharset::Latin1),
                      static_cast<long>(c.Character));
        }
        if (c.ZXCode >= 0) {
            EXPECT_EQ(UnicodeFromCode(c.ZXCode, TCharset::ZX), static_cast<long>(c.Character));
        }
    }
}

TEST(CharMap, EveryCodeRoundTripsOrHasNoCharacter) {
    for (TCharset charset : {TCharset::Latin1, TCharset::ZX}) {
        int without = 0;
        for (int code = 32; code <= 255; ++code) {
            const long character = UnicodeFromCode(code, charset);
            if (character < 0) {
                ++without;
                continue;
            }
            EXPECT_EQ(CodeFromUnicode(static_cast<char32_t>(character), charset), code);
        }
        // The Spectrum took pound and copyright from 163 and 169.
        EXPECT_EQ(without, charset == TCharset::ZX ? 2 : 0);
    }
    EXPECT_EQ(UnicodeFromCode(31, TCharset::Latin1), -1);
    EXPECT_EQ(UnicodeFromCode(256, TCharset::ZX), -1);
}

TEST(CharMap, Utf8DecodesWellFormedTextAndRefusesTheRest) {
    std::vector<char32_t> out;
    EXPECT_TRUE(DecodeUtf8("A\xC3\xA9\xE2\x86\x91\xF0\x9F\x98\x80", out));
    EXPECT_EQ(out, (std::vector<char32_t>{U'A', 0xE9, 0x2191, 0x1F600}));
    for (const char* bad : {"\xC3", "\xC1\xA9", "\xED\xA0\x80", "\xF4\x90\x80\x80", "\x80"})
        EXPECT_FALSE(DecodeUtf8(bad, out)) << bad;
    for (char32_t c : {char32_t(0x41), char32_t(0xE9), char32_t(0x2191), char32_t(0x1F600)}) {
        ASSERT_TRUE(DecodeUtf8(EncodeUtf8(c), out));
        EXPECT_EQ(out, std::vector<char32_t>{c});
    }
}

} // namespace
