// Files larger than any font of their kind are refused before they are read:
// a huge file must cost neither memory nor time, and no usable font may be
// refused on the way.

#include <gtest/gtest.h>

#include <atomic>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "formats/fileio.h"
#include "model/font.h"
#include "tempdir.h"
#include "text/textrows.h"
#include "watchedfont.h"

namespace fs = std::filesystem;

// The largest single allocation since it was last set to 0 (see
// largestallocation.cpp), to see whether reading asks for memory in
// proportion to a file's size.
extern std::atomic<std::size_t> gLargestAllocation;

namespace {

using Bytes = std::vector<std::uint8_t>;

constexpr std::uintmax_t k300MB = 300u * 1024 * 1024;
constexpr std::size_t kLargestFZX = 66210;

// A font with a current glyph and unsaved changes, so any touch shows.
void MakeBusyFont(TFZXFont& font) {
    font.SetLastChar(40);
    font.Glyph(1).SetAll("0110|1001", 2, 4, 1);
    font.SetCurrent(1);
    font.SetModified(true);
}

void ExpectBusyFont(const Watched& w) {
    EXPECT_EQ(w.notes, 0);
    EXPECT_EQ(w.font.LastChar(), 40);
    EXPECT_EQ(w.font.CurrentIndex(), 1);
    EXPECT_TRUE(w.font.Modified());
    ASSERT_EQ(w.font.Count(), 9);
    EXPECT_EQ(w.font.Glyph(1).Rows(), "0110|1001");
}

TEST(Oversize, HugeFilesAreRefusedUnread) {
    const testdata::TempDir dir;
    const struct {
        const char* Name;
        const char* Message;
        bool Untouched; // refused before the reader starts on the font
    } cases[] = {
        // Only the part an FZX font can use is read: here zeros, no font.
        {"huge.fzx", "Last character value must be in the range 32..255!", false},
        {"huge.chr", "File size must be 8..768 bytes!", true},
        {"huge.udg", "File size must be 8..768 bytes!", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        const std::string path = dir.File(c.Name);
        testdata::WriteAll(path, {});
        fs::resize_file(path, k300MB); // sparse: takes no room on disk
        Watched w;
        MakeBusyFont(w.font);
        w.notes = 0;
        gLargestAllocation = 0;
        const bool isFZX = std::string(c.Name).find(".fzx") != std::string::npos;
        const std::string message = isFZX ? w.font.LoadFZX(path) : w.font.LoadCHR(path);
        EXPECT_LT(gLargestAllocation.load(), std::size_t{1} << 20);
        EXPECT_EQ(message, c.Message);
        if (c.Untouched) ExpectBusyFont(w);
    }
}

// Codes 32..255, every table entry pointing at itself, and a terminator word
// of 0xFFFF: the last definition runs from its own table entry to the end the
// terminator gives. No file gives the reader more to read.
Bytes LargestFZX() {
    Bytes bytes = {8, 0, 255};
    for (int code = 32; code <= 255; ++code)
        bytes.insert(bytes.end(), {0, 0, 0x07}); // offset 0, width 8
    bytes.insert(bytes.end(), {0xFF, 0xFF});
    bytes.resize(kLargestFZX, 0x81);
    bytes.back() = 0x01;
    return bytes;
}

TEST(Oversize, TheFZXLimitIsTheLargestFileTheReaderCanUse) {
    const testdata::TempDir dir;
    const std::string path = dir.File("largest.fzx");
    Bytes bytes = LargestFZX();
    testdata::WriteAll(path, bytes);
    TFZXFont font;
    ASSERT_EQ(font.LoadFZX(path), "");
    // The last definition starts at its entry (two blank rows, which go into
    // the leading) and reaches the file's last byte.
    const std::size_t lastRows = kLargestFZX - (3 + 3 * 223) - 2;
    EXPECT_EQ(font.Glyph(223).RowCount(), static_cast<int>(lastRows));
    EXPECT_EQ(font.Glyph(223).Leading(), 2);
    EXPECT_EQ(NthPart(font.Glyph(223).Rows(), static_cast<int>(lastRows), '|'), "00000001");

    // Bytes beyond are never looked at: the same font opens, however many.
    bytes.resize(kLargestFZX + 100000, 0x42);
    testdata::WriteAll(path, bytes);
    TFZXFont longer;
    ASSERT_EQ(longer.LoadFZX(path), "");
    EXPECT_EQ(longer.Glyph(223).Rows(), font.Glyph(223).Rows());

    // Trailing bytes below the limit are still ignored, as before.
    Bytes small = {8, 0, 32, 5, 0, 0x07, 2, 0}; // one empty glyph
    small.resize(1000, 0xEE);
    testdata::WriteAll(path, small);
    EXPECT_EQ(font.LoadFZX(path), "");
}

// Bytes this process has read through the system so far, or -1 where the
// system does not say (only Linux does).
long long BytesReadSoFar() {
    std::ifstream io("/proc/self/io");
    std::string key;
    long long value = 0;
    while (io >> key >> value)
        if (key == "rchar:") return value;
    return -1;
}

// A limit as large as the desktop fonts' (64 MiB): the file's size alone
// refuses it, before a single block is read or its room reserved.
TEST(Oversize, AFileOverTheLimitIsRefusedFromItsSize) {
    const testdata::TempDir dir;
    const std::string path = dir.File("huge.ttf");
    testdata::WriteAll(path, {});
    fs::resize_file(path, std::uintmax_t{1} << 30);
    Bytes bytes{1, 2, 3};
    gLargestAllocation = 0;
    const long long before = BytesReadSoFar();
    EXPECT_FALSE(ReadFileBytes(path, std::size_t{64} << 20, bytes));
    const long long after = BytesReadSoFar();
    EXPECT_TRUE(bytes.empty());
    EXPECT_LT(gLargestAllocation.load(), std::size_t{1} << 20);
    if (before >= 0 && after >= 0) {
        EXPECT_LT(after - before, 4096);
    }
}

TEST(Oversize, ReadingUpToALimit) {
    const testdata::TempDir dir;
    const std::string path = dir.File("data");
    const Bytes data(100, 0x5A);
    testdata::WriteAll(path, data);
    Bytes bytes;
    EXPECT_TRUE(ReadFileBytes(path, 100, bytes));
    EXPECT_EQ(bytes, data);
    EXPECT_FALSE(ReadFileBytes(path, 99, bytes));
    EXPECT_TRUE(bytes.empty());
    EXPECT_THROW(ReadFileBytes(dir.File("missing"), 100, bytes), TFileError);
    // The head of a file: as much as there is, up to the limit.
    ReadFileHead(path, 60, bytes);
    EXPECT_EQ(bytes, Bytes(60, 0x5A));
    ReadFileHead(path, 1000, bytes);
    EXPECT_EQ(bytes, data);
}

} // namespace
