#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "shell/recentfiles.h"

namespace {

using TList = std::vector<std::string>;

TEST(RecentFiles, AddMakesPathsAbsoluteAgainstTheGivenFolder) {
    TRecentFiles recent;
    recent.Add("font.fzx", "/home/ann");
    recent.Add("../bob/./b.chr", "/home/ann/fonts");
    recent.Add("/abs/c.udg", "/elsewhere");
    EXPECT_EQ(recent.Entries(), (TList{"/abs/c.udg", "/home/ann/bob/b.chr", "/home/ann/font.fzx"}));
    recent.Add("", "/home/ann");
    EXPECT_EQ(recent.Count(), 3u);
}

TEST(RecentFiles, SameFileInAnotherCaseMovesToTopWithTheNewSpelling) {
    TRecentFiles recent;
    for (const char* name : {"/f/a.fzx", "/f/b.fzx", "/f/c.fzx"})
        recent.Add(name, "/");
    recent.Add("/F/A.FZX", "/");
    EXPECT_EQ(recent.Entries(), (TList{"/F/A.FZX", "/f/c.fzx", "/f/b.fzx"}));
    // Already on top: no new entry, but the latest spelling still wins.
    recent.Add("/f/A.fzx", "/");
    EXPECT_EQ(recent.Entries(), (TList{"/f/A.fzx", "/f/c.fzx", "/f/b.fzx"}));
    // Case folding is ASCII only: other bytes must match exactly.
    recent.Add("/f/\xC3\xA9.fzx", "/");
    recent.Add("/f/\xC3\x89.fzx", "/");
    EXPECT_EQ(recent.Count(), 5u);
}

TEST(RecentFiles, EleventhFileDropsTheOldest) {
    TRecentFiles recent;
    for (int i = 1; i <= 11; ++i)
        recent.Add("/f/" + std::to_string(i) + ".fzx", "/");
    ASSERT_EQ(recent.Count(), TRecentFiles::MaxCount);
    EXPECT_EQ(recent.Entries().front(), "/f/11.fzx");
    EXPECT_EQ(recent.Entries().back(), "/f/2.fzx");
    // Moving an entry up does not drop anything.
    recent.Add("/f/2.fzx", "/");
    EXPECT_EQ(recent.Count(), TRecentFiles::MaxCount);
    EXPECT_EQ(recent.Entries().front(), "/f/2.fzx");
    EXPECT_EQ(recent.Entries().back(), "/f/3.fzx");
}

TEST(RecentFiles, StoredEntriesAreTakenAsTheyAre) {
    TRecentFiles recent;
    for (const char* text : {"rel/a.fzx", "", "REL/A.FZX", "rel/a.fzx"})
        recent.AppendStored(text);
    EXPECT_EQ(recent.Entries(), (TList{"rel/a.fzx", "REL/A.FZX", "rel/a.fzx"}));
    for (int i = 0; i < 15; ++i)
        recent.AppendStored("/x" + std::to_string(i));
    ASSERT_EQ(recent.Count(), TRecentFiles::MaxCount);
    EXPECT_EQ(recent.Entries().back(), "/x6");
    recent.Clear();
    EXPECT_TRUE(recent.Empty());
}

} // namespace
