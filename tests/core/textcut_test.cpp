// Where a sample text stops for a font and how that is told: the text is cut
// at the first control character or code the font lacks, wherever it stands.

#include <gtest/gtest.h>

#include <string>

#include "model/font.h"
#include "render/textcut.h"

namespace {

TEST(TextCut, FindsWhereTheTextStopsAndSaysWhatIsLost) {
    TFZXFont font;
    font.SetLastChar(126); // codes 32..126: no Latin-1 letters, no DEL
    const struct {
        TStringList Lines;
        std::string Said;
    } cases[] = {
        {{"Cafe", "au lait"}, ""},
        {{}, ""},
        {{"Caf\xE9 au lait"}, // the text as the window holds it: one byte each
         "the text stops at character 233 (\xC3\xA9), which the font does not have: 9 of its "
         "12 characters are left out"},
        // A line break is no character; escapes count as the one they stand for.
        {{"ab", "c[200]d[127]", "\xE9"},
         "the text stops at character 200 (\xC3\x88), which the font does not have: 4 of its "
         "7 characters are left out; the font also lacks 127, 233 (\xC3\xA9)"},
        {{"a\tb\xE9"},
         "the text stops at control character 9: 3 of its 4 characters are left out; the font "
         "also lacks 233 (\xC3\xA9)"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Said);
        EXPECT_EQ(DescribeTextCut(FindTextCut(font, c.Lines)), c.Said);
    }
}

} // namespace
