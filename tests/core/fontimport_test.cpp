// Placing source glyphs into FZX glyphs: same ink at the same place and the
// same advance where FZX can say it, a report line wherever it cannot.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "formats/fontimport.h"
#include "watchedfont.h"

namespace {

TSourceGlyph Source(int advance, int left, int top, TStringList rows) {
    TSourceGlyph g;
    g.Code = 65;
    g.Label = "A";
    g.Advance = advance;
    g.Left = left;
    g.Top = top;
    g.Rows = std::move(rows);
    return g;
}

// count blank rows of width 1, then ink rows of "1".
std::string BlankRowsThenInk(int blank, int ink) {
    TStringList rows(static_cast<std::size_t>(blank), "0");
    rows.insert(rows.end(), static_cast<std::size_t>(ink), "1");
    return JoinText(rows, '|');
}

TEST(PlaceGlyph, KeepsInkAndAdvanceOrWidensAndReports) {
    struct Case {
        const char* What;
        TSourceGlyph Glyph;
        int Tracking;
        TPlacedGlyph Expected;
        const char* Note; // part of the one expected note, or nullptr for none
    };
    const Case cases[] = {
        {"plain", Source(4, 0, 2, {"110", "011"}), 0, {"1100|0110", 4, 2, 0}, nullptr},
        {"blank margins trimmed",
         Source(3, 0, 1, {"000", "010", "000"}),
         0,
         {"010", 3, 2, 0},
         nullptr},
        {"bitmap left of the pen takes the kern",
         Source(3, -2, 0, {"1001"}),
         0,
         {"10010", 5, 0, 2},
         nullptr},
        {"the bitmap, not its ink, sets the kern",
         Source(4, -5, 0, {"0000011"}),
         0,
         {"0001100", 7, 0, 3},
         nullptr},
        {"beyond the kern range moves right",
         Source(4, -5, 0, {"1"}),
         0,
         {"1000000", 7, 0, 3},
         "moved 2 pixels right"},
        {"ink right of the advance widens",
         Source(2, 0, 0, {"111"}),
         0,
         {"111", 3, 0, 0},
         "ink reaches 1 pixel right of the advance; width raised to 3"},
        {"tracking is part of the advance",
         Source(5, 0, 0, {"1111"}),
         1,
         {"1111", 4, 0, 0},
         nullptr},
        {"no advance", Source(0, 0, 0, {"1"}), 0, {"1", 1, 0, 0}, "advance 0 is too small"},
        {"deep glyph keeps blank rows above leading 15",
         Source(1, 0, 18, {"1"}),
         0,
         {"0|0|0|1", 1, 15, 0},
         nullptr},
        {"empty glyph keeps width, kern and leading",
         Source(3, -1, 20, {"000"}),
         0,
         {"", 4, 15, 1},
         nullptr},
        {"too wide for the editor",
         Source(300, 0, 0, {std::string(300, '1')}),
         0,
         {std::string(300, '1'), 300, 0, 0},
         "more than the editor's 256"},
        {"too tall for the editor",
         Source(1, 0, 190, {"1", "1", "1"}),
         0,
         {BlankRowsThenInk(175, 3), 1, 15, 0},
         "reaches 193 rows down"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.What);
        std::vector<std::string> notes;
        const TPlacedGlyph p = PlaceGlyph(c.Glyph, c.Tracking, notes);
        EXPECT_EQ(p.Rows, c.Expected.Rows);
        EXPECT_EQ(p.Width, c.Expected.Width);
        EXPECT_EQ(p.Leading, c.Expected.Leading);
        EXPECT_EQ(p.Kern, c.Expected.Kern);
        if (!c.Note) {
            EXPECT_TRUE(notes.empty()) << notes.front();
        } else {
            ASSERT_EQ(notes.size(), 1u);
            EXPECT_NE(notes[0].find(c.Note), std::string::npos) << notes[0];
            EXPECT_EQ(notes[0].rfind("Character 65 (A): ", 0), 0u) << notes[0];
        }
    }
}

TEST(FontImport, FillsTheFontAndReportsWhatItChanged) {
    TImportReport report;
    TFontImport import(report);
    import.Height = 6;
    import.Tracking = 1;
    TSourceGlyph space = Source(4, 0, 0, {});
    space.Code = 32;
    space.Label = "space";
    TSourceGlyph tall = Source(5, 0, -2, {"1", "1", "1"}); // two rows above the line
    tall.Code = 35;
    TSourceGlyph again = tall;
    again.Label = "numbersign";
    TSourceGlyph far = Source(3, 0, 0, {"1"});
    far.Code = 300;
    TSourceGlyph none = far;
    none.Code = -1;
    for (const TSourceGlyph& g : {space, tall, again, far, none})
        import.Add(g);
    EXPECT_EQ(import.Count(), 2);
    EXPECT_EQ(report.Skipped, 2);

    Watched w;
    w.font.SetLastChar(40);
    w.font.SetCurrent(3);
    w.notes = 0;
    ASSERT_EQ(import.Fill(w.font), "");
    EXPECT_EQ(w.notes, 1);
    EXPECT_FALSE(w.font.Modified());
    EXPECT_FALSE(w.font.CanUndo());
    EXPECT_EQ(w.font.CurrentIndex(), -1);
    EXPECT_EQ(w.font.Height(), 8);
    EXPECT_EQ(w.font.Tracking(), 1);
    EXPECT_EQ(w.font.LastChar(), 35);
    ASSERT_EQ(w.font.Count(), 4);
    const TFZXChar& g35 = w.font.Glyph(3);
    EXPECT_EQ(g35.Rows(), "1000|1000|1000");
    EXPECT_EQ(g35.Leading(), 0);
    EXPECT_EQ(g35.Width(), 4);
    // The space moved down with the rest; missing codes get its width.
    EXPECT_EQ(w.font.Glyph(0).Leading(), 2);
    EXPECT_EQ(w.font.Glyph(0).Width(), 3);
    EXPECT_EQ(w.font.Glyph(1).Width(), 3);
    EXPECT_EQ(w.font.Glyph(2).Rows(), "");

    const std::vector<std::string> expected = {
        "Character 35 (numbersign): the code is taken by an earlier glyph (A); this one is left "
        "out",
        "1 character reaches up to 2 rows above the line: every character moved 2 rows down, "
        "height raised from 6 to 8",
        "Not in the file, left empty: 33, 34",
        "2 characters outside codes 32 to 255 left out",
    };
    EXPECT_EQ(report.Lines, expected);
}

TEST(FontImport, NothingToImportLeavesTheFontAlone) {
    TImportReport report;
    TFontImport import(report);
    TSourceGlyph g = Source(3, 0, 0, {"1"});
    g.Code = 20;
    import.Add(g);
    Watched w;
    w.font.SetLastChar(33);
    EXPECT_EQ(import.Fill(w.font), "The file holds no characters with codes 32 to 255.");
    EXPECT_EQ(w.font.LastChar(), 33);
    EXPECT_EQ(report.Skipped, 1);
}

TEST(FontImport, NamesWideGlyphsAndCodeRanges) {
    TImportReport report;
    TFontImport import(report);
    for (int code : {32, 40, 41, 42, 50, 51}) {
        TSourceGlyph g = Source(code >= 40 ? 18 : 4, 0, 0, {"1"});
        g.Code = code;
        import.Add(g);
    }
    TFZXFont font;
    ASSERT_EQ(import.Fill(font), "");
    const std::vector<std::string> expected = {
        "Not in the file, left empty: 33 to 39, 43 to 49",
        "Wider than the 16 pixels FZX holds (narrow them before saving FZX): 40 to 42, 50, 51",
    };
    EXPECT_EQ(report.Lines, expected);
}

} // namespace
