// quorrel-cli with every format: conversions through PSF, gzip and picture
// sheets with their options, every command reading every format and apply
// writing each, the import report on standard error, and wrong options and
// files with their exit status.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "formats/fileio.h"
#include "formats/fontformats.h"
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
        std::vector<std::string> args = {"convert", Path(from), Path(to)};
        // Two inked cells show no grid: the sheet is read as the export says.
        if (from == "c.png") args.insert(args.end(), {"--cell", "8x8", "--columns", "16"});
        const TRun run = RunCli(args);
        EXPECT_EQ(run.Status, 0);
        EXPECT_EQ(run.Out, "");
        // Writing a sheet tells how to read it back; nothing else is said.
        if (to == "c.png")
            EXPECT_EQ(run.Err, Path(to) + ": read back with --cell 8x8 --columns 16\n");
        else
            EXPECT_EQ(run.Err, "");
    }
    // The blank cells after '(' in the sheet's row of 16 are no characters.
    TFZXFont back;
    ASSERT_EQ(back.LoadFZX(Path("d.fzx")), "");
    EXPECT_EQ(back.LastChar(), 40);
    for (int i = 0; i < font.Count(); ++i) {
        EXPECT_EQ(back.Glyph(i).Rows(), font.Glyph(i).Rows());
        EXPECT_EQ(back.Glyph(i).Leading(), font.Glyph(i).Leading());
    }
}

// Every command reads the fixture from a file of each format the table can
// write and read, and does with it exactly what it does with the FZX file.
TEST_F(CliFormats, EveryCommandReadsEveryFormat) {
    // One sheet row of 16 cells, inked up to its last, so that a sheet holds
    // just these characters.
    TFZXFont font;
    MakeFixture(font);
    font.SetLastChar(47);
    font.Glyph(15).SetAll("10000000|01000000", 5, 8, 0);
    ASSERT_EQ(font.SaveFZX(Path("in.fzx")), "");
    // Options that read the sheet as written; the other formats ignore them.
    const std::vector<std::string> sheet = {"--cell", "8x8", "--columns", "16"};
    struct TCommand {
        std::vector<std::string> Args; // FONT and OUT stand for the files
        std::string Out;
    };
    const TCommand commands[] = {
        {{"info", "FONT", "--json"}, ""},
        {{"convert", "FONT", "OUT"}, "o.fzx"},
        {{"render", "FONT", "OUT", "--text", "!(", "--zoom", "2"}, "o.png"},
        {{"apply", "FONT", "OUT", "--op", "bold"}, "o.fzx"},
        {{"spectrum", "FONT", "OUT", "--text", "!("}, "o.z80"},
    };
    // What each command gives for the FZX file: its output or its file.
    const auto run = [&](const TCommand& c, const std::string& font, const std::string& folder) {
        std::vector<std::string> args;
        for (const std::string& a : c.Args)
            args.push_back(a == "FONT" ? font : a == "OUT" ? Path(folder + "/" + c.Out) : a);
        args.insert(args.end(), sheet.begin(), sheet.end());
        std::filesystem::create_directories(Path(folder));
        const TRun r = RunCli(args);
        EXPECT_EQ(r.Status, 0) << r.Err;
        if (c.Out.empty()) return r.Out;
        return testcli::ReadText(Path(folder + "/" + c.Out));
    };
    std::vector<std::string> expected;
    for (const TCommand& c : commands)
        expected.push_back(run(c, Path("in.fzx"), "fzx"));

    int formats = 0;
    for (const TFontFormat& format : FontFormats()) {
        if (!format.CanRead() || !format.CanWrite()) continue;
        const std::string file = Path("f" + format.Extensions.front());
        SCOPED_TRACE(file);
        const TRun converted = RunCli({"convert", Path("in.fzx"), file});
        ASSERT_EQ(converted.Status, 0) << converted.Err;
        for (std::size_t i = 0; i < std::size(commands); ++i) {
            SCOPED_TRACE(commands[i].Args[0]);
            // Compared as text, so that a difference is short to read.
            EXPECT_TRUE(run(commands[i], file, "out") == expected[i]);
        }
        ++formats;
    }
    EXPECT_GE(formats, 7); // FZX, CHR, UDG, BDF, PSF, gzip-compressed PSF, yaff, PNG
}

// apply writes every format the table writes, as convert does.
TEST_F(CliFormats, ApplyWritesEveryFormat) {
    TFZXFont font;
    MakeFixture(font);
    ASSERT_EQ(font.SaveFZX(Path("in.fzx")), "");
    ASSERT_EQ(RunCli({"apply", Path("in.fzx"), Path("right.fzx"), "--op", "adjust-right"}).Status,
              0);
    std::filesystem::create_directory(Path("apply"));
    std::filesystem::create_directory(Path("convert"));
    for (const TFontFormat& format : FontFormats()) {
        if (!format.CanWrite()) continue;
        // The same file name in both folders: formats that hold it agree.
        const std::string name = "/out" + format.Extensions.front();
        SCOPED_TRACE(name);
        const TRun applied =
            RunCli({"apply", Path("in.fzx"), Path("apply" + name), "--op", "adjust-right"});
        ASSERT_EQ(applied.Status, 0) << applied.Err;
        ASSERT_EQ(RunCli({"convert", Path("right.fzx"), Path("convert" + name)}).Status, 0);
        EXPECT_EQ(testdata::ReadAll(Path("apply" + name)),
                  testdata::ReadAll(Path("convert" + name)));
    }
}

// A folder is no font, whatever its name; every command says so naming it.
TEST_F(CliFormats, FoldersAreRefusedByName) {
    std::filesystem::create_directory(Path("x.fzx"));
    std::filesystem::create_directory(Path("dir"));
    // Desktop fonts: info reads them its own way, to describe the face first.
    std::filesystem::create_directory(Path("x.ttf"));
    std::filesystem::create_directory(Path("d.pcf.gz"));
    const std::vector<std::vector<std::string>> cases = {
        {"info", Path("x.fzx")},
        {"info", Path("dir")},
        {"info", Path("x.ttf")},
        {"info", Path("d.pcf.gz")},
        {"convert", Path("x.ttf"), Path("o.fzx")},
        {"convert", Path("x.fzx"), Path("o.chr")},
        {"render", Path("x.fzx"), Path("o.png")},
        {"apply", Path("x.fzx"), Path("o.fzx"), "--op", "bold"},
        {"spectrum", Path("x.fzx"), Path("o.tap")},
    };
    for (const auto& args : cases) {
        SCOPED_TRACE(args[0] + " " + args[1]);
        const TRun run = RunCli(args);
        EXPECT_EQ(run.Status, 1);
        EXPECT_EQ(run.Err,
                  "quorrel-cli: Cannot open file \"" + args[1] + "\": not a regular file\n");
        EXPECT_EQ(temp.Entries().size(), 4u);
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
    // the last inked cell, '(', is code 41.
    EXPECT_NE(run.Out.find("\"lastchar\":41"), std::string::npos) << run.Out;
    EXPECT_NE(run.Out.find("{\"code\":34,\"width\":7,\"leading\":2,\"kern\":0,"
                           "\"rows\":[\"0001100\",\"0001100\"]}"),
              std::string::npos)
        << run.Out;
    EXPECT_EQ(run.Err, Path("s.png") + ": Not in the file, left empty: 32\n");

    // Cells before code 32 that hold ink ('!' as code 31) are reported on
    // standard error; the grid lines give the cell size.
    run = RunCli({"info", Path("s.png"), "--columns", "4", "--gap", "1", "--margin", "14x8",
                  "--first-code", "30"});
    EXPECT_EQ(run.Status, 0);
    EXPECT_EQ(run.Err, "grid: 8x8 cells, gap 1, margin 14x8, 4 columns\n" + Path("s.png") +
                           ": 1 character outside codes 32 to 255 left out\n");

    // Ink and paper swapped by hand: the blank space is a full cell.
    run = RunCli({"info", Path("s.png"), "--json", "--invert"});
    EXPECT_EQ(run.Status, 0) << run.Err;
    EXPECT_NE(run.Out.find("{\"code\":32,\"width\":8,\"leading\":0,\"kern\":0,\"rows\":["
                           "\"11111111\",\"11111111\",\"11111111\""),
              std::string::npos)
        << run.Out;
}

// Codes 32..last, 8 x 8, each but the space a box of its own pattern.
void MakeBoxes(TFZXFont& font, int last) {
    font.SetLastChar(last);
    for (int code = 33; code <= last; ++code) {
        std::string rows = "11111000";
        for (int r = 0; r < 4; ++r) {
            rows += "|1";
            for (int b = 0; b < 3; ++b)
                rows += (code >> ((r + b) % 7)) & 1 ? '1' : '0';
            rows += "1000";
        }
        font.Glyph(code - 32).SetAll(rows + "|11111000", 1, 8, 0);
    }
}

TEST_F(CliFormats, SheetsReadWithTheGridTheyShow) {
    // 32 x 3 cells of 8 x 8, the last row not full.
    TFZXFont font;
    MakeBoxes(font, 120);
    ASSERT_EQ(font.SaveFZX(Path("boxes.fzx")), "");
    ASSERT_EQ(RunCli({"convert", Path("boxes.fzx"), Path("wide.png"), "--columns", "32"}).Status,
              0);
    TFZXFont sparse;
    MakeFixture(sparse);
    ASSERT_EQ(sparse.SaveFZX(Path("sparse.fzx")), "");
    ASSERT_EQ(RunCli({"convert", Path("sparse.fzx"), Path("sparse.png")}).Status, 0);
    struct TCase {
        std::string Sheet;
        std::vector<std::string> Options;
        int Status;
        std::string Err;
        int LastChar;
    };
    const std::string refused = "quorrel-cli: \"" + Path("sparse.png") +
                                "\": no grid of cells found in the picture; give the cell size "
                                "with --cell WxH\n";
    const TCase cases[] = {
        {"wide.png", {}, 0, "grid: 8x8 cells, gap 0, margin 0x0, 32 columns\n", 120},
        // Options given win; the columns follow from the cell size.
        {"wide.png", {"--cell", "8x8"}, 0, "", 120},
        {"wide.png", {"--columns", "16"}, 0, "grid: 8x8 cells, gap 0, margin 0x0, 16 columns\n", 0},
        {"sparse.png", {}, 1, refused, 0},
        {"sparse.png", {"--cell", "8x8"}, 0, "", 40},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Sheet + " " + (c.Options.empty() ? "" : c.Options[0]));
        std::filesystem::remove(Path("out.fzx"));
        std::vector<std::string> args = {"convert", Path(c.Sheet), Path("out.fzx")};
        args.insert(args.end(), c.Options.begin(), c.Options.end());
        const TRun run = RunCli(args);
        EXPECT_EQ(run.Status, c.Status);
        if (c.LastChar > 0) {
            EXPECT_EQ(run.Err, c.Err);
            TFZXFont back;
            ASSERT_EQ(back.LoadFZX(Path("out.fzx")), "");
            EXPECT_EQ(back.LastChar(), c.LastChar);
            for (int code = 32; code <= c.LastChar; ++code) {
                const TFZXFont& source = c.Sheet == "wide.png" ? font : sparse;
                ASSERT_EQ(back.Glyph(code - 32).Rows(), source.Glyph(code - 32).Rows()) << code;
            }
        } else if (c.Status != 0) {
            EXPECT_EQ(run.Err, c.Err);
            EXPECT_FALSE(std::filesystem::exists(Path("out.fzx")));
        } else {
            EXPECT_TRUE(run.Err.rfind(c.Err, 0) == 0) << run.Err; // then the cells outside
        }
    }
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
        for (const std::string command : {"convert", "info", "render", "apply", "spectrum"}) {
            std::vector<std::string> args = {command, Path("in.fzx")};
            if (command != "info") args.push_back(Path("out.psf"));
            if (command == "apply") args.insert(args.end(), {"--op", "bold"});
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

// Glyph names and file names from a file reach the terminal with their
// control characters escaped, in refusals and in the import report alike.
TEST_F(CliFormats, MessagesEscapeControlCharacters) {
    const std::string head = "STARTFONT 2.1\nFONTBOUNDINGBOX 8 8 0 0\nCHARS 2\n"
                             "STARTCHAR A\nENCODING 65\nDWIDTH 4 0\nBBX 1 1 0 0\nBITMAP\n80\n"
                             "ENDCHAR\nSTARTCHAR \x1B]0;owned\x07\nENCODING 65\nDWIDTH 4 0\n";
    struct TCase {
        std::string File, Text, Message;
        int Status;
    };
    const TCase cases[] = {
        {"bad.bdf", head + "BBX 1 1 0 0\nbitmap\n",
         "\"bitmap\" in character \"\\x1B]0;owned\\x07\" is no keyword", 1},
        {"tw\x1B[2Jo.bdf", head + "BBX 1 1 0 0\nBITMAP\n80\nENDCHAR\nENDFONT\n",
         "tw\\x1B[2Jo.bdf: Character 65 (\\x1B]0;owned\\x07): the code is taken", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.File);
        testdata::WriteAll(Path(c.File), std::vector<std::uint8_t>(c.Text.begin(), c.Text.end()));
        const TRun run = RunCli({"info", Path(c.File)});
        EXPECT_EQ(run.Status, c.Status);
        EXPECT_NE(run.Err.find(c.Message), std::string::npos) << run.Err;
        EXPECT_EQ(run.Err.find_first_of("\x1B\x07"), std::string::npos) << run.Err;
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
