// The glyph: setters, normal and expanded form, FZX byte decoding, copying
// and the folding of change notifications into one.

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "model/font.h"
#include "model/glyph.h"
#include "model/updatescope.h"
#include "raster/raster.h"
#include "watchedfont.h"

namespace {

// count copies of row, then tail rows, joined by '|'.
std::string Rows(int count, const std::string& row, const std::string& tail = "") {
    TStringList list(static_cast<std::size_t>(count), row);
    if (!tail.empty()) list.push_back(tail);
    return JoinText(list, '|');
}

struct Values {
    std::string rows;
    int leading, width, kern;
};

Values ValuesOf(const TFZXChar& g) {
    return {g.Rows(), g.Leading(), g.Width(), g.Kern()};
}

void ExpectValues(const TFZXChar& g, const Values& v) {
    EXPECT_EQ(g.Rows(), v.rows);
    EXPECT_EQ(g.Leading(), v.leading);
    EXPECT_EQ(g.Width(), v.width);
    EXPECT_EQ(g.Kern(), v.kern);
}

TEST(GlyphModel, SetterWithCurrentValueChangesAndNotifiesNothing) {
    struct Case {
        const char* name;
        std::function<void(TFZXChar&)> same, other;
    };
    const Case cases[] = {
        {"kern", [](TFZXChar& g) { g.SetKern(1); }, [](TFZXChar& g) { g.SetKern(2); }},
        {"leading", [](TFZXChar& g) { g.SetLeading(2); }, [](TFZXChar& g) { g.SetLeading(3); }},
        {"rows", [](TFZXChar& g) { g.SetRows("0110|1001"); },
         [](TFZXChar& g) { g.SetRows("1111"); }},
        {"width", [](TFZXChar& g) { g.SetWidth(4); }, [](TFZXChar& g) { g.SetWidth(5); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Watched w;
        TFZXChar g(&w.font);
        g.SetAll("0110|1001", 2, 4, 1);
        const Values before = ValuesOf(g);
        w.notes = 0;
        c.same(g);
        EXPECT_EQ(w.notes, 0);
        ExpectValues(g, before);
        c.other(g);
        EXPECT_EQ(w.notes, 1);
        EXPECT_FALSE(w.font.Modified()) << "a glyph alone never marks the font";
    }
}

TEST(GlyphModel, SetWidthCutsOrFillsOnTheRightAndTrims) {
    struct Case {
        const char* rows;
        int leading, width, newWidth;
        const char* wantRows;
        int wantLeading;
    };
    const Case cases[] = {
        {"0110|1001", 0, 4, 2, "01|10", 0},
        {"0110|1001", 0, 4, 6, "011000|100100", 0},
        {"0001|0001", 3, 4, 3, "", 3},  // the only inked column goes; leading stays
        {"10|01", 0, 2, 1, "1", 0},     // last row turns blank and is dropped
        {"01|10", 5, 2, 1, "1", 6},     // first row turns blank and moves into leading
        {"01101", 0, 3, 5, "01100", 0}, // pixels past the old width do not come back
        {"1|1", 15, 1, 16, "1000000000000000|1000000000000000", 15},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.rows) + " -> width " + std::to_string(c.newWidth));
        Watched w;
        TFZXChar g(&w.font);
        g.SetAll(c.rows, c.leading, c.width, 3);
        w.notes = 0;
        g.SetWidth(c.newWidth);
        ExpectValues(g, {c.wantRows, c.wantLeading, c.newWidth, 3});
        EXPECT_EQ(w.notes, 1);
    }
}

TEST(GlyphModel, NormalizeDropsBlankEdgesAndStopsAtLeading15) {
    struct Case {
        std::string rows;
        int leading;
        std::string wantRows;
        int wantLeading;
    };
    const Case cases[] = {
        {"000|000|010|000", 1, "010", 3},
        {Rows(20, "000", "010"), 0, Rows(5, "000", "010"), 15},
        {Rows(3, "000", "010"), 14, Rows(2, "000", "010"), 15},
        {"000|010", 15, "000|010", 15},
        {"010|000|000|010|000", 0, "010|000|000|010", 0}, // inner blank rows stay
        {"000|000", 2, "", 2},                            // no ink: nothing moves into leading
        {"", 4, "", 4},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.rows + " leading " + std::to_string(c.leading));
        Watched w;
        TFZXChar g(&w.font);
        g.SetAll(c.rows, c.leading, 3, 0);
        w.notes = 0;
        g.Normalize();
        ExpectValues(g, {c.wantRows, c.wantLeading, 3, 0});
        EXPECT_EQ(w.notes, 1);
        g.Normalize(); // normal form is a fixed point
        ExpectValues(g, {c.wantRows, c.wantLeading, 3, 0});
    }
}

TEST(GlyphModel, ExpandFillsTheCellSilentlyAndNormalizeUndoesIt) {
    struct Case {
        std::string rows;
        int leading;
        bool withFont;
        std::string wantRows;
    };
    const Case cases[] = {
        {"101|010|111", 2, true, "000|000|101|010|111|000|000|000"},
        {Rows(10, "111"), 2, true, Rows(2, "000") + "|" + Rows(10, "111")},
        {Rows(9, "010"), 0, true, Rows(9, "010")},
        {"", 0, true, Rows(8, "000")},
        {"111", 2, false, "000|000|111"}, // without a font the height is 0
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.rows + " leading " + std::to_string(c.leading));
        Watched w;
        TFZXChar g(c.withFont ? &w.font : nullptr);
        g.SetAll(c.rows, c.leading, 3, 1);
        w.notes = 0;
        g.Expand();
        ExpectValues(g, {c.wantRows, 0, 3, 1});
        EXPECT_EQ(w.notes, 0);
        EXPECT_EQ(g.UpdateLock(), 0);
        g.Normalize();
        ExpectValues(g, {c.rows, c.rows.empty() ? 0 : c.leading, 3, 1});
    }
}

TEST(GlyphModel, DecodeFZXBytesTurnsBytesIntoRowsOfTheWidth) {
    struct Case {
        int width;
        std::vector<unsigned char> bytes;
        const char* wantRows;
    };
    const Case cases[] = {
        {10, {255, 192, 7}, "1111111111"}, // the odd third byte is ignored
        {3, {0xE0, 0x00, 0xBF}, "111|000|101"},
        {16, {0x80, 0x01, 0x00, 0x00}, "1000000000000001|0000000000000000"},
        {8, {'|', '|'}, "01111100|01111100"}, // bytes equal to the separator are data
        {8, {}, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE("width " + std::to_string(c.width));
        Watched w;
        TFZXChar g(&w.font);
        g.SetAll(std::string(c.bytes.begin(), c.bytes.end()), 0, c.width, 0);
        w.notes = 0;
        g.DecodeFZXBytes();
        EXPECT_EQ(g.Rows(), c.wantRows);
        EXPECT_EQ(w.notes, 1);
    }
}

TEST(GlyphModel, ByteToBitsAndTakeByteAreInverse) {
    EXPECT_EQ(ByteToBits(1), "00000001");
    std::string text = "101";
    EXPECT_EQ(TakeByte(text), 160);
    EXPECT_EQ(text, "");
    text = "1x11111111";
    EXPECT_EQ(TakeByte(text), 0xBF);
    EXPECT_EQ(text, "11");
    for (int b = 0; b < 256; ++b) {
        std::string bits = ByteToBits(static_cast<std::uint8_t>(b));
        ASSERT_EQ(TakeByte(bits), b);
        ASSERT_TRUE(bits.empty());
    }
}

TEST(GlyphModel, ClearAssignAndCopyFrom) {
    Watched w;
    TFZXChar g(&w.font), source(&w.font);

    g.SetAll("010|111", 3, 5, 2);
    w.notes = 0;
    g.Clear();
    ExpectValues(g, {"", 0, 5, 0});
    EXPECT_EQ(w.notes, 1);

    // Assign restores exactly, even rows that are not in normal form.
    source.SetAll("000|010", 0, 3, 1);
    source.SetDataLength(7);
    w.notes = 0;
    g.Assign(source);
    ExpectValues(g, {"000|010", 0, 3, 1});
    EXPECT_EQ(g.DataLength(), 7);
    EXPECT_EQ(w.notes, 1);

    source.SetAll("1", 4, 1, 0);
    w.notes = 0;
    g.CopyFrom(source);
    ExpectValues(g, {"1", 4, 1, 0});
    EXPECT_GE(w.notes, 1);

    w.notes = 0;
    g.CopyFrom(g);
    ExpectValues(g, {"1", 4, 1, 0});
    EXPECT_EQ(w.notes, 0);
}

TEST(GlyphModel, UpdateBracketFoldsChangesIntoOneNotification) {
    Watched w;
    TFZXChar g(&w.font);
    {
        TGlyphUpdate outer(g);
        g.SetKern(1);
        g.SetLeading(2);
        g.SetRows("1|1");
        {
            TGlyphUpdate inner(g);
            g.SetWidth(3);
            g.SetRows("111");
        }
        EXPECT_EQ(w.notes, 0) << "inner bracket must stay silent";
        g.Normalize();
    }
    EXPECT_EQ(w.notes, 1);
    EXPECT_EQ(g.UpdateLock(), 0);
    ExpectValues(g, {"111", 2, 3, 1});

    // A bracket without changes still notifies once.
    w.notes = 0;
    { TGlyphUpdate update(g); }
    EXPECT_EQ(w.notes, 1);
}

TEST(GlyphModel, HandlerEditingTheGlyphCausesNoNestedNotification) {
    TFZXFont font;
    TFZXChar g(&font);
    int notes = 0;
    font.OnChange = [&](TFZXFont&) {
        ++notes;
        g.SetKern(g.Kern() + 1);
        font.SetHeight(font.Height() + 1);
    };
    g.SetLeading(1);
    EXPECT_EQ(notes, 1);
    EXPECT_EQ(g.Kern(), 1);
    EXPECT_EQ(font.Height(), 9);
    EXPECT_EQ(g.UpdateLock(), 0);
    EXPECT_EQ(font.UpdateLock(), 0);
}

TEST(GlyphModel, DataSizeCountsBytesPerRow) {
    struct Case {
        const char* rows;
        int width, want;
    };
    const Case cases[] = {{"", 8, 0},      {"1", 1, 1},    {"1|1|1", 8, 3},
                          {"1|1|1", 9, 6}, {"1|1", 16, 4}, {"1|1", 17, 6}};
    for (const auto& c : cases) {
        TFZXChar g(nullptr);
        g.SetAll(c.rows, 0, c.width, 0);
        EXPECT_EQ(g.DataSize(), c.want) << c.rows << " width " << c.width;
    }
}

TEST(GlyphModel, RowCountFollowsEveryWayTheRowsChange) {
    // The count is kept between changes; after each kind of edit it must
    // still equal a fresh count of the row text.
    Watched w;
    w.font.SetLastChar(33);
    TFZXChar& g = w.font.Glyph(0);
    TFZXChar& other = w.font.Glyph(1);
    other.SetRows(Rows(3, "11000000"));
    TRaster raster;
    std::string rows;
    const std::vector<std::pair<const char*, std::function<void()>>> edits = {
        {"SetRows", [&] { g.SetRows(Rows(2, "10000001")); }},
        {"SetAll", [&] { g.SetAll(Rows(5, "01"), 1, 8, 0); }},
        {"Bold", [&] { g.Bold(); }},
        {"Italic", [&] { g.Italic(); }},
        {"Expand", [&] { g.Expand(); }},
        {"Normalize", [&] { g.Normalize(); }},
        {"RollDown", [&] { g.RollDown(1); }},
        {"FlipVertical", [&] { g.FlipVertical(); }},
        {"Scale", [&] { g.Scale(2.0, 0.5); }},
        {"ToBitmap", [&] { g.ToBitmap(rows, raster); }},
        {"RowsToBitmap", [&] { g.RowsToBitmap(true, Rows(4, "1"), raster); }},
        {"FromBitmap", [&] { g.FromBitmap(raster, true); }},
        {"CopyFrom", [&] { g.CopyFrom(other); }},
        {"Clear", [&] { g.Clear(); }},
    };
    for (const auto& [name, edit] : edits) {
        (void)g.RowCount(); // the count is cached before the edit
        edit();
        EXPECT_EQ(g.RowCount(), CountParts(g.Rows(), '|')) << name;
    }
}

} // namespace
