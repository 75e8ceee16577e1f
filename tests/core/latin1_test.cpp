#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "text/latin1.h"

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

// What the window's text fields make of typed text: one byte per character,
// "?" for what a one-byte font cannot hold or what is no UTF-8 at all.
TEST(Latin1, LossyDecodingKeepsEveryWellFormedCharacter) {
    const std::pair<const char*, const char*> cases[] = {
        {"", ""},
        {"Hello [127]", "Hello [127]"},
        {"h\xC3\xA9llo \xE2\x82\xAC", "h\xE9llo ?"},  // "héllo €"
        {"\xC2\xA9\xC2\x80\xC3\xBF", "\xA9\x80\xFF"}, // U+00A9, U+0080, U+00FF
        {"\xC4\x80!", "?!"},                          // U+0100, first beyond
        {"a\xF0\x9F\x98\x80z", "a?z"},                // emoji: one character
        {"\xEF\xBF\xBF", "?"},                        // U+FFFF
        {"caf\xE9", "caf?"},                          // Latin-1 byte, not UTF-8
        {"\x80\xBFx", "??x"},                         // stray continuations
        {"\xC3", "?"},                                // cut off at the end
        {"\xC3(", "?("},                              // no continuation byte
        {"\xE2\x82Z", "??Z"},                         // cut off before a letter
        {"\xC1\xA9", "??"},                           // overlong "i"
        {"\xE0\x80\xAF", "???"},                      // overlong "/"
        {"\xED\xA0\x80", "???"},                      // surrogate half
        {"\xF4\x90\x80\x80", "????"},                 // beyond U+10FFFF
        {"\xFE\xFF", "??"},                           // never in UTF-8
        {"line\none\r\n", "line\none\r\n"},           // controls pass through
    };
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(Utf8ToLatin1Lossy(text), expected) << ::testing::PrintToString(text);
}

} // namespace
