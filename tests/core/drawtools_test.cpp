#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "drawing/drawtools.h"
#include "model/font.h"
#include "rasterart.h"

using testdata::ArtRaster;
using testdata::RasterArt;
using testdata::TArt;

namespace {

const TArt Blank8{"........", "........", "........", "........",
                  "........", "........", "........", "........"};
const TArt Full8{"########", "########", "########", "########",
                 "########", "########", "########", "########"};

TArt WithPixels(TArt art, const std::vector<TPoint>& pixels, char mark) {
    for (const TPoint& p : pixels)
        art[p.Y][p.X] = mark;
    return art;
}

// A font whose only glyph (code 32) is drawn from art, current and recorded
// as "select char"; the clipboard picture lives beside it.
class ToolStrokeTest : public testing::Test {
  protected:
    void Start(const TArt& art, int leading = 0) {
        font.OnChange = nullptr;
        font.Clear();
        font.SetLastChar(32);
        font.SetHeight(static_cast<int>(art.size()));
        std::string rows;
        for (std::size_t y = static_cast<std::size_t>(leading); y < art.size(); ++y) {
            if (!rows.empty() || y > static_cast<std::size_t>(leading)) rows += '|';
            for (char c : art[y])
                rows += c == '#' ? '1' : '0';
        }
        font.Glyph(0).SetAll(rows, leading, static_cast<int>(art[0].size()), 0);
        font.Glyph(0).Normalize();
        font.SetCurrent(0);
        font.SetModified(false);
        font.OnChange = [this](TFZXFont&) { ++refreshes; };
    }

    // The glyph's body as art, whatever form its rows are in.
    TArt GlyphArt() {
        const TFZXChar& g = font.Glyph(0);
        TArt art(static_cast<std::size_t>(font.Height()),
                 std::string(static_cast<std::size_t>(g.Width()), '.'));
        TStringList rows;
        SplitText(rows, g.Rows(), '|');
        for (std::size_t i = 0; i < rows.size(); ++i) {
            const std::size_t y = static_cast<std::size_t>(g.Leading()) + i;
            for (std::size_t x = 0; x < rows[i].size() && y < art.size() && x < art[y].size(); ++x)
                art[y][x] = rows[i][x] == '1' ? '#' : '.';
        }
        return art;
    }

    // Press at the first point, move through the others, release.
    std::optional<TRaster> Drag(TMouseButton button, const std::vector<TPoint>& track) {
        EXPECT_TRUE(stroke.Press(options, button, track[0].X, track[0].Y));
        for (std::size_t i = 1; i < track.size(); ++i)
            EXPECT_TRUE(stroke.Move(options, track[i].X, track[i].Y));
        return stroke.Release(options);
    }

    THistoryKind LastAction() const {
        const Tundolist& list = font.UndoList();
        return list.Entry(list.Count() - 1).Action;
    }

    TFZXFont font;
    TRaster clipboard;
    TToolStroke stroke{font, clipboard};
    TToolOptions options;
    int refreshes = 0;
};

TEST(DrawTools, ToolTable) {
    struct Row {
        std::optional<THistoryKind> Kind;
        TPointerShape Pointer;
    };
    const Row rows[DrawToolCount] = {{THistoryKind::PixelsChanged, TPointerShape::Pencil},
                                     {THistoryKind::LineTool, TPointerShape::Pencil},
                                     {THistoryKind::RectangleTool, TPointerShape::CrossHair},
                                     {THistoryKind::EllipseTool, TPointerShape::CrossHair},
                                     {THistoryKind::RubberTool, TPointerShape::Eraser},
                                     {THistoryKind::PasteTool, TPointerShape::Pencil},
                                     {std::nullopt, TPointerShape::CrossHair}};
    for (int tool = 0; tool < DrawToolCount; ++tool) {
        EXPECT_EQ(ToolInfo(tool).HistoryKind, rows[tool].Kind) << tool;
        EXPECT_EQ(CanvasPointer(tool, true, true), rows[tool].Pointer) << tool;
        EXPECT_EQ(CanvasPointer(tool, true, false), TPointerShape::Default);
        EXPECT_EQ(CanvasPointer(tool, false, true), TPointerShape::Default);
    }
    EXPECT_EQ(PositionText(true, 3, 12), "X:3 Y:12");
    EXPECT_EQ(PositionText(false, 3, 12), "X:-- Y:--");
    EXPECT_EQ(StrokeColor(1, TPenMode::SetPixels), clBlack);
    EXPECT_EQ(StrokeColor(-1, TPenMode::SetPixels), clWhite);
    EXPECT_EQ(StrokeColor(1, TPenMode::ResetPixels), clWhite);
    EXPECT_EQ(StrokeColor(-1, TPenMode::ResetPixels), clBlack);
}

TEST(DrawTools, TrackAndBounds) {
    TPointArray points;
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    EXPECT_FALSE(ToolFigureBounds(points, true, x1, y1, x2, y2));
    ReplaceLastToolPoint(points, 1, 1);
    EXPECT_TRUE(points.empty());
    AddToolPoint(points, 5, 6, false);
    AddToolPoint(points, 5, 6, false); // repeated point dropped ...
    EXPECT_EQ(points.size(), 1u);
    ASSERT_TRUE(ToolFigureBounds(points, true, x1, y1, x2, y2));
    EXPECT_EQ((std::vector<int>{x1, y1, x2, y2}), (std::vector<int>{5, 6, 5, 6}));
    AddToolPoint(points, 5, 6, true); // ... unless forced
    ReplaceLastToolPoint(points, 2, 1);
    ASSERT_TRUE(ToolFigureBounds(points, false, x1, y1, x2, y2));
    EXPECT_EQ((std::vector<int>{x1, y1, x2, y2}), (std::vector<int>{5, 6, 2, 1}));
    ASSERT_TRUE(ToolFigureBounds(points, true, x1, y1, x2, y2));
    EXPECT_EQ((std::vector<int>{x1, y1, x2, y2}), (std::vector<int>{2, 1, 5, 6}));
    AddToolPoint(points, 0, 0, false);
    EXPECT_FALSE(ToolFigureBounds(points, true, x1, y1, x2, y2));
}

TEST(DrawTools, FigureOfAnEmptyTrackOrAnUnfitTrackDrawsNothing) {
    TRaster raster(8, 8);
    const TRaster picture = ArtRaster({"##", "##"});
    for (int tool = 0; tool < DrawToolCount; ++tool) {
        TToolOptions options;
        options.Tool = tool;
        DrawToolFigure(raster, {}, options, 1, picture);
        if (tool != dtFreeHand && tool != dtRubber)
            DrawToolFigure(raster, {{1, 1}, {2, 2}, {3, 3}}, options, 1, picture);
    }
    EXPECT_EQ(RasterArt(raster), Blank8);
}

TEST_F(ToolStrokeTest, FreeHandJoinsReportedPointsAndFollowsButtonAndPen) {
    Start(Blank8);
    Drag(TMouseButton::Left, {{0, 0}, {7, 7}});
    EXPECT_EQ(
        GlyphArt(),
        WithPixels(Blank8, {{0, 0}, {1, 1}, {2, 2}, {3, 3}, {4, 4}, {5, 5}, {6, 6}, {7, 7}}, '#'));

    struct Case {
        TMouseButton Button;
        TPenMode Pen;
        bool Sets;
    };
    for (const Case& c : {Case{TMouseButton::Left, TPenMode::SetPixels, true},
                          Case{TMouseButton::Right, TPenMode::SetPixels, false},
                          Case{TMouseButton::Left, TPenMode::ResetPixels, false},
                          Case{TMouseButton::Right, TPenMode::ResetPixels, true}}) {
        const TArt before = c.Sets ? Blank8 : Full8;
        Start(before);
        options.PenMode = c.Pen;
        Drag(c.Button, {{2, 3}});
        EXPECT_EQ(GlyphArt(), WithPixels(before, {{2, 3}}, c.Sets ? '#' : '.'));
    }
}

TEST_F(ToolStrokeTest, StrokeLeavingTheGlyphKeepsDrawingInside) {
    Start(Blank8);
    Drag(TMouseButton::Left, {{0, 3}, {12, 3}, {12, 6}, {3, 6}});
    EXPECT_EQ(GlyphArt(), (TArt{"........", "........", "........", "########", "........",
                                "........", "...#####", "........"}));
}

TEST_F(ToolStrokeTest, LineShowsOnlyTheLastPosition) {
    Start(Blank8);
    options.Tool = dtLine;
    ASSERT_TRUE(stroke.Press(options, TMouseButton::Left, 1, 1));
    ASSERT_TRUE(stroke.Move(options, 6, 3));
    EXPECT_EQ(GlyphArt()[3], ".....##.");
    ASSERT_TRUE(stroke.Move(options, 3, 3));
    stroke.Release(options);
    EXPECT_EQ(GlyphArt(), WithPixels(Blank8, {{1, 1}, {2, 2}, {3, 3}}, '#'));
}

TEST_F(ToolStrokeTest, RectangleFillStyles) {
    // Column 3 is set before; the box runs from (5, 6) to (2, 1).
    const TArt before{"...#....", "...#....", "...#....", "...#....",
                      "...#....", "...#....", "...#....", "...#...."};
    struct Case {
        TFillStyle Fill;
        TMouseButton Button;
        TArt After;
    };
    const Case cases[] = {
        {TFillStyle::DrawingLines,
         TMouseButton::Left,
         {"...#....", "..####..", "..##.#..", "..##.#..", "..##.#..", "..##.#..", "..####..",
          "...#...."}},
        {TFillStyle::DrawingLinesBrushedWhite,
         TMouseButton::Left,
         {"...#....", "..####..", "..#..#..", "..#..#..", "..#..#..", "..#..#..", "..####..",
          "...#...."}},
        {TFillStyle::DrawingLinesBrushedBlack,
         TMouseButton::Left,
         {"...#....", "..####..", "..####..", "..####..", "..####..", "..####..", "..####..",
          "...#...."}},
        {TFillStyle::DrawingBrushWhite,
         TMouseButton::Left,
         {"...#....", "........", "........", "........", "........", "........", "........",
          "...#...."}},
        // The right button clears the outline; the black brush still sets.
        {TFillStyle::DrawingLinesBrushedBlack,
         TMouseButton::Right,
         {"...#....", "........", "...##...", "...##...", "...##...", "...##...", "........",
          "...#...."}},
        {TFillStyle::DrawingLines,
         TMouseButton::Right,
         {"...#....", "........", "...#....", "...#....", "...#....", "...#....", "........",
          "...#...."}},
    };
    for (const Case& c : cases) {
        Start(before);
        options.Tool = dtRectangle;
        options.FillStyle = c.Fill;
        Drag(c.Button, {{5, 6}, {0, 0}, {7, 7}, {2, 1}});
        EXPECT_EQ(GlyphArt(), c.After)
            << static_cast<int>(c.Fill) << " button " << static_cast<int>(c.Button);
    }
}

TEST_F(ToolStrokeTest, BoxOfOnePixelTakesTheStrokeColourInEveryFillStyle) {
    for (int tool : {dtRectangle, dtEllipse})
        for (TFillStyle fill : {TFillStyle::DrawingLines, TFillStyle::DrawingBrushWhite,
                                TFillStyle::DrawingLinesBrushedBlack})
            for (TMouseButton button : {TMouseButton::Left, TMouseButton::Right}) {
                const bool sets = button == TMouseButton::Left;
                const TArt before = sets ? Blank8 : Full8;
                Start(before);
                options.Tool = tool;
                options.FillStyle = fill;
                Drag(button, {{3, 4}});
                EXPECT_EQ(GlyphArt(), WithPixels(before, {{3, 4}}, sets ? '#' : '.'))
                    << "tool " << tool << " fill " << static_cast<int>(fill);
            }
}

TEST_F(ToolStrokeTest, EllipseInItsBox) {
    Start(Blank8);
    options.Tool = dtEllipse;
    Drag(TMouseButton::Left, {{6, 6}, {1, 2}});
    EXPECT_EQ(GlyphArt(), (TArt{"........", "........", "..####..", ".#....#.", ".#....#.",
                                ".#....#.", "..####..", "........"}));
}

TEST_F(ToolStrokeTest, RubberClearsWhateverButtonAndPen) {
    const TArt spot{"##...###", "#.....##", ".......#", "#......#",
                    "##....##", "####.###", "########", "########"};
    for (TMouseButton button : {TMouseButton::Left, TMouseButton::Right})
        for (TPenMode pen : {TPenMode::SetPixels, TPenMode::ResetPixels}) {
            Start(Full8);
            options.Tool = dtRubber;
            options.PenMode = pen;
            Drag(button, {{2, 2}, {4, 2}, {4, 3}});
            EXPECT_EQ(GlyphArt(), spot) << static_cast<int>(button) << static_cast<int>(pen);
        }
    Start(Full8);
    options.Tool = dtRubber;
    Drag(TMouseButton::Left, {{3, 3}});
    // The spot is centred on the pointer's pixel.
    EXPECT_EQ(GlyphArt(), (TArt{"########", "###.####", "##...###", "#.....##", "##...###",
                                "###.####", "########", "########"}));
}

TEST_F(ToolStrokeTest, PasteFollowsThePointerAndIsCutAtTheGlyph) {
    clipboard = ArtRaster({"#.#", ".##"});
    const TArt before{"........", "........", "........", "........",
                      "........", "......##", "........", "........"};
    struct Case {
        TPasteMode Mode;
        const char* Row5;
        const char* Row6;
    };
    for (const Case& c : {Case{TPasteMode::Overlapping, "......#.", ".......#"},
                          Case{TPasteMode::Transparent, "......##", ".......#"}}) {
        Start(before);
        options.Tool = dtPaste;
        options.PasteMode = c.Mode;
        Drag(TMouseButton::Left, {{0, 0}, {6, 5}});
        TArt expected = before;
        expected[5] = c.Row5;
        expected[6] = c.Row6;
        EXPECT_EQ(GlyphArt(), expected) << static_cast<int>(c.Mode);
        EXPECT_EQ(font.Glyph(0).Width(), 8);
        EXPECT_EQ(LastAction(), THistoryKind::PasteTool);
    }
}

TEST_F(ToolStrokeTest, TransparentPasteOfWhiteStillRecords) {
    clipboard = ArtRaster({"...", "..."});
    Start(WithPixels(Blank8, {{1, 1}}, '#'));
    options.Tool = dtPaste;
    options.PasteMode = TPasteMode::Transparent;
    const int entries = font.UndoList().Count();
    Drag(TMouseButton::Left, {{0, 0}});
    EXPECT_EQ(GlyphArt(), WithPixels(Blank8, {{1, 1}}, '#'));
    EXPECT_EQ(font.UndoList().Count(), entries + 1);
    EXPECT_EQ(LastAction(), THistoryKind::PasteTool);
    EXPECT_TRUE(font.Modified());
}

TEST_F(ToolStrokeTest, CopyHandsOutTheBoxAndLeavesTheGlyph) {
    const TArt before{"........", "........", ".#.#....", "..##....",
                      "....#...", "........", "........", "........"};
    Start(before);
    options.Tool = dtCopy;
    const int entries = font.UndoList().Count();
    ASSERT_TRUE(stroke.Press(options, TMouseButton::Left, 4, 4));
    ASSERT_TRUE(stroke.Move(options, 1, 2));
    // The marquee shows inverted while dragging.
    EXPECT_EQ(GlyphArt(), (TArt{"........", "........", "..#.#...", ".####...", ".###....",
                                "........", "........", "........"}));
    const std::optional<TRaster> picture = stroke.Release(options);
    ASSERT_TRUE(picture.has_value());
    EXPECT_EQ(RasterArt(*picture), (TArt{"#.#.", ".##.", "...#"}));
    EXPECT_EQ(GlyphArt(), before);
    EXPECT_EQ(font.UndoList().Count(), entries);
    EXPECT_FALSE(font.Modified());
    EXPECT_EQ(refreshes, 1); // the window still refreshes once

    // A box reaching beyond the glyph gives white there.
    const std::optional<TRaster> edge = Drag(TMouseButton::Left, {{2, 3}, {9, 4}});
    ASSERT_TRUE(edge.has_value());
    EXPECT_EQ(RasterArt(*edge), (TArt{"##......", "..#....."}));
}

TEST_F(ToolStrokeTest, CopyKeepsRowsTheBodyCannotShow) {
    // Rows below the body (and any form of the rows) are what the glyph
    // holds; a copy stroke may not cut or reshape them.
    Start(Blank8);
    const std::string rows = "1|0|0|0|0|0|0|0|0|0|1|01";
    font.Glyph(0).SetAll(rows, 1, 5, 2);
    options.Tool = dtCopy;
    ASSERT_TRUE(Drag(TMouseButton::Left, {{0, 0}, {3, 3}}).has_value());
    EXPECT_EQ(font.Glyph(0).Rows(), rows);
    EXPECT_EQ(font.Glyph(0).Leading(), 1);
    EXPECT_EQ(font.Glyph(0).Width(), 5);
    EXPECT_EQ(font.Glyph(0).Kern(), 2);
    EXPECT_FALSE(font.Modified());
}

TEST_F(ToolStrokeTest, ReleaseWithoutPressOnlyClears) {
    Start(WithPixels(Blank8, {{1, 1}}, '#'));
    const std::string rows = font.Glyph(0).Rows();
    const int entries = font.UndoList().Count();
    EXPECT_FALSE(stroke.Move(options, 2, 2));
    EXPECT_FALSE(stroke.Release(options).has_value());
    EXPECT_EQ(stroke.StrokeButton(), 0);
    EXPECT_TRUE(stroke.ToolPoints().empty());
    EXPECT_EQ(font.Glyph(0).Rows(), rows);
    EXPECT_EQ(font.UndoList().Count(), entries);
    EXPECT_FALSE(font.Modified());
    EXPECT_EQ(refreshes, 0);
}

TEST_F(ToolStrokeTest, IgnoredPresses) {
    Start(Blank8);
    EXPECT_FALSE(stroke.Press(options, TMouseButton::Other, 1, 1));
    EXPECT_EQ(stroke.StrokeButton(), 0);
    TFZXFont noGlyph;
    TToolStroke other{noGlyph, clipboard};
    EXPECT_FALSE(other.Press(options, TMouseButton::Left, 1, 1));
    EXPECT_EQ(GlyphArt(), Blank8);
}

TEST_F(ToolStrokeTest, StrokeRefreshesOnlyAtTheEndAndHoldsNoLock) {
    Start(Blank8);
    options.Tool = dtLine;
    ASSERT_TRUE(stroke.Press(options, TMouseButton::Right, 0, 0));
    EXPECT_EQ(stroke.StrokeButton(), -1);
    EXPECT_EQ(font.UpdateLock(), 0);
    ASSERT_TRUE(stroke.Move(options, 5, 5));
    EXPECT_EQ(font.UpdateLock(), 0);
    EXPECT_EQ(font.Glyph(0).Leading(), 0); // held expanded while drawing
    EXPECT_EQ(refreshes, 0);
    EXPECT_EQ(font.UndoList().Count(), 1);
    stroke.Release(options);
    EXPECT_EQ(refreshes, 1); // once, when the entry is recorded
    EXPECT_EQ(font.UndoList().Count(), 2);
    EXPECT_EQ(font.UpdateLock(), 0);
    EXPECT_EQ(stroke.StrokeButton(), 0);
    EXPECT_TRUE(stroke.ToolPoints().empty());
}

TEST_F(ToolStrokeTest, UndoAfterEveryRecordingToolRestoresTheGlyph) {
    clipboard = ArtRaster({"##", "#."});
    const TArt before{"........", "........", "..#.....", ".###....",
                      "..#.....", "........", "........", "........"};
    for (int tool = 0; tool < DrawToolCount; ++tool) {
        if (tool == dtCopy) continue;
        Start(before);
        const std::string rows = font.Glyph(0).Rows();
        ASSERT_EQ(font.Glyph(0).Leading(), 2);
        options = TToolOptions();
        options.Tool = tool;
        Drag(TMouseButton::Left, {{1, 3}, {5, 6}});
        EXPECT_NE(GlyphArt(), before) << tool;
        EXPECT_EQ(LastAction(), ToolInfo(tool).HistoryKind);
        TGlyphSnapshot snapshot;
        ASSERT_TRUE(font.UndoList().Undo(snapshot));
        font.Glyph(snapshot.CharIndex)
            .SetAll(snapshot.Rows, snapshot.Leading, snapshot.Width, snapshot.Kern);
        EXPECT_EQ(GlyphArt(), before) << tool;
        EXPECT_EQ(font.Glyph(0).Rows(), rows);
    }
}

TEST_F(ToolStrokeTest, CancelPutsTheGlyphBackAndRecordsNothing) {
    clipboard = ArtRaster({"##", "#."});
    const TArt before{"........", "........", "..#.....", ".###....",
                      "..#.....", "........", "........", "........"};
    for (int tool = 0; tool < DrawToolCount; ++tool) {
        SCOPED_TRACE(tool);
        Start(before);
        const std::string rows = font.Glyph(0).Rows();
        options = TToolOptions();
        options.Tool = tool;
        ASSERT_TRUE(stroke.Press(options, TMouseButton::Left, 1, 3));
        ASSERT_TRUE(stroke.Move(options, 6, 7));
        refreshes = 0;
        stroke.Cancel();
        EXPECT_EQ(stroke.StrokeButton(), 0);
        EXPECT_EQ(font.Glyph(0).Rows(), rows);
        EXPECT_EQ(font.Glyph(0).Leading(), 2);
        EXPECT_EQ(font.UndoList().Count(), 1);
        EXPECT_FALSE(font.Modified());
        EXPECT_EQ(refreshes, 1);
        EXPECT_EQ(font.UpdateLock(), 0);
        stroke.Cancel(); // without a stroke: nothing
        EXPECT_EQ(refreshes, 1);
    }
}

TEST_F(ToolStrokeTest, SecondButtonOrToolChangeDuringAStrokeLeavesNoMarquee) {
    const TArt before = WithPixels(Blank8, {{2, 2}}, '#');
    Start(before);
    options.Tool = dtCopy;
    ASSERT_TRUE(stroke.Press(options, TMouseButton::Left, 1, 1));
    ASSERT_TRUE(stroke.Move(options, 4, 4));
    EXPECT_FALSE(stroke.Press(options, TMouseButton::Right, 4, 4));
    options.Tool = dtFreeHand; // e.g. a shortcut while dragging
    ASSERT_TRUE(stroke.Move(options, 5, 5));
    const std::optional<TRaster> picture = stroke.Release(options);
    ASSERT_TRUE(picture.has_value());
    EXPECT_EQ(picture->Width(), 5);
    EXPECT_EQ(GlyphArt(), before);
    EXPECT_FALSE(font.Modified());
}

} // namespace
