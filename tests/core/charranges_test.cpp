#include <gtest/gtest.h>

#include "drawing/charranges.h"

namespace {

struct RangeCase {
    std::string Text;
    Tcharrangearray Ranges;
};

TEST(CharRanges, ParseTable) {
    const RangeCase cases[] = {
        {"0..9, a..z, A..Z, all", {{48, 57}, {97, 122}, {65, 90}, {32, 255}}},
        {"", {}},
        {",,,", {}},
        {" a , b ", {{97, 97}, {98, 98}}},
        {"\ta\r\n", {{97, 97}}},
        // numbers of two or more characters; single digits are characters
        {"65..90", {{65, 90}}},
        {"6..9", {{54, 57}}},
        {"0x41..$5A", {{65, 90}}},
        {"x41, X41, 0X41, +65, 065", {{65, 65}, {65, 65}, {65, 65}, {65, 65}, {65, 65}}},
        {"0x, +-65, 4A, $4G, 1e2, $-41", {}},
        {"$, -", {{36, 36}, {45, 45}}},
        // quoted characters and names
        {"\" \"..~", {{32, 126}}},
        {"\"\"\"", {{34, 34}}},
        {"space..del", {{32, 127}}},
        {"SPC, Space, DELETE, dEl", {{32, 32}, {32, 32}, {127, 127}, {127, 127}}},
        {"\",\"", {{44, 44}}},
        {"a,\",\",b", {{97, 97}, {44, 44}, {98, 98}}},
        // item rules
        {"z..a", {{122, 122}}},
        {"a..b..c", {{97, 99}}},
        {"a..c..b", {{97, 99}}},
        {"foo..z", {}},
        {"..z", {}},
        {"a..", {{97, 97}}},
        {"a..all", {{32, 255}}},
        {"all..a", {{32, 255}}},
        {"ALL", {{32, 255}}},
        {"foo..all", {{32, 255}}},
        // numbers out of range
        {"31", {}},
        {"256", {}},
        {"-5", {}},
        {"1000", {}},
        {"99999999999999999999", {}},
        {"31..65", {}},
        {"65..300", {{65, 65}}},
        {"a, a", {{97, 97}, {97, 97}}},
        // 8-bit characters count as one character each
        {"\xA3..\xFF", {{163, 255}}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ParseCharRanges(c.Text), c.Ranges) << "text '" << c.Text << "'";
}

} // namespace
