#include <gtest/gtest.h>

#include <string>

#include "text/pathellipsis.h"

namespace {

// One unit per character; the ellipsis's three UTF-8 bytes count as one.
int CharWidth(const std::string& text) {
    int width = 0;
    for (const char c : text)
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++width;
    return width;
}

struct TCase {
    const char* Path;
    int Width;
    bool Windows;
    const char* Expected;
};

TEST(ShortenPath, DropsLeadingFoldersUntilThePathFits) {
    const TCase cases[] = {
        {"/home/ann/fonts/x.fzx", 21, false, "/home/ann/fonts/x.fzx"}, // fits exactly
        {"/home/ann/fonts/x.fzx", 20, false, "/…/ann/fonts/x.fzx"},
        {"/home/ann/fonts/x.fzx", 14, false, "/…/fonts/x.fzx"},
        {"/home/ann/fonts/x.fzx", 8, false, "/…/x.fzx"},
        {"/home/ann/fonts/x.fzx", 7, false, "…/x.fzx"},
        {"/home/ann/fonts/x.fzx", 2, false, "…/x.fzx"}, // the file name is never cut
        {"/verylongfilename.fzx", 5, false, "/verylongfilename.fzx"},
        {"rel/dir/x.fzx", 11, false, "…/dir/x.fzx"},
        {"rel/dir/x.fzx", 10, false, "…/x.fzx"},
        {"//srv//a/x.fzx", 12, false, "//…//a/x.fzx"},
        {"/a/b/folder/", 10, false, "/…/folder/"},
        {"/h/\xC3\xA9t\xC3\xA9/x", 7, false, "/…/x"},
        // Backslashes separate only under Windows rules.
        {"C:\\Users\\ann\\x.fzx", 15, true, "C:\\…\\ann\\x.fzx"},
        {"C:\\Users\\ann\\x.fzx", 15, false, "C:\\Users\\ann\\x.fzx"},
        {"C:\\Users\\ann\\x.fzx", 9, true, "…\\x.fzx"},
        {"\\\\server\\share\\fonts\\x.fzx", 22, true, "\\\\server\\share\\…\\x.fzx"},
        {"C:/mixed\\dirs/x.fzx", 15, true, "C:/…\\dirs/x.fzx"},
        {"C:Users\\x.fzx", 11, true, "C:…\\x.fzx"},
    };
    for (const auto& c : cases) {
        const std::string shortened = ShortenPath(c.Path, c.Width, CharWidth, c.Windows);
        EXPECT_EQ(shortened, c.Expected) << c.Path << " in " << c.Width;
    }
}

} // namespace
