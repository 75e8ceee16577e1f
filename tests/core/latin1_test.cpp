#include <gtest/gtest.h>

#include "latin1.h"

namespace {

TEST(Latin1, DecodesUtf8UpToU00FFAndRefusesTheRest) {
    struct Case {
        const char* Text;
        bool Ok;
        const char* Expected;
    };
    const Case cases[] = {
        {"Hello [127]", true, "Hello [127]"},
        {"caf\xC3\xA9", true, "caf\xE9"}, // é
        {"\xC2\xA9\xC2\x80\xC3\xBF", true, "\xA9\x80\xFF"},
        {"", true, ""},
        {"caf\xE9", false, nullptr},      // already Latin-1
        {"\xC3", false, nullptr},         // cut short
        {"\xC3(", false, nullptr},        // no continuation byte
        {"\xC1\xA9", false, nullptr},     // overlong
        {"\xE2\x82\xAC", false, nullptr}, // euro sign, beyond U+00FF
    };
    for (const auto& c : cases) {
        std::string out = "untouched";
        EXPECT_EQ(Utf8ToLatin1(c.Text, out), c.Ok) << c.Text;
        EXPECT_EQ(out, c.Ok ? c.Expected : "untouched") << c.Text;
    }
}

} // namespace
