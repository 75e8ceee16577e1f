// quorrel-cli find over several files in one run: the finds of all of them
// best first, a file that cannot be read reported while the others go on;
// --extract and --sheet; FILE@PLACE as the font of the other commands.

#include <gtest/gtest.h>
#include <png.h>

#include <filesystem>
#include <string>
#include <vector>

#include "madeupspectrum.h"
#include "model/font.h"
#include "runcli.h"
#include "tempdir.h"

using namespace testdata;
using testcli::RunCli;

namespace {

TBytes UpperSet() {
    const TBytes set = MadeUpSet();
    return TBytes(set.begin(), set.begin() + 64 * 8);
}

struct TFiles {
    TempDir Dir;
    std::string Tape, Raw;
    TFiles() : Tape(Dir.File("game.tap")), Raw(Dir.File("odd.bin")) {
        TBytes code = MadeUpCode(4096, 4);
        const TBytes fzx = MadeUpFzx();
        std::copy(fzx.begin(), fzx.end(), code.begin() + 0x1A0);
        WriteAll(Tape, CodeTape(code, 0x8000));
        // Codes 32 to 95 only: a shorter set scores below a full one.
        TBytes raw = MadeUpCode(8192, 1);
        const TBytes set = UpperSet();
        std::copy(set.begin(), set.end(), raw.begin() + 0x1235);
        WriteAll(Raw, raw);
    }
};

} // namespace

TEST(CliFind, SeveralFilesInOneRunBestFirst) {
    TFiles f;
    const std::string missing = f.Dir.File("missing.tzx");
    const auto run = RunCli({"find", f.Raw, missing, f.Tape});
    EXPECT_EQ(run.Status, 1);
    EXPECT_EQ(run.Out, f.Tape + "@block2+0x1A0: FZX font 32-127, address 0x81A0, score 99\n" +
                           f.Raw + "@0x1235: 8x8 set 32-95, score 95\n");
    EXPECT_NE(run.Err.find(missing), std::string::npos) << run.Err;
    EXPECT_EQ(RunCli({"find"}).Status, 2);
}

TEST(CliFind, ExtractAndSheet) {
    TFiles f;
    const std::string out = f.Dir.File("fonts"), sheet = f.Dir.File("finds.png");
    const auto run = RunCli({"find", f.Tape, f.Raw, "--extract", out, "--sheet", sheet});
    ASSERT_EQ(run.Status, 0) << run.Err;
    EXPECT_EQ(ReadAll(out + "/game.tap@block2+0x1A0.fzx"), MadeUpFzx());
    EXPECT_EQ(ReadAll(out + "/odd.bin@0x1235.chr"), UpperSet());
    EXPECT_TRUE(std::filesystem::exists(out + "/odd.bin@0x1235.fzx"));
    // One line per find: two 8-pixel lines with 4 pixels around each.
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    ASSERT_TRUE(png_image_begin_read_from_file(&image, sheet.c_str()));
    EXPECT_EQ(image.height, 4u + 2 * (8 + 4));
    png_image_free(&image);
}

TEST(CliFind, FontAtPlaceForEveryCommand) {
    TFiles f;
    auto run = RunCli({"info", f.Tape + "@block2+0x1A0"});
    ASSERT_EQ(run.Status, 0) << run.Err;
    EXPECT_NE(run.Out.find("lastchar: 127\n"), std::string::npos) << run.Out;
    const std::string chr = f.Dir.File("set.chr");
    run = RunCli({"convert", f.Raw + "@0x1235", chr});
    ASSERT_EQ(run.Status, 0) << run.Err;
    EXPECT_EQ(ReadAll(chr), UpperSet());
    run = RunCli({"render", f.Raw + "@0x1235", f.Dir.File("text.png"), "--text", "Hi"});
    EXPECT_EQ(run.Status, 0) << run.Err;
    run = RunCli({"info", f.Raw + "@block9+0x0"});
    EXPECT_EQ(run.Status, 1);
    EXPECT_EQ(run.Err, "quorrel-cli: \"" + f.Raw + "\": no place block9+0x0 in the file\n");
}
