// Fonts found inside made-up Spectrum files: a table of files with every
// find expected (place, kind, codes; nothing else), the refusals one by one,
// fonts read by FILE@PLACE, and the ROM's own set in a real ROM image.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "finder/fontfinder.h"
#include "formatfiles.h"
#include "gzipcodec.h"
#include "madeupspectrum.h"
#include "model/font.h"
#include "spectrumcontainer.h"
#include "tempdir.h"

using namespace testdata;

namespace {

TBytes WithAt(TBytes bytes, std::size_t at, const TBytes& part) {
    std::copy(part.begin(), part.end(), bytes.begin() + static_cast<std::ptrdiff_t>(at));
    return bytes;
}

// 48K of memory from 0x4000: text from the set on the screen, the set right
// after the screen's attributes, code above.
TBytes ScreenAndSet() {
    const TBytes set = MadeUpSet();
    TBytes memory = MadeUpCode(0xC000, 2);
    const std::string text = "The Quick Brown Fox 0123456789 ";
    for (int row = 0; row < 24; ++row)
        for (int x = 0; x < 32; ++x)
            for (int line = 0; line < 8; ++line) {
                const int code = text[static_cast<std::size_t>(row * 32 + x) % text.size()];
                const std::size_t address =
                    static_cast<std::size_t>((row & 0x18) << 8 | line << 8 | (row & 7) << 5 | x);
                memory[address] = set[static_cast<std::size_t>(code - 32) * 8 + line];
            }
    std::fill(memory.begin() + 0x1800, memory.begin() + 0x1B00, 0x38);
    return WithAt(memory, 0x1B00, set);
}

// Memory whose system variables hold: CHARS for a set at 0xF000, UDG at
// 0xFF58 with graphics there, and P_RAMT as the ROM sets it.
TBytes WithSystemVariables() {
    TBytes memory = WithAt(MadeUpCode(0xC000, 6), 0xF000 - 0x4000, MadeUpSet());
    const auto poke = [&](unsigned address, unsigned word) {
        memory[address - 0x4000] = static_cast<std::uint8_t>(word);
        memory[address - 0x4000 + 1] = static_cast<std::uint8_t>(word >> 8);
    };
    poke(23606, 0xF000 - 256); // CHARS
    poke(23675, 0xFF58);       // UDG
    poke(23732, 0xFFFF);       // P_RAMT
    for (std::size_t i = 0; i < 21 * 8; ++i)
        memory[0xFF58 - 0x4000 + i] = i % 8 == 0 ? 0 : static_cast<std::uint8_t>(0x3C + i / 8);
    return memory;
}

// Eight 128K pages of code, a set in page 3, which is not paged in.
std::vector<TBytes> Pages128() {
    std::vector<TBytes> pages;
    for (unsigned page = 0; page < 8; ++page)
        pages.push_back(MadeUpCode(0x4000, 10 + page));
    pages[3] = WithAt(pages[3], 0x123, MadeUpSet());
    return pages;
}

struct TFind {
    std::string Place;
    TFoundKind Kind;
    int FirstCode, LastCode;
    bool operator==(const TFind& o) const {
        return Place == o.Place && Kind == o.Kind && FirstCode == o.FirstCode &&
               LastCode == o.LastCode;
    }
};

std::ostream& operator<<(std::ostream& out, const TFind& f) {
    return out << f.Place << " " << FoundKindText(f.Kind) << " " << f.FirstCode << "-"
               << f.LastCode;
}

} // namespace

TEST(FontFinder, MadeUpFilesGiveTheirFontsAndNothingElse) {
    const TBytes cut = Snapshot48(MadeUpCode(0xC000, 3));
    const struct {
        const char* Name;
        TBytes File;
        std::vector<TFind> Expected;
        const char* Error; // part of the refusal, or nullptr
    } cases[] = {
        {"odd.bin",
         WithAt(MadeUpCode(8192, 1), 0x1235, MadeUpSet()),
         {{"0x1235", TFoundKind::Charset, 32, 127}},
         nullptr},
        {"screen.z80",
         Snapshot48(ScreenAndSet()),
         {{"0x5B00", TFoundKind::Charset, 32, 127}},
         nullptr},
        {"code.tap",
         CodeTape(WithAt(MadeUpCode(4096, 4), 0x1A0, MadeUpFzx()), 0x8000),
         {{"block2+0x1A0", TFoundKind::Fzx, 32, 127}},
         nullptr},
        {"paged.sna",
         Snapshot128(Pages128()),
         {{"page3+0x123", TFoundKind::Charset, 32, 127}},
         nullptr},
        {"basic.z80",
         Snapshot48(WithSystemVariables()),
         {{"0xF000", TFoundKind::Charset, 32, 127}, {"0xFF58", TFoundKind::Udg, 144, 164}},
         nullptr},
        {"nothing.bin", MadeUpCode(49152, 5), {}, nullptr},
        {"empty.tap", {}, {}, nullptr},
        {"empty.z80", {}, {}, nullptr},
        {"cut.z80", TBytes(cut.begin(), cut.begin() + 20000), {}, "not a snapshot"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        std::vector<TScanArea> areas;
        const std::string error = ReadSpectrumBytes(c.File, c.Name, areas);
        if (c.Error) {
            EXPECT_NE(error.find(c.Error), std::string::npos) << error;
            EXPECT_TRUE(areas.empty());
            continue;
        }
        ASSERT_EQ(error, "");
        std::vector<TFind> found;
        for (const TFoundFont& f : FindFonts(areas))
            found.push_back({PlaceText(areas[f.Area], f.Offset), f.Kind, f.FirstCode, f.LastCode});
        EXPECT_EQ(found, c.Expected);
    }
}

// The ROM image is 16K of real code and tables with the character set at
// its end.
TEST(FontFinder, RomSetAtItsPlace) {
    const std::string rom = "/usr/share/spectrum-roms/opense.rom";
    if (!std::filesystem::exists(rom)) GTEST_SKIP() << rom << " missing (package opense-basic)";
    std::vector<TScanArea> areas;
    ASSERT_EQ(ReadSpectrumFile(rom, areas), "");
    const std::vector<TFoundFont> found = FindFonts(areas);
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(PlaceText(areas[0], found[0].Offset), "0x3D00");
    EXPECT_EQ(found[0].LastCode, 127);
}

TEST(FontFinder, FontsReadByPlace) {
    TempDir dir;
    const TBytes fzx = MadeUpFzx();
    WriteAll(dir.File("code.tap"), CodeTape(WithAt(MadeUpCode(4096, 4), 0x1A0, fzx), 0x8000));
    WriteAll(dir.File("odd.bin"), WithAt(MadeUpCode(8192, 1), 0x1235, MadeUpSet()));
    TFZXFont font;
    TImportReport report;
    ASSERT_EQ(LoadFontFile(font, dir.File("code.tap") + "@block2+0x1A0", {}, report), "");
    TBytes back;
    ASSERT_EQ(font.BuildFZXImage(back), "");
    EXPECT_EQ(back, fzx);
    ASSERT_EQ(LoadFontFile(font, dir.File("odd.bin") + "@0x1235", {}, report), "");
    ASSERT_EQ(font.BuildCHRImage(back), "");
    EXPECT_EQ(back, MadeUpSet());
    // A place where the finder saw nothing is read as it is.
    ASSERT_EQ(LoadFontFile(font, dir.File("odd.bin") + "@0x10", {}, report), "");
    EXPECT_EQ(font.LastChar(), 127);
}

TEST(FontFinder, PlaceOutsideTheFileRefused) {
    TempDir dir;
    WriteAll(dir.File("odd.bin"), MadeUpCode(8192, 1));
    TFZXFont font;
    TImportReport report;
    for (const char* place : {"@0x2000", "@block1+0x0", "@0x1F00", "@12ab"}) {
        SCOPED_TRACE(place);
        const std::string error = LoadFontFile(font, dir.File("odd.bin") + place, {}, report);
        EXPECT_NE(error.find("\"" + dir.File("odd.bin") + "\": "), std::string::npos) << error;
        EXPECT_EQ(font.Count(), 0);
    }
}

TEST(FontFinder, FolderRefused) {
    TempDir dir;
    std::filesystem::create_directory(dir.File("game.tzx"));
    std::vector<TScanArea> areas;
    EXPECT_EQ(ReadSpectrumFile(dir.File("game.tzx"), areas),
              "Cannot open file \"" + dir.File("game.tzx") + "\": not a regular file");
}

TEST(FontFinder, HugeFileRefusedUnread) {
    TempDir dir;
    WriteAll(dir.File("huge.bin"), {1});
    std::filesystem::resize_file(dir.File("huge.bin"), kMaxSpectrumFileSize + 1);
    std::vector<TScanArea> areas;
    const std::string error = ReadSpectrumFile(dir.File("huge.bin"), areas);
    EXPECT_NE(error.find("too large"), std::string::npos) << error;
    EXPECT_TRUE(areas.empty());
}

// Packed files are looked into unpacked, gzip within the size limit; other
// packings are refused rather than scanned as packed bytes.
TEST(FontFinder, CompressedFiles) {
    TBytes gz;
    ASSERT_EQ(Gzip(CodeTape(MadeUpCode(100, 1), 0x8000), gz), "");
    std::vector<TScanArea> areas;
    ASSERT_EQ(ReadSpectrumBytes(gz, "game.tap.gz", areas), "");
    ASSERT_EQ(areas.size(), 1u);
    EXPECT_EQ(areas[0].Name, "block2");
    EXPECT_EQ(areas[0].LoadAddress, 0x8000);
    // 20 MB of zeros packed into 20 KB: refused, not unpacked whole.
    ASSERT_EQ(Gzip(TBytes(20u << 20, 0), gz), "");
    EXPECT_NE(ReadSpectrumBytes(gz, "bomb.rom.gz", areas), "");
    EXPECT_TRUE(areas.empty());
    const TBytes bz2{'B', 'Z', 'h', '9', 0x31, 0x41, 0x59, 0x26, 0x53, 0x59};
    EXPECT_EQ(ReadSpectrumBytes(bz2, "game.tzx.bz2", areas), "a compressed file; unpack it first");
}
