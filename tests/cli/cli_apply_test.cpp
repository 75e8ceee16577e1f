// quorrel-cli apply, run as a separate process: the saved font equals the
// same all-glyph commands run in the process, and every failure exits with
// its status and message and leaves no output behind.

#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "formats/fileio.h"
#include "model/font.h"
#include "runcli.h"
#include "shareddata.h"
#include "tempdir.h"

namespace fs = std::filesystem;

namespace {

// Runs quorrel-cli apply with args.
using testcli::TRun;

TRun RunCli(const std::vector<std::string>& args) {
    std::vector<std::string> words = {"apply"};
    words.insert(words.end(), args.begin(), args.end());
    return testcli::RunCli(words);
}

struct TOp {
    TCharOperation Code;
    double WidthFactor = 1.0, HeightFactor = 1.0;
};

// What the window's "... all" commands give on the font in file.
void ApplyInProcess(TFZXFont& font, const std::vector<TOp>& ops) {
    for (const TOp& op : ops) {
        font.OnGetScaleFactors = [&op](double& w, double& h) {
            w = op.WidthFactor;
            h = op.HeightFactor;
            return true;
        };
        font.ApplyToAll(op.Code);
    }
}

class CliApplyTest : public ::testing::Test {
  protected:
    void SetUp() override {
        // Codes 32..35 in a body of 8: a blank space, a bar, a corner and a dot.
        TFZXFont font;
        font.SetLastChar(35);
        font.Glyph(0).SetAll("", 0, 3, 0);
        font.Glyph(1).SetAll("1|1|1|1|1", 1, 1, 0);
        font.Glyph(2).SetAll("1100|1000", 2, 4, 1);
        font.Glyph(3).SetAll("01", 6, 2, 0);
        ASSERT_EQ(font.SaveFZX(Path("in.fzx")), "");
    }
    std::string Path(const std::string& name) const { return (dir / name).string(); }
    TRun Run(const std::vector<std::string>& args) const { return RunCli(args); }

    testdata::TempDir temp;
    const fs::path& dir = temp.Path();
};

void ExpectSameFont(TFZXFont& a, TFZXFont& b) {
    EXPECT_EQ(a.Height(), b.Height());
    EXPECT_EQ(a.LastChar(), b.LastChar());
    ASSERT_EQ(a.Count(), b.Count());
    for (int i = 0; i < a.Count(); ++i) {
        SCOPED_TRACE(i + 32);
        EXPECT_EQ(a.Glyph(i).Rows(), b.Glyph(i).Rows());
        EXPECT_EQ(a.Glyph(i).Leading(), b.Glyph(i).Leading());
        EXPECT_EQ(a.Glyph(i).Width(), b.Glyph(i).Width());
        EXPECT_EQ(a.Glyph(i).Kern(), b.Glyph(i).Kern());
    }
}

TEST_F(CliApplyTest, SavesWhatTheCommandsGiveInOrder) {
    struct Case {
        std::vector<std::string> Words;
        std::vector<TOp> Ops;
        std::string Err;
    };
    const Case cases[] = {
        {{"italic"}, {{coItalic}}, ""},
        {{"bold", "adjust-right"}, {{coBold}, {coAdjustRight}}, ""},
        {{"adjust-right", "bold"}, {{coAdjustRight}, {coBold}}, ""},
        {{"adjust-top", "adjust-hcenter"}, {{coAdjustTop}, {coAdjustHCenter}}, ""},
        {{"adjust-bottom", "adjust-left", "adjust-vcenter"},
         {{coAdjustBottom}, {coAdjustLeft}, {coAdjustVCenter}},
         ""},
        // The bar grows to 9 rows from the top, the dot to 11, in a body of 8.
        {{"scale=2x1.5"},
         {{coScale, 2.0, 1.5}},
         "quorrel-cli: 2 characters reach below the body height of 8 (the tallest is 11 rows): "
         "--op height=11 makes room\n"},
        {{"scale=1.5x0.5", "clear"}, {{coScale, 1.5, 0.5}, {coClear}}, ""},
    };
    for (const auto& c : cases) {
        std::vector<std::string> args = {Path("in.fzx"), Path("out.fzx")};
        for (const auto& w : c.Words)
            args.insert(args.end(), {"--op", w});
        SCOPED_TRACE(args[3]);
        const TRun run = Run(args);
        ASSERT_EQ(run.Status, 0) << run.Err;
        EXPECT_EQ(run.Err, c.Err);

        TFZXFont expected, saved;
        ASSERT_EQ(expected.LoadFZX(Path("in.fzx")), "");
        ApplyInProcess(expected, c.Ops);
        ASSERT_EQ(saved.LoadFZX(Path("out.fzx")), "");
        ExpectSameFont(saved, expected);
        fs::remove(Path("out.fzx"));
    }
}

// height=N sets the body height where it stands among the operations:
// after a scaling it makes room for what grew, before one it is scaled.
TEST_F(CliApplyTest, HeightSetsTheBodyHeightInOrder) {
    const struct {
        std::vector<std::string> Words;
        int Height;
        int Leading; // of the bar, 1 row from the top before
    } cases[] = {
        {{"height=12"}, 12, 1},
        {{"scale=1x2", "height=16"}, 16, 2},
        {{"height=4", "scale=1x2", "height=008"}, 8, 2},
    };
    for (const auto& c : cases) {
        std::vector<std::string> args = {Path("in.fzx"), Path("out.fzx")};
        for (const auto& w : c.Words)
            args.insert(args.end(), {"--op", w});
        SCOPED_TRACE(args.back());
        const TRun run = Run(args);
        ASSERT_EQ(run.Status, 0) << run.Err;
        EXPECT_EQ(run.Err, "");
        TFZXFont saved;
        ASSERT_EQ(saved.LoadFZX(Path("out.fzx")), "");
        EXPECT_EQ(saved.Height(), c.Height);
        EXPECT_EQ(saved.Glyph(1).Leading(), c.Leading);
        fs::remove(Path("out.fzx"));
    }
}

TEST_F(CliApplyTest, WritesOtherFormatsByExtension) {
    const TRun run = Run({Path("in.fzx"), Path("out.asm"), "--op=adjust-left"});
    ASSERT_EQ(run.Status, 0) << run.Err;
    EXPECT_TRUE(fs::exists(Path("out.asm")));
    // A bold glyph no longer fits the 8 x 8 cell of CHR data.
    const TRun chr = Run({Path("in.fzx"), Path("out.chr"), "--op", "bold"});
    EXPECT_EQ(chr.Status, 1);
    EXPECT_EQ(chr.Err.rfind("quorrel-cli: ", 0), 0u) << chr.Err;
    EXPECT_FALSE(fs::exists(Path("out.chr")));
}

TEST_F(CliApplyTest, AdjustLeftAndFitWidthMakeACharacterSetProportional) {
    // A monospaced 8 x 8 set: a space, a narrow bar in the middle, a wide box.
    TFZXFont mono;
    mono.SetLastChar(34);
    mono.Glyph(1).SetAll("00011000|00011000|00011000", 1, 8, 0);
    mono.Glyph(2).SetAll("01111110|01000010|01111110", 2, 8, 0);
    ASSERT_EQ(mono.SaveCHR(Path("mono.chr")), "");
    const TRun run =
        Run({Path("mono.chr"), Path("out.fzx"), "--op", "adjust-left", "--op", "fit-width"});
    ASSERT_EQ(run.Status, 0) << run.Err;
    TFZXFont saved;
    ASSERT_EQ(saved.LoadFZX(Path("out.fzx")), "");
    ASSERT_GE(saved.Count(), 3);
    EXPECT_EQ(saved.Glyph(0).Width(), 8); // the space stays a space
    EXPECT_EQ(saved.Glyph(1).Width(), 2);
    EXPECT_EQ(saved.Glyph(1).Rows(), "11|11|11");
    EXPECT_EQ(saved.Glyph(2).Width(), 6);
}

TEST_F(CliApplyTest, ScalingErrorsWriteNothing) {
    const TRun run = Run({Path("in.fzx"), Path("out.fzx"), "--op", "bold", "--op", "scale=1x30"});
    EXPECT_EQ(run.Status, 1);
    EXPECT_EQ(run.Err, "quorrel-cli: There were 4 scaling errors!\n");
    EXPECT_FALSE(fs::exists(Path("out.fzx")));
}

TEST_F(CliApplyTest, MistakesAreUsageErrors) {
    const std::vector<std::vector<std::string>> cases = {
        {"--op", "shout"},
        {"--op", "scale=2"},
        {"--op", "scale=0x1"},
        {"--op", "scale=-1x1"},
        {"--op", "scale=1x"},
        {"--op", "scale=ax1"},
        {"--op", "scale= 1x1"},
        {"--op", "scale=nanx1"},
        {"--op", "scale=infx1"},
        {"--op", "scale=1x1x1"},
        {"--op", "height=0"},
        {"--op", "height=193"},
        {"--op", "height="},
        {"--op", "height=-1"},
        {"--op"},
        {},
        {"--op", "bold", "--fast"},
        {"--op", "bold", "extra"},
    };
    for (const auto& extra : cases) {
        std::vector<std::string> args = {Path("in.fzx"), Path("out.fzx")};
        args.insert(args.end(), extra.begin(), extra.end());
        SCOPED_TRACE(extra.empty() ? "(none)" : extra.back());
        const TRun run = Run(args);
        EXPECT_EQ(run.Status, 2);
        // One line naming the mistake, then where to look; not the whole usage.
        EXPECT_EQ(run.Err.rfind("quorrel-cli: apply: ", 0), 0u) << run.Err;
        EXPECT_EQ(run.Err.substr(run.Err.find('\n')), "\nTry 'quorrel-cli --help'.\n");
        EXPECT_FALSE(fs::exists(Path("out.fzx")));
    }
}

TEST_F(CliApplyTest, UnreadableFontFails) {
    const TRun missing = Run({Path("missing.fzx"), Path("out.fzx"), "--op", "bold"});
    EXPECT_EQ(missing.Status, 1);
    EXPECT_EQ(missing.Err.rfind("quorrel-cli: ", 0), 0u);
    const TRun extension = Run({Path("in.fzx"), Path("out.txt"), "--op", "bold"});
    EXPECT_EQ(extension.Status, 1);
    EXPECT_EQ(extension.Err, "quorrel-cli: Illegal file extension! File not saved.\n");
    EXPECT_FALSE(fs::exists(Path("out.txt")));
}

TEST_F(CliApplyTest, RealFontsRoundTrip) {
    QUORREL_REQUIRE_SHARED_FONTS();
    // Two fonts of the collection: the command line and the model agree.
    const auto files = testdata::FontFiles("fzx", ".fzx");
    for (const auto& file : {files.front(), files.back()}) {
        SCOPED_TRACE(file.string());
        const TRun run =
            Run({file.string(), Path("out.fzx"), "--op", "italic", "--op", "adjust-vcenter"});
        ASSERT_EQ(run.Status, 0) << run.Err;
        TFZXFont expected, saved;
        ASSERT_EQ(expected.LoadFZX(file.string()), "");
        ApplyInProcess(expected, {{coItalic}, {coAdjustVCenter}});
        ASSERT_EQ(saved.LoadFZX(Path("out.fzx")), "");
        ExpectSameFont(saved, expected);
    }
}

} // namespace
