// Control characters and broken UTF-8 in messages become visible escapes;
// everything a user can read passes unchanged.

#include <gtest/gtest.h>

#include "text/controlescape.h"

namespace {

TEST(EscapeControls, EscapesWhatATerminalWouldObey) {
    const struct {
        std::string Text, Escaped, WithLineBreaks;
    } cases[] = {
        {"plain \"text\" \\ ok", "plain \"text\" \\ ok", "plain \"text\" \\ ok"},
        {"caf\xC3\xA9 \xE2\x86\x91", "caf\xC3\xA9 \xE2\x86\x91", "caf\xC3\xA9 \xE2\x86\x91"},
        {"\x1B[2J\x07", "\\x1B[2J\\x07", "\\x1B[2J\\x07"},
        {std::string("a\0b", 3), "a\\x00b", "a\\x00b"},
        {"one\ntwo\r\t", "one\\x0Atwo\\x0D\\x09", "one\ntwo\\x0D\\x09"},
        {"\x7F and C1 \xC2\x9B", "\\x7F and C1 \\xC2\\x9B", "\\x7F and C1 \\xC2\\x9B"},
        {"latin-1 \xE9 cut \xE2\x86", "latin-1 \\xE9 cut \\xE2\\x86",
         "latin-1 \\xE9 cut \\xE2\\x86"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(EscapeControls(c.Text), c.Escaped);
        EXPECT_EQ(EscapeControls(c.Text, true), c.WithLineBreaks);
    }
}

} // namespace
