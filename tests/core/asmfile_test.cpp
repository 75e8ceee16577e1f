// Assembler source export: the exact text for small fonts, the labels, and
// the real proof: pasmo assembles the source into the very bytes of the FZX
// file the font saves.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "formats/asmfile.h"
#include "formats/fileio.h"
#include "model/font.h"
#include "shareddata.h"
#include "tempdir.h"

namespace fs = std::filesystem;

namespace {

std::string Lines(const std::vector<std::string>& lines) {
    std::string text;
    for (const auto& line : lines)
        text += line + "\r\n";
    return text;
}

const std::string kRule = "; " + std::string(80, '-');

// Codes 32..106 ("j"): a one-pixel space, a 12-pixel "!", a kerned "j".
void MakeSample(TFZXFont& font) {
    font.SetLastChar('j');
    font.Glyph(0).SetAll("1", 2, 8, 0);
    font.Glyph('!' - 32).SetAll("111111111111|000000000001", 0, 12, 0);
    font.Glyph('j' - 32).SetAll("01|01|10", 3, 2, 1);
}

TEST(AsmFile, SmallestFontGivesTheWholeText) {
    TFZXFont font;
    font.SetLastChar(32);
    font.Glyph(0).SetWidth(3);
    const std::string expected = Lines({
        "; demo.asm - FZX font file",
        "; created with Quorrel",
        "",
        "\torg\t0",
        "",
        kRule,
        "; header",
        "",
        "header:",
        "\tdefb\t8\t\t; vertical gap between baselines in pixels",
        "",
        "tracking:",
        "\tdefb\t0\t\t; horizontal gap between characters in pixels",
        "",
        "lastchar:",
        "\tdefb\t32\t\t; last defined character (32-255)",
        "",
        kRule,
        "; character table",
        "",
        "table:",
        "; defw offset+16384*kern",
        "; defb 16*leading+width-1",
        "",
        "\tdefw\tspace -$",
        "\tdefb\t16*0+3-1",
        "\tdefw\tterminus -$",
        "",
        kRule,
        "; definitions",
        "",
        "space:",
        "",
        "terminus:",
    });
    EXPECT_EQ(font.BuildASMText("/some/folder/demo.asm"), expected);
}

TEST(AsmFile, TableAndDefinitionLines) {
    TFZXFont font;
    MakeSample(font);
    const std::string text = font.BuildASMText("x.asm");

    EXPECT_NE(text.find(Lines({"\tdefw\tspace -$", "\tdefb\t16*2+8-1",
                               "\tdefw\texclamation_mark -$", "\tdefb\t16*0+12-1"})),
              std::string::npos);
    EXPECT_NE(text.find(Lines({"\tdefw\tlatin_small_letter_j+16384*1 -$", "\tdefb\t16*3+2-1",
                               "\tdefw\tterminus -$"})),
              std::string::npos);
    // The first label follows the section block directly, every later one
    // exactly one empty line; a glyph without rows has its label only.
    EXPECT_NE(text.find(Lines({kRule, "; definitions", "", "space:", "\tdefb\t%10000000", "",
                               "exclamation_mark:", "\tdefb\t%11111111,\t%11110000",
                               "\tdefb\t%00000000,\t%00010000", "", "quotation_mark:", "",
                               "number_sign:", ""})),
              std::string::npos);
    EXPECT_EQ(text.find("\r\n\r\n\r\n"), std::string::npos);
    const std::string tail = "\r\n\r\nterminus:\r\n";
    EXPECT_EQ(text.substr(text.size() - tail.size()), tail);
    for (std::size_t i = text.find('\n'); i != std::string::npos; i = text.find('\n', i + 1))
        ASSERT_EQ(text[i - 1], '\r') << "bare line feed at " << i;
}

// Rows the writers do not produce themselves (restored snapshots, pasted
// text) still give the definition bytes of the FZX file, row by row.
TEST(AsmFile, DefinitionLinesHoldTheFzxBytesForUnusualRows) {
    struct Case {
        int width;
        const char* rows;
    };
    const Case cases[] = {
        {10, "1111111111111111111"}, // longer than the width
        {5, "11111111"},
        {10, "1"}, // shorter than the width
        {1, "1|"}, // a trailing separator is an empty row
        {3, "|101"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.rows) + " width " + std::to_string(c.width));
        TFZXFont font;
        font.SetLastChar(32);
        font.Glyph(0).SetAll(c.rows, 0, c.width, 0);
        std::vector<std::uint8_t> image;
        ASSERT_EQ(font.BuildFZXImage(image), "");
        const std::size_t perRow = static_cast<std::size_t>((c.width - 1) / 8 + 1);
        std::vector<std::string> lines = {"space:"};
        for (std::size_t i = 8; i < image.size(); i += perRow) {
            std::string line = "\tdefb";
            for (std::size_t b = 0; b < perRow; ++b)
                line += (b > 0 ? ",\t%" : "\t%") + ByteToBits(image[i + b]);
            lines.push_back(line);
        }
        lines.push_back("");
        lines.push_back("terminus:");
        const std::string text = font.BuildASMText("x.asm");
        const std::string tail = Lines(lines);
        ASSERT_GE(text.size(), tail.size());
        EXPECT_EQ(text.substr(text.size() - tail.size()), tail);
    }
}

TEST(AsmFile, SavingTouchesNothingInTheFont) {
    const testdata::TempDir temp;
    const fs::path path = temp.Path() / "save.asm";
    for (const bool modified : {true, false}) {
        TFZXFont font;
        MakeSample(font);
        font.SetCurrent(2);
        font.GlyphChanged(THistoryKind::RectangleTool);
        font.SetModified(modified);
        const int position = font.UndoList().Position();
        int notifications = 0;
        font.OnChange = [&](TFZXFont&) { ++notifications; };

        ASSERT_EQ(font.SaveASM(path.string()), "");
        std::vector<std::uint8_t> bytes = ReadFileBytes(path.string());
        EXPECT_EQ(std::string(bytes.begin(), bytes.end()), font.BuildASMText(path.string()));
        EXPECT_EQ(font.Modified(), modified);
        EXPECT_EQ(font.UndoList().Position(), position);
        EXPECT_TRUE(font.CanUndo());
        EXPECT_EQ(notifications, 0);
    }
    fs::remove(path);

    // A font without glyphs (a cleared one) has no FZX file to describe.
    TFZXFont empty;
    EXPECT_EQ(empty.SaveASM(path.string()), "File write error! File not saved.");
    EXPECT_FALSE(fs::exists(path));
}

// The first line names the file; no name can break out of that comment.
TEST(AsmFile, FirstLineShowsTheNameSafely) {
    TFZXFont font;
    MakeSample(font);
    const std::string rest = font.BuildASMText("demo.asm").substr(sizeof "; demo.asm" - 1);
    const std::pair<const char*, const char*> cases[] = {
        {"/a/b/demo.asm", "demo.asm"},
        {"we ird\nDEFB 99;x.asm", "we ird?DEFB 99;x.asm"},
        {"cr\rtab\tdel\x7F.asm", "cr?tab?del?.asm"},
        {"caf\xC3\xA9.asm", "caf\xC3\xA9.asm"}, // bytes beyond ASCII stay
#ifdef _WIN32
        {"C:\\fonts\\demo.asm", "demo.asm"},
#else
        {"/fonts/back\\slash.asm", "back\\slash.asm"},
#endif
    };
    for (const auto& [path, shown] : cases) {
        SCOPED_TRACE(::testing::PrintToString(path));
        const std::string text = font.BuildASMText(path);
        EXPECT_EQ(text, "; " + std::string(shown) + rest);
        EXPECT_EQ(text.find("\nDEFB"), std::string::npos);
    }
}

TEST(AsmFile, CharLabels) {
    const std::pair<int, const char*> samples[] = {
        {32, "space"},
        {33, "exclamation_mark"},
        {45, "hyphen_minus"},
        {47, "solidus"},
        {48, "digit_0"},
        {57, "digit_9"},
        {58, "colon"},
        {64, "commercial_at"},
        {65, "latin_capital_letter_a"},
        {90, "latin_capital_letter_z"},
        {91, "left_square_bracket"},
        {92, "reverse_solidus"},
        {96, "grave_accent"},
        {97, "latin_small_letter_a"},
        {122, "latin_small_letter_z"},
        {123, "left_curly_bracket"},
        {126, "tilde"},
        {127, "delete"},
        {128, "character_128"},
        {200, "character_200"},
        {255, "character_255"},
    };
    for (const auto& [code, label] : samples)
        EXPECT_EQ(CharLabel(code), label) << code;

    // Labels must be distinct symbols (pasmo ignores letter case).
    std::set<std::string> seen;
    for (int code = 32; code <= 255; ++code) {
        const std::string label = CharLabel(code);
        EXPECT_TRUE(seen.insert(label).second) << label;
        for (const char c : label)
            EXPECT_TRUE((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_') << label;
    }
}

// The exported source, assembled by a real Z80 assembler, gives the FZX file.
TEST(AsmFile, PasmoBuildsTheFzxFile) {
    if (std::system("command -v pasmo >/dev/null 2>&1") != 0)
        GTEST_SKIP() << "pasmo not found on PATH (scripts/install-deps.sh installs it)";
    const testdata::TempDir temp;
    const fs::path& dir = temp.Path();

    auto check = [&](TFZXFont& font, const std::string& name,
                     const std::string& sourceName = "font.asm") {
        SCOPED_TRACE(name);
        std::vector<std::uint8_t> expected;
        ASSERT_EQ(font.BuildFZXImage(expected), "");
        const std::string source = (dir / sourceName).string(),
                          binary = (dir / "font.bin").string();
        ASSERT_EQ(font.SaveASM(source), "");
        fs::remove(binary);
        const std::string command =
            "pasmo '" + source + "' '" + binary + "' >'" + (dir / "log").string() + "' 2>&1";
        ASSERT_EQ(std::system(command.c_str()), 0);
        EXPECT_EQ(ReadFileBytes(binary), expected);
    };

    TFZXFont sample;
    MakeSample(sample);
    sample.SetLastChar(255); // labels character_128 and up
    sample.SetTracking(2);
    check(sample, "sample");
    // A line break in the file name must not become a line of source: the
    // second name would define the label "header" twice.
    check(sample, "line break in the name", "we ird\nDEFB 99;x.asm");
    check(sample, "label in the name", "twice\nheader:\n.asm");

    if (testdata::HaveSharedFonts()) {
        int kerned = 0, wide = 0;
        auto fonts = testdata::FontFiles("fzx", ".fzx");
        for (const auto& chr : testdata::FontFiles("chr", ".chr"))
            fonts.push_back(chr);
        for (const auto& file : fonts) {
            TFZXFont font;
            const std::string error = file.extension() == ".chr" ? font.LoadCHR(file.string())
                                                                 : font.LoadFZX(file.string());
            ASSERT_EQ(error, "") << file;
            for (int i = 0; i < font.Count(); ++i) {
                kerned += font.Glyph(i).Kern() != 0;
                wide += font.Glyph(i).Width() > 8;
            }
            check(font, file.string());
        }
        EXPECT_GT(kerned, 0);
        EXPECT_GT(wide, 0);
    }
}

} // namespace
