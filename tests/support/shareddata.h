#pragma once
// Access to the community font collection beside the project. Tests that
// need it call QUORREL_REQUIRE_SHARED_FONTS() and skip where it is absent.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

namespace testdata {

inline std::filesystem::path SharedFonts() {
    return std::filesystem::path(QUORREL_SHARED_DIR) / "fonts";
}

inline bool HaveSharedFonts() {
    return std::filesystem::is_directory(SharedFonts() / "fzx");
}

// Every file below fonts/<sub> whose extension is ext (lower case, with dot),
// sorted so that test order is stable.
inline std::vector<std::filesystem::path> FontFiles(const std::string& sub,
                                                    const std::string& ext) {
    std::vector<std::filesystem::path> files;
    const auto root = SharedFonts() / sub;
    if (!std::filesystem::is_directory(root)) return files;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(root)) {
        if (!entry.is_regular_file()) continue;
        std::string e = entry.path().extension().string();
        std::transform(e.begin(), e.end(), e.begin(),
                       [](unsigned char c) { return std::tolower(c); });
        if (e == ext) files.push_back(entry.path());
    }
    std::sort(files.begin(), files.end());
    return files;
}

} // namespace testdata

#define QUORREL_REQUIRE_SHARED_FONTS()                                                             \
    do {                                                                                           \
        if (!testdata::HaveSharedFonts())                                                          \
            GTEST_SKIP() << "shared font collection not found at " << testdata::SharedFonts();     \
    } while (0)
