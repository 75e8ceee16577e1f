#include <gtest/gtest.h>

#include "text/textrows.h"

namespace {

struct SplitCase {
    const char* Text;
    TStringList Parts;
};

TEST(TextRows, SplitTextTable) {
    const SplitCase cases[] = {{"", {}},          {"a|b", {"a", "b"}}, {"a||b", {"a", "", "b"}},
                               {"|a", {"", "a"}}, {"a|", {"a"}},       {"a||", {"a", ""}},
                               {"|", {""}}};
    for (const auto& c : cases) {
        TStringList list{"stale"};
        SplitText(list, c.Text, '|');
        EXPECT_EQ(list, c.Parts) << "text '" << c.Text << "'";
    }
}

TEST(TextRows, SplitTextByStringTable) {
    const SplitCase cases[] = {
        {"", {""}}, {"a, b", {"a", "b"}}, {"a, ", {"a", ""}}, {", a", {"", "a"}}};
    for (const auto& c : cases) {
        TStringList list{"stale"};
        SplitTextByString(list, c.Text, ", ");
        EXPECT_EQ(list, c.Parts) << "text '" << c.Text << "'";
    }
    TStringList list{"stale"};
    SplitTextByString(list, "a..b", "");
    EXPECT_TRUE(list.empty());
}

TEST(TextRows, JoinIsSplitsInverseExceptTrailingSeparator) {
    for (const char* text : {"a|b", "a||b", "|a", "0110|1001"}) {
        TStringList list;
        SplitText(list, text, '|');
        EXPECT_EQ(JoinText(list, '|'), text);
    }
    TStringList list;
    SplitText(list, "a|", '|');
    EXPECT_EQ(JoinText(list, '|'), "a");
    SplitText(list, "|", '|');
    EXPECT_EQ(JoinText(list, '|'), "");
    EXPECT_EQ(JoinText({"", "", ""}, '|'), "||");
    EXPECT_EQ(JoinText({}, '|'), "");
}

TEST(TextRows, PadText) {
    EXPECT_EQ(PadText("ab", 5, '0', 0), "ab000");
    EXPECT_EQ(PadText("ab", 5, '0', 1), "000ab");
    EXPECT_EQ(PadText("ab", 5, ' ', 2), " ab  ");
    EXPECT_EQ(PadText("abcdef", 3, '0', 0), "abc");
    EXPECT_EQ(PadText("", 2, '0', 0), "00");
    EXPECT_EQ(PadText("abc", 0, '0', 0), "");
    EXPECT_EQ(PadText("abc", -1, '0', 1), "");
}

TEST(TextRows, CountPartsAndNthPart) {
    EXPECT_EQ(CountParts("", '|'), 0);
    EXPECT_EQ(CountParts("0", '|'), 1);
    EXPECT_EQ(CountParts("01|10|11", '|'), 3);
    EXPECT_EQ(CountParts("a|", '|'), 2);

    EXPECT_EQ(NthPart("ab|cd", 2, '|'), "cd");
    EXPECT_EQ(NthPart("ab|cd", 1, '|'), "ab");
    EXPECT_EQ(NthPart("ab||cd", 2, '|'), "");
    EXPECT_EQ(NthPart("ab||cd", 3, '|'), "cd");
    EXPECT_EQ(NthPart("ab|", 2, '|'), "");
    EXPECT_EQ(NthPart("ab", 2, '|'), "");
    EXPECT_EQ(NthPart("ab", 0, '|'), "");
    EXPECT_EQ(NthPart("", 1, '|'), "");
}

} // namespace
