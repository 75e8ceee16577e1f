// Dragging the right edge of the glyph on the canvas.

#include <gtest/gtest.h>

#include "drawing/canvasgeometry.h"
#include "drawing/widthdrag.h"
#include "model/font.h"

namespace {

TEST(WidthDrag, EdgeZoneAndWidthUnderThePointer) {
    const TRect area = CanvasGlyphArea(8, 5, 1, 8); // glyph 5 wide at zoom 8
    const int edge = area.Left + 5 * 8;
    EXPECT_TRUE(CanvasOnWidthEdge(area, 8, 5, 8, edge, area.Top));
    EXPECT_TRUE(CanvasOnWidthEdge(area, 8, 5, 8, edge + 2, area.Top + 63));
    EXPECT_TRUE(CanvasOnWidthEdge(area, 8, 5, 8, edge - 2, area.Top + 10));
    EXPECT_FALSE(CanvasOnWidthEdge(area, 8, 5, 8, edge + 4, area.Top + 10));
    EXPECT_FALSE(CanvasOnWidthEdge(area, 8, 5, 8, edge, area.Top + 64)); // below the body
    EXPECT_FALSE(CanvasOnWidthEdge(area, 8, 5, 8, edge, area.Top - 1));
    EXPECT_EQ(CanvasWidthAt(area, 8, edge), 5);
    EXPECT_EQ(CanvasWidthAt(area, 8, edge + 3), 5);
    EXPECT_EQ(CanvasWidthAt(area, 8, edge + 4), 6);
    EXPECT_EQ(CanvasWidthAt(area, 8, area.Left - 50), 1);
    EXPECT_EQ(CanvasWidthAt(area, 8, area.Left + 8 * 400), 256);
}

struct DragFont {
    TFZXFont font;
    int changes = 0;
    DragFont() {
        font.SetLastChar(32);
        font.Glyph(0).SetAll("111111|100001", 1, 6, 1);
        font.SetCurrent(0);
        font.SetModified(false);
        font.OnChange = [this](TFZXFont&) { ++changes; };
    }
};

TEST(WidthDrag, OneEntryPerDragAndNoPixelsLost) {
    DragFont f;
    TWidthDrag drag(f.font);
    const int entries = f.font.UndoList().Count();
    ASSERT_TRUE(drag.Begin());
    EXPECT_FALSE(drag.Begin());
    drag.Move(2);
    EXPECT_EQ(f.font.Glyph(0).Width(), 2);
    drag.Move(7); // wider again: the cut columns come back from the press
    EXPECT_EQ(f.font.Glyph(0).Rows(), "1111110|1000010");
    EXPECT_EQ(f.changes, 0);
    EXPECT_EQ(f.font.UndoList().Count(), entries);
    drag.End();
    EXPECT_FALSE(drag.Active());
    EXPECT_EQ(f.font.Glyph(0).Width(), 7);
    EXPECT_EQ(f.font.Glyph(0).Leading(), 1);
    EXPECT_EQ(f.font.Glyph(0).Kern(), 1);
    EXPECT_EQ(f.changes, 1);
    EXPECT_TRUE(f.font.Modified());
    ASSERT_EQ(f.font.UndoList().Count(), entries + 1);
    EXPECT_EQ(EntryText(f.font.UndoList().Entry(entries)), "width changed to 7");
}

TEST(WidthDrag, BackToTheStartOrCancelledRecordsNothing) {
    for (bool cancel : {false, true}) {
        DragFont f;
        TWidthDrag drag(f.font);
        const int entries = f.font.UndoList().Count();
        ASSERT_TRUE(drag.Begin());
        drag.Move(3);
        if (cancel) {
            drag.Cancel();
        } else {
            drag.Move(6);
            drag.End();
        }
        EXPECT_EQ(f.font.Glyph(0).Rows(), "111111|100001");
        EXPECT_EQ(f.font.Glyph(0).Width(), 6);
        EXPECT_EQ(f.font.UndoList().Count(), entries);
        EXPECT_FALSE(f.font.Modified());
        // A cancel shows the glyph as it was again; a drag back to the start
        // shows it already.
        EXPECT_EQ(f.changes, cancel ? 1 : 0);
    }
}

} // namespace
