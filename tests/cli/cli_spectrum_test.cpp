// `quorrel-cli spectrum`: arguments read as render reads its text, and the
// files it writes are the core's tape, snapshot and source for them.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "formats/fileio.h"
#include "model/font.h"
#include "runcli.h"
#include "spectrum/printroutine.h"
#include "spectrum/spectrumfiles.h"
#include "spectrum/spectrumscreen.h"
#include "tempdir.h"

namespace fs = std::filesystem;

namespace {

class CliSpectrum : public ::testing::Test {
  protected:
    void SetUp() override {
        Font.SetLastChar(70);
        for (int i = 0; i < Font.Count(); ++i)
            Font.Glyph(i).SetAll("1010|0101", i % 3, 4 + i % 5, i % 2);
        FontPath = (Temp.Path() / "f.fzx").string();
        ASSERT_EQ(Font.SaveFZX(FontPath), "");
    }
    std::string Out(const std::string& name) const { return (Temp.Path() / name).string(); }

    testdata::TempDir Temp;
    TFZXFont Font;
    std::string FontPath;
};

TEST_F(CliSpectrum, WritesTheCoreFilesForTheOptions) {
    TSpectrumOptions o;
    o.Text = "AB\rC"; // "[66]" and the newline, as render reads them
    o.X = 12;
    o.Y = 34;
    o.Ink = 1;
    o.Paper = 5;
    o.Border = 0;
    o.Wrap = TWrapMode::Words;
    TSpectrumProgram program;
    ASSERT_EQ(BuildSpectrumProgram(Font, o, program), "");
    const testcli::TRun tap =
        testcli::RunCli({"spectrum", FontPath, Out("t.tap"), "--text", "A[66]\nC", "--at", "12,34",
                         "--ink", "1", "--paper", "5", "--border", "0", "--wrap", "words"});
    ASSERT_EQ(tap.Status, 0) << tap.Err;
    EXPECT_TRUE(ReadFileBytes(Out("t.tap")) == BuildSpectrumTape(program));
    // The screen file of the same, bright.
    o.Bright = true;
    TSpectrumScreen screen;
    SetSpectrumText(screen, Font, o);
    const testcli::TRun scr =
        testcli::RunCli({"spectrum", FontPath, Out("t.scr"), "--text", "A[66]\nC", "--at", "12,34",
                         "--ink", "1", "--paper", "5", "--bright", "--border", "0"});
    ASSERT_EQ(scr.Status, 0) << scr.Err;
    EXPECT_TRUE(ReadFileBytes(Out("t.scr")) == screen.Memory());

    // Without --text every character of the font, at 0,0 in black on white.
    TSpectrumOptions plain;
    for (int c = 32; c <= 70; ++c)
        plain.Text += static_cast<char>(c);
    ASSERT_EQ(BuildSpectrumProgram(Font, plain, program), "");
    ASSERT_EQ(testcli::RunCli({"spectrum", FontPath, Out("s.Z80")}).Status, 0);
    EXPECT_TRUE(ReadFileBytes(Out("s.Z80")) == BuildSpectrumSnapshot(program));
    ASSERT_EQ(testcli::RunCli({"spectrum", FontPath, Out("s.asm")}).Status, 0);
    EXPECT_EQ(testcli::ReadText(Out("s.asm")), BuildSpectrumSource(program, "f.fzx"));

    // --routine compact: the same program with the compact routine.
    plain.Routine = TPrintRoutine::Compact;
    ASSERT_EQ(BuildSpectrumProgram(Font, plain, program), "");
    ASSERT_EQ(testcli::RunCli({"spectrum", FontPath, Out("c.tap"), "--routine", "compact"}).Status,
              0);
    EXPECT_TRUE(ReadFileBytes(Out("c.tap")) == BuildSpectrumTape(program));
}

TEST_F(CliSpectrum, SaysWhatDoesNotShowAndStillWrites) {
    TSpectrumProgram program;
    const struct {
        const char* What;
        std::vector<std::string> Args;
        std::string Text;
        std::string Err;
    } rows[] = {
        {"an empty text sets nothing", {"--text", ""}, "", ""},
        {"leading zeros", {"--text", "A", "--at", "007,0000191"}, "A", ""},
        {"too long for the screen",
         {"--text", std::string(2000, 'B'), "--at", "0,180"},
         std::string(2000, 'B'),
         "quorrel-cli: 64 of 2000 characters fit on the screen\n"},
        {"ink on paper of its own colour",
         {"--text", "A", "--ink", "3", "--paper", "03"},
         "A",
         "quorrel-cli: ink and paper are the same colour: the text will not show\n"},
        // The routine stops at a code the font lacks: the tape holds the
        // whole text, and the user hears what will not show.
        {"a character the font lacks",
         {"--text", "AB\xC3\xA9 C"},
         "AB\xE9 C",
         "quorrel-cli: the text stops at character 233 (\xC3\xA9), which the font does not have: "
         "3 of its 5 characters are left out\n"},
    };
    for (const auto& row : rows) {
        // The compact routine's tape loads the text as its last block.
        std::vector<std::string> args = {"spectrum", FontPath, Out("w.tap"), "--routine",
                                         "compact"};
        args.insert(args.end(), row.Args.begin(), row.Args.end());
        const testcli::TRun r = testcli::RunCli(args);
        EXPECT_EQ(r.Status, 0) << row.What;
        EXPECT_EQ(r.Err, row.Err) << row.What;
        const std::vector<std::uint8_t> tape = ReadFileBytes(Out("w.tap"));
        // The text is the last code block: its bytes, a 0, the checksum.
        ASSERT_GE(tape.size(), row.Text.size() + 2) << row.What;
        EXPECT_EQ(std::string(tape.end() - 2 - static_cast<long>(row.Text.size()), tape.end() - 2),
                  row.Text)
            << row.What;
        EXPECT_EQ(tape[tape.size() - 2], 0) << row.What;
    }
}

TEST_F(CliSpectrum, RefusesBadArgumentsAndWritesNothing) {
    const std::vector<std::vector<std::string>> usage = {
        {FontPath},
        {FontPath, Out("a.tap"), "extra"},
        {FontPath, Out("a.tap"), "--at", "256,0"},
        {FontPath, Out("a.tap"), "--at", "0,192"},
        {FontPath, Out("a.tap"), "--at", "5"},
        {FontPath, Out("a.tap"), "--ink", "8"},
        {FontPath, Out("a.tap"), "--paper", "-1"},
        {FontPath, Out("a.tap"), "--border"},
        {FontPath, Out("a.tap"), "--zoom", "2"},
        {FontPath, Out("a.tap"), "--routine", "small"},
        {FontPath, Out("a.tap"), "--wrap", "lines"},
    };
    for (auto args : usage) {
        args.insert(args.begin(), "spectrum");
        const testcli::TRun r = testcli::RunCli(args);
        EXPECT_EQ(r.Status, 2) << args.back() << r.Err;
        EXPECT_EQ(r.Err.rfind("quorrel-cli: spectrum: ", 0), 0u) << r.Err;
    }
    const testcli::TRun type = testcli::RunCli({"spectrum", FontPath, Out("a.png")});
    EXPECT_EQ(type.Status, 1);
    EXPECT_NE(type.Err.find("Illegal file extension"), std::string::npos) << type.Err;
    const testcli::TRun missing = testcli::RunCli({"spectrum", Out("none.fzx"), Out("a.tap")});
    EXPECT_EQ(missing.Status, 1);
    EXPECT_NE(missing.Err.find("none.fzx"), std::string::npos) << missing.Err;
    // The compact routine cannot break between words; its start-up has no
    // place for the choice.
    const testcli::TRun compactWords = testcli::RunCli(
        {"spectrum", FontPath, Out("a.tap"), "--routine", "compact", "--wrap", "words"});
    EXPECT_EQ(compactWords.Status, 1);
    EXPECT_NE(compactWords.Err.find("between characters only"), std::string::npos)
        << compactWords.Err;
    EXPECT_FALSE(fs::exists(Out("a.tap")));
    EXPECT_FALSE(fs::exists(Out("a.png")));
}

// The help names the fast routine's size as built, its channel included.
TEST_F(CliSpectrum, HelpSaysHowLargeTheFastRoutineIs) {
    const testcli::TRun run = testcli::RunCli({"spectrum", "--help"});
    EXPECT_EQ(run.Status, 0);
    EXPECT_NE(run.Out.find("(fast: " + std::to_string(PrintRoutineSize(TPrintRoutine::Fast)) +
                           " bytes with its PRINT #4 channel;\n"),
              std::string::npos)
        << run.Out;
}

} // namespace
