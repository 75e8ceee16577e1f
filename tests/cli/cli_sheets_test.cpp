// Picture sheets quorrel-cli writes come back as the same font, widths and
// kerns included: read with the options convert names, after another program
// saved the picture again without any of its metadata, and read with the
// grid the picture shows.

#include <gtest/gtest.h>
#include <png.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "model/font.h"
#include "runcli.h"
#include "shareddata.h"
#include "tempdir.h"

namespace {

using testcli::RunCli;
using testcli::TRun;

// The picture saved again by a program that keeps the pixels only (libpng's
// simplified writer: 8-bit RGB, no text chunks).
bool Resave(const std::string& from, const std::string& to) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&image, from.c_str())) return false;
    image.format = PNG_FORMAT_RGB;
    std::vector<std::uint8_t> rgb(PNG_IMAGE_SIZE(image));
    if (!png_image_finish_read(&image, nullptr, rgb.data(), 0, nullptr)) return false;
    return png_image_write_to_file(&image, to.c_str(), 0, rgb.data(), 0, nullptr) != 0;
}

std::vector<std::uint8_t> FZXOf(const std::string& path) {
    TFZXFont font;
    std::vector<std::uint8_t> image;
    EXPECT_EQ(font.LoadFZX(path), "") << path;
    EXPECT_EQ(font.BuildFZXImage(image), "");
    return image;
}

TEST(CliSheets, WrittenSheetsReadBackAsTheSameFont) {
    testdata::TempDir temp;
    // Kerns, a blank character narrower than its kern, one with a leading,
    // tracking 1: what a sheet without marks loses.
    TFZXFont own;
    own.SetTracking(1);
    own.SetLastChar(70);
    own.Glyph('A' - 32).SetAll("0110|1001|1111|1001", 2, 4, 0);
    own.Glyph('B' - 32).SetAll("11100|10010|11100", 3, 5, 2);
    own.Glyph('C' - 32).SetAll("", 0, 1, 3);
    own.Glyph('D' - 32).SetAll("", 5, 2, 1);
    own.Glyph(0).SetAll("", 0, 3, 0);
    ASSERT_EQ(own.SaveFZX(temp.File("own.fzx")), "");
    std::vector<std::string> fonts = {temp.File("own.fzx")};
    if (testdata::HaveSharedFonts())
        for (const char* name : {"ao/Zaibatsu/Zaibatsu_Latin1.fzx", "dkud3/Cobra/cobratall.fzx",
                                 "kk/Mischke_Latin1.fzx", "utz/TinyTexan/tinytexanXS.fzx"})
            fonts.push_back((testdata::SharedFonts() / "fzx" / name).string());
    else
        std::cout << "[  SKIPPED ] community fonts: none at " << testdata::SharedFonts() << '\n';

    for (const std::string& font : fonts) {
        for (const bool framed : {false, true}) {
            SCOPED_TRACE(font + (framed ? " --grid --captions" : ""));
            std::vector<std::string> args = {"convert", font, temp.File("sheet.png")};
            if (framed) args.insert(args.end(), {"--grid", "--captions"});
            TRun run = RunCli(args);
            ASSERT_EQ(run.Status, 0) << run.Err;
            const std::string said = ": read back with ";
            const std::size_t at = run.Err.find(said);
            ASSERT_NE(at, std::string::npos) << run.Err;
            std::istringstream words(run.Err.substr(at + said.size()));
            ASSERT_TRUE(Resave(temp.File("sheet.png"), temp.File("again.png")));

            args = {"convert", temp.File("again.png"), temp.File("back.fzx")};
            for (std::string word; words >> word;)
                args.push_back(word);
            run = RunCli(args);
            ASSERT_EQ(run.Status, 0) << run.Err;
            EXPECT_EQ(run.Err, "");
            EXPECT_TRUE(FZXOf(temp.File("back.fzx")) == FZXOf(font));

            // Grid lines tell the layout: no options needed.
            if (!framed) continue;
            run = RunCli({"convert", temp.File("again.png"), temp.File("found.fzx")});
            ASSERT_EQ(run.Status, 0) << run.Err;
            EXPECT_TRUE(FZXOf(temp.File("found.fzx")) == FZXOf(font));
        }
    }
}

} // namespace
