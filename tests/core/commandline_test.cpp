#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "shell/modulekey.h"
#include "text/commandline.h"

namespace {

struct TCase {
    std::vector<std::string> Args;
    const char* Windows;
    const char* Unix;
};

TEST(CommandLineFile, JoinsSplitPathsAndStopsAtSwitches) {
    const TCase cases[] = {
        {{}, "", ""},
        {{"my", "font.fzx", "/x"}, "my font.fzx", "my font.fzx /x"},
        {{"my", "font.fzx", "--x"}, "my font.fzx --x", "my font.fzx"},
        {{"/home/a/b.fzx"}, "", "/home/a/b.fzx"},
        {{"C:\\Fonts\\my", "font.fzx"}, "C:\\Fonts\\my font.fzx", "C:\\Fonts\\my font.fzx"},
        {{"\"my font.fzx\""}, "my font.fzx", "my font.fzx"},
        {{"\" spaced.fzx \""}, "spaced.fzx", "spaced.fzx"},
        {{"  a.fzx ", ""}, "a.fzx", "a.fzx"},
        {{"\""}, "\"", "\""},
        {{"-style", "x", "a.fzx"}, "-style x a.fzx", ""},
        {{"a", "-b.fzx"}, "a -b.fzx", "a"},
        {{"dir/\"q\".fzx"}, "dir", "dir/\"q\".fzx"},
    };
    for (const auto& c : cases) {
        std::string shown;
        for (const auto& a : c.Args)
            shown += "[" + a + "]";
        EXPECT_EQ(ReadCommandLineFile(c.Args, true), c.Windows) << shown;
        EXPECT_EQ(ReadCommandLineFile(c.Args, false), c.Unix) << shown;
    }
}

TEST(ModuleKey, KeepsLettersAndDigitsAndTurnsBlanksIntoUnderscores) {
    EXPECT_EQ(ModuleKeyName("Quorrel"), "Quorrel");
    EXPECT_EQ(ModuleKeyName("My Tool-2.0 (beta)"), "My_Tool20_beta");
    EXPECT_EQ(ModuleKeyName("caf\xC3\xA9 x"), "caf_x");
    EXPECT_EQ(ModuleKeyPath(QuorrelModuleName), "Software\\Kestrune\\Quorrel");
    EXPECT_EQ(ModuleKeyPath("A b"), "Software\\Kestrune\\A_b");
}

} // namespace
