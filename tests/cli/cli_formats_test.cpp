// quorrel-cli convert and info with the further formats: conversions through
// PSF, gzip and picture sheets with their options, the import report on
// standard error, and wrong options and files with their exit status.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "formats/fileio.h"
#include "model/font.h"
#include "runcli.h"
#include "tempdir.h"

namespace {

using testcli::RunCli;
using testcli::TRun;

class CliFormats : public ::testing::Test {
  protected:
    std::string Path(const std::string& name) const { return temp.File(name); }
    testdata::TempDir temp;
};

// Codes 32..40, 8 wide, height 8; '!' a bar, '(' a dot bottom right.
void MakeFixture(TFZXFont& font) {
    font.SetLastChar(40);
    font.Glyph(1).SetAll("00011000|00011000", 2, 8, 0);
    font.Glyph(8).SetAll("00000001", 7, 8, 0);
}

TEST_F(CliFormats, ConvertsThroughEveryFormatByteExact) {
    TFZXFont font;
    MakeFixture(font);
    std::vector<std::uint8_t> fzx;
    ASSERT_EQ(font.BuildFZXImage(fzx), "");
    ASSERT_TRUE(WriteFileReplacing(Path("in.fzx"), fzx));
    const std::vector<std::pair<std::string, std::string>> steps = {
        {"in.fzx", "a.psf"}, {"a.psf", "b.PSF.GZ"}, {"b.PSF.GZ", "c.png"}, {"c.png", "d.fzx"}};
    for (const auto& [from, to] : steps) {
        SCOPED_TRACE(from + " -> " + to);
        const TRun run = RunCli({"convert", Path(from), Path(to)});
        EXPECT_EQ(run.Status, 0);
        EXPECT_EQ(run.Out, "");
        // Writing a sheet tells how to read it back; nothing else is said.
        if (to == "c.png")
            EXPECT_EQ(run.Err, Path(to) + ": read back with --cell 8x8 --columns 16\n");
        else
            EXPECT_EQ(run.Err, "");
    }
    // The sheet holds a row of 16 cells: codes 32..47 come back.
    TFZXFont back;
    ASSERT_EQ(back.LoadFZX(Path("d.fzx")), "");
    EXPECT_EQ(back.LastChar(), 47);
    for (int i = 0; i < font.Count(); ++i) {
        EXPECT_EQ(back.Glyph(i).Rows(), font.Glyph(i).Rows());
        EXPECT_EQ(back.Glyph(i).Leading(), font.Glyph(i).Leading());
    }
}

TEST_F(CliFormats, SheetOptionsAndTheImportReport) {
    // A grid sheet with captions, read from code 33 with fitted widths.
    TFZXFont font;
    MakeFixture(font);
    ASSERT_EQ(font.SaveFZX(Path("in.fzx")), "");
    TRun run = RunCli(
        {"convert", Path("in.fzx"), Path("s.png"), "--grid", "--captions", "--columns", "4"});
    ASSERT_EQ(run.Status, 0) << run.Err;
    EXPECT_EQ(run.Err, Path("s.png") + ": read back with --cell 8x8 --columns 4 --gap 1 "
                                       "--margin 14x8\n");
    run = RunCli({"info", Path("s.png"), "--json", "--cell", "8x8", "--columns", "4", "--gap", "1",
                  "--margin", "14x8", "--first-code", "33", "--fit-width", "2"});
    ASSERT_EQ(run.Status, 0) << run.Err;
    // Cell 0 (code 32, blank) would be code 33 now, '!' is 34 and so on;
    // the last of the 12 cells is code 44.
    EXPECT_NE(run.Out.find("\"lastchar\":44"), std::string::npos) << run.Out;
    EXPECT_NE(run.Out.find("{\"code\":34,\"width\":7,\"leading\":2,\"kern\":0,"
                           "\"rows\":[\"0001100\",\"0001100\"]}"),
              std::string::npos)
        << run.Out;
    EXPECT_EQ(run.Err, Path("s.png") + ": Not in the file, left empty: 32\n");

    // Cells before code 32 that hold ink ('!' as code 31) are reported on
    // standard error.
    run = RunCli({"info", Path("s.png"), "--columns", "4", "--gap", "1", "--margin", "14x8",
                  "--first-code", "30"});
    EXPECT_EQ(run.Status, 0);
    EXPECT_EQ(run.Err, Path("s.png") + ": 1 character outside codes 32 to 255 left out\n");
}

TEST_F(CliFormats, WrongOptionsAreUsageErrors) {
    TFZXFont font;
    MakeFixture(font);
    ASSERT_EQ(font.SaveFZX(Path("in.fzx")), "");
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
        {{"--cell", "8"}, "--cell must be WIDTHxHEIGHT, each 1 to 255"},
        {{"--cell", "0x8"}, "--cell must be WIDTHxHEIGHT, each 1 to 255"},
        {{"--cell"}, "--cell needs a value"},
        {{"--first-code", "256"}, "--first-code must be 0 to 255"},
        {{"--columns", "0"}, "--columns must be 1 to 256"},
        {{"--gap", "-1"}, "--gap must be N or XxY, each 0 to 1024"},
        {{"--margin", "2y3"}, "--margin must be N or XxY, each 0 to 1024"},
        {{"--fit-width", "17"}, "--fit-width spacing must be 0 to 16"},
        {{"--charset", "ascii"}, "--charset must be zx or latin1"},
    };
    for (const auto& [options, message] : cases) {
        for (const std::string command : {"convert", "info"}) {
            std::vector<std::string> args = {command, Path("in.fzx")};
            if (command == "convert") args.push_back(Path("out.psf"));
            args.insert(args.end(), options.begin(), options.end());
            const TRun run = RunCli(args);
            SCOPED_TRACE(command + " " + options[0]);
            EXPECT_EQ(run.Status, 2);
            EXPECT_EQ(run.Err,
                      "quorrel-cli: " + command + ": " + message + "\nTry 'quorrel-cli --help'.\n");
        }
    }
    EXPECT_FALSE(std::filesystem::exists(Path("out.psf")));
}

TEST_F(CliFormats, FailuresWriteNothing) {
    TFZXFont font;
    MakeFixture(font);
    font.Glyph(2).SetWidth(9);
    ASSERT_EQ(font.SaveFZX(Path("wide.fzx")), "");
    testdata::WriteAll(Path("bad.psf"), {0x36, 0x04, 0x00});
    struct TCase {
        std::string From, To, Message;
    };
    const TCase cases[] = {
        {"wide.fzx", "out.psf",
         "Character [34] is 9 pixels wide: console fonts (PSF) take at most 8."},
        {"bad.psf", "out.fzx", "\"" + Path("bad.psf") + "\": byte 0: not a PSF font"},
        {"missing.psf.gz", "out.fzx", "Cannot open file \"" + Path("missing.psf.gz") + "\""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.From);
        const TRun run = RunCli({"convert", Path(c.From), Path(c.To)});
        EXPECT_EQ(run.Status, 1);
        EXPECT_EQ(run.Err.rfind("quorrel-cli: " + c.Message, 0), 0u) << run.Err;
        EXPECT_FALSE(std::filesystem::exists(Path(c.To)));
    }
}

// Desktop fonts: info names the strikes or says the face is scalable; sizes
// the font lacks fail with exit 1 and write nothing; a size that is no number
// is a usage mistake.
TEST_F(CliFormats, DesktopFontsNeedASizeTheyHave) {
    const std::string otb = "/usr/share/fonts/opentype/terminus/terminus-normal.otb";
    const std::string ttf = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";
    if (!std::filesystem::exists(otb) || !std::filesystem::exists(ttf))
        GTEST_SKIP() << otb << " or " << ttf
                     << " not found (packages fonts-terminus-otb, fonts-dejavu-core)";
    TRun run = RunCli({"info", otb});
    EXPECT_EQ(run.Status, 0);
    EXPECT_NE(run.Out.find("\nstrikes: 12 14 16 18 20 22 24 28 32\nscalable: no\n"),
              std::string::npos)
        << run.Out;
    run = RunCli({"info", ttf});
    EXPECT_EQ(run.Status, 0);
    EXPECT_NE(run.Out.find("\nscalable: yes\n"), std::string::npos) << run.Out;
    run = RunCli({"info", otb, "--size", "16", "--face", "0"});
    EXPECT_EQ(run.Status, 0);
    EXPECT_NE(run.Out.find("\nheight: 16\n"), std::string::npos) << run.Out;

    const std::vector<std::pair<std::vector<std::string>, std::string>> failures = {
        {{ttf}, "the font is scalable (outlines): give a pixel size with --size"},
        {{ttf, "--size", "0"}, "pixel size 0 is out of range (1 to 192)"},
        {{ttf, "--size", "100000000000"}, "pixel size 1073741824 is out of range (1 to 192)"},
        {{otb, "--size", "15"}, "no strike of 15 pixels"},
        {{ttf, "--size", "8", "--face", "2"}, "face 2 does not exist"},
    };
    for (const auto& [args, message] : failures) {
        SCOPED_TRACE(message);
        std::vector<std::string> command = {"convert", args[0], Path("out.fzx")};
        command.insert(command.end(), args.begin() + 1, args.end());
        run = RunCli(command);
        EXPECT_EQ(run.Status, 1);
        EXPECT_EQ(run.Err.rfind("quorrel-cli: \"" + args[0] + "\": " + message, 0), 0u) << run.Err;
        EXPECT_FALSE(std::filesystem::exists(Path("out.fzx")));
    }
    run = RunCli({"convert", ttf, Path("out.fzx"), "--size", "12px"});
    EXPECT_EQ(run.Status, 2);
    EXPECT_EQ(run.Err, "quorrel-cli: convert: --size must be a whole number of pixels\n"
                       "Try 'quorrel-cli --help'.\n");
    run = RunCli({"convert", ttf, Path("out.fzx"), "--size", "12", "--hinting"});
    EXPECT_EQ(run.Status, 0) << run.Err;
}

TEST_F(CliFormats, HelpListsTheFormatsTable) {
    const TRun run = RunCli({"--help"});
    EXPECT_EQ(run.Status, 0);
    EXPECT_NE(run.Out.find("  .psf.gz                     PSF console fonts, gzip-compressed "
                           "(read, write)\n"),
              std::string::npos)
        << run.Out;
    EXPECT_NE(run.Out.find("  .png                        Picture sheets (PNG) (read, write)\n"),
              std::string::npos);
}

} // namespace
