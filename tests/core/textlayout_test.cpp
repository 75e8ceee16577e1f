// Text layout shared by render --wrap/--at and the Spectrum print routine:
// the wrap rule at the exact edge, line starts, the bottom, and the sample
// text as the Spectrum receives it.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/font.h"
#include "render/textlayout.h"

namespace {

// Height 5, tracking 1; " " 0 wide (as Scale can leave it), "!" 3 wide, '"'
// 2 wide with kern 1.
void MakeFont(TFZXFont& font) {
    font.SetHeight(5);
    font.SetTracking(1);
    font.SetLastChar(34);
    font.Glyph(0).SetAll("", 0, 0, 0);
    font.Glyph(1).SetAll("111", 0, 3, 0);
    font.Glyph(2).SetAll("11", 0, 2, 1);
}

using TPen = std::vector<std::pair<int, int>>;

TPen Pens(const TFZXFont& font, const std::string& text, TTextFrame frame) {
    TPen pens;
    for (const TTextPlacement& p : LayOutText(font, text, frame))
        pens.emplace_back(p.X, p.Y);
    return pens;
}

TTextFrame Frame(int left, int top, int right, int bottom, bool wrap = true, int zoom = 1) {
    TTextFrame f;
    f.Left = left;
    f.Top = top;
    f.Right = right;
    f.Bottom = bottom;
    f.Wrap = wrap ? TWrapMode::Characters : TWrapMode::None;
    f.Zoom = zoom;
    return f;
}

TEST(TextLayout, WrapsBeforeACharacterThatWouldPassTheRightEdge) {
    TFZXFont font;
    MakeFont(font);
    const struct {
        const char* What;
        std::string Text;
        TTextFrame Frame;
        TPen Expected;
    } rows[] = {
        {"the third ends exactly at the edge",
         "!!!!",
         Frame(0, 0, 11, 99),
         {{0, 0}, {4, 0}, {8, 0}, {0, 5}}},
        {"kern pulls a character back inside",
         "!!\"",
         Frame(0, 0, 9, 99),
         {{0, 0}, {4, 0}, {8, 0}}},
        {"a line's first character never wraps", "!!", Frame(10, 0, 11, 99), {{10, 0}, {10, 5}}},
        {"code 13 returns to the left edge", "!\r\r!", Frame(2, 1, 99, 99), {{2, 1}, {2, 11}}},
        {"no line starts at or below the bottom", "!\r!\r!", Frame(0, 0, 99, 10), {{0, 0}, {0, 5}}},
        {"wrapping below the bottom ends the text", "!!!", Frame(0, 0, 5, 6), {{0, 0}, {0, 5}}},
        {"a code the font does not hold ends the text", "!#!", Frame(0, 0, 99, 99), {{0, 0}}},
        {"a control character ends the text", "!\t!", Frame(0, 0, 99, 99), {{0, 0}}},
        {"without wrapping the rest of the line is dropped",
         "!!!#\r!",
         Frame(0, 0, 6, 99, false),
         {{0, 0}, {4, 0}, {0, 5}}},
        {"kern at a line's start is clamped to it, on every line",
         "\"\"\r\"",
         Frame(3, 0, 99, 99),
         {{4, 0}, {6, 0}, {4, 5}}},
        {"kern clamped after wrapping", "!!\"", Frame(0, 0, 8, 99), {{0, 0}, {4, 0}, {1, 5}}},
        {"a glyph 0 wide takes the width 1 its file stores",
         " !",
         Frame(0, 0, 99, 99),
         {{0, 0}, {2, 0}}},
        {"zoom scales every step",
         "!!\r!",
         Frame(0, 0, 15, 99, true, 2),
         {{0, 0}, {8, 0}, {0, 10}}},
    };
    for (const auto& row : rows)
        EXPECT_EQ(Pens(font, row.Text, row.Frame), row.Expected) << row.What;
}

TEST(TextLayout, WordWrapMovesWholeWordsToTheNextLine) {
    TFZXFont font;
    MakeFont(font);
    auto words = [](int right) {
        TTextFrame f = Frame(0, 0, right, 99);
        f.Wrap = TWrapMode::Words;
        return f;
    };
    const struct {
        const char* What;
        std::string Text;
        TTextFrame Frame;
        TPen Expected;
    } rows[] = {
        {"a word at the end of a line",
         "!! !!",
         words(12),
         {{0, 0}, {4, 0}, {8, 0}, {0, 5}, {4, 5}}},
        {"a word longer than a line starts where it is and breaks at characters",
         "! !!!!",
         words(12),
         {{0, 0}, {4, 0}, {6, 0}, {0, 5}, {4, 5}, {8, 5}}},
        {"a space, then a run longer than a line: the first line is not left empty",
         " !!!!!",
         words(12),
         {{0, 0}, {2, 0}, {6, 0}, {0, 5}, {4, 5}, {8, 5}}},
        {"a word that fits a whole line still moves there whole",
         "!! !!!",
         words(12),
         {{0, 0}, {4, 0}, {8, 0}, {0, 5}, {4, 5}, {8, 5}}},
        {"spaces past the edge are dropped",
         "!!    !",
         words(10),
         {{0, 0}, {4, 0}, {8, 0}, {0, 5}}},
        {"code 13 starts a line of its own",
         "!! \r!!!",
         words(12),
         {{0, 0}, {4, 0}, {8, 0}, {0, 5}, {4, 5}, {8, 5}}},
    };
    for (const auto& row : rows)
        EXPECT_EQ(Pens(font, row.Text, row.Frame), row.Expected) << row.What;
}

TEST(TextLayout, NothingForABodyOfNoHeight) {
    TFZXFont font;
    MakeFont(font);
    font.SetHeight(0);
    EXPECT_TRUE(LayOutText(font, "!!", Frame(0, 0, 99, 99)).empty());
}

TEST(TextLayout, SampleLinesBecomeOneTextWithCode13) {
    const struct {
        TStringList Lines;
        std::string Expected;
    } rows[] = {
        {{"A[66]", "C"}, "AB\rC"}, {{"", "x"}, "\rx"},
        {{"a\tb", "c"}, "a"},    // the preview stops at a tab
        {{"x[269]y", "z"}, "x"}, // 269 keeps its low byte: 13, a control character
        {{"[31]"}, "[31]"},        {{}, ""},
    };
    for (const auto& row : rows)
        EXPECT_EQ(JoinSampleLines(row.Lines), row.Expected);
    EXPECT_EQ(SampleLinesFromUtf8("caf\xC3\xA9\r\nx\n"), (TStringList{"caf\xE9", "x"}));
}

} // namespace
