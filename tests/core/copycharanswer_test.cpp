#include <gtest/gtest.h>

#include <string>

#include "text/copycharanswer.h"

namespace {

TEST(CopyCharAnswer, ProposesPrintableCharactersAsThemselvesOthersInDecimal) {
    EXPECT_EQ(ProposedCopyCharText(65), "A");
    EXPECT_EQ(ProposedCopyCharText(33), "!");
    EXPECT_EQ(ProposedCopyCharText(126), "~");
    EXPECT_EQ(ProposedCopyCharText(32), "32");
    EXPECT_EQ(ProposedCopyCharText(127), "127");
    EXPECT_EQ(ProposedCopyCharText(255), "255");
}

TEST(CopyCharAnswer, ReadsCharactersAndNumbers) {
    struct Case {
        std::string Answer;
        int Code;
    };
    const Case cases[] = {
        {"B", 66},
        {"66", 66},
        {"$42", 66},
        {"x42", 66},
        {"X42", 66},
        {"0x42", 66},
        {"0X4a", 74},
        {"5", 53},
        {" ", 32},
        {"$", 36},
        {"  66", 66},
        {"+66", 66},
        {"-5", -5},
        {"-$10", -16},
        {"0", 48},
        {"300", 300},
        {"31", 31},
        {"A1", 0},
        {"", 0},
        {"66 ", 0},
        {"6 6", 0},
        {"$$", 0},
        {"0x", 0},
        {"-", 45},
        {"+-5", 0},
        {"$G", 0},
        {"1e2", 0},
        {"\t66", 0},
        {"2147483647", 2147483647},
        {"2147483648", 0},
        {"-2147483648", -2147483647 - 1},
        {"99999999999999999999", 0},
        {"\xe9", 0}, // a single character beyond ASCII is no number either
    };
    for (const Case& c : cases)
        EXPECT_EQ(ParseCopyCharAnswer(c.Answer), c.Code) << "answer '" << c.Answer << "'";
}

TEST(CopyCharAnswer, SourceIndexMustNameAGlyphHeld) {
    struct Case {
        std::string Answer;
        int Glyphs;
        int Index;
    };
    const Case cases[] = {
        {"B", 224, 34},
        {"66", 224, 34},
        {"$42", 224, 34},
        {"x42", 224, 34},
        {"5", 224, 21},
        {"32", 224, 0},
        {"255", 224, 223},
        {"300", 224, -1},
        {"256", 224, -1},
        {"31", 224, -1},
        {"A1", 224, -1},
        {"", 224, -1},
        {"-40", 224, -1},
        // a code above the last glyph held
        {"127", 96, 95},
        {"128", 96, -1},
        {"~", 0, -1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CopyCharSourceIndex(c.Answer, c.Glyphs), c.Index)
            << "answer '" << c.Answer << "' with " << c.Glyphs << " glyphs";
}

} // namespace
