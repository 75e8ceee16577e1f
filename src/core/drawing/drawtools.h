#pragma once
// The drawing tools without their window: what each tool does (a table), the
// figures they draw into the font's work raster, and TToolStroke, the press /
// move / release sequence of one stroke on the font's current glyph. The
// canvas feeds it font-pixel positions (column, row) and buttons.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "model/historykind.h"
#include "raster/raster.h"

class TFZXFont;

struct TPoint {
    std::int32_t X = 0;
    std::int32_t Y = 0;
    bool operator==(const TPoint& o) const { return X == o.X && Y == o.Y; }
    bool operator!=(const TPoint& o) const { return !(*this == o); }
};
using TPointArray = std::vector<TPoint>;

// The drawing tools, in the order of the tool actions.
enum TDrawTool { dtFreeHand = 0, dtLine, dtRectangle, dtEllipse, dtRubber, dtPaste, dtCopy };
constexpr int DrawToolCount = 7;

enum class TPointerShape { Default, Pencil, CrossHair, Eraser };
enum class TPenMode { SetPixels, ResetPixels };
enum class TFillStyle {
    DrawingLines,             // outline only
    DrawingLinesBrushedWhite, // outline, interior cleared
    DrawingLinesBrushedBlack, // outline, interior set
    DrawingBrushWhite         // whole figure cleared, no outline
};
enum class TPasteMode { Overlapping, Transparent };
enum class TMouseButton { Left, Right, Other };

// How a tool collects its track: the track grows with every move; it holds
// the press point and the current point; or only the current point.
enum class TToolTrack { Grows, PressAndCurrent, Current };
// How the points are joined into a figure.
enum class TToolShape { ThinTrack, RoundTrack, Line, Rectangle, Ellipse, Picture };
// How pixels are written: stroke colour, always white, the picture's own
// colours, or inverted (the copy marquee).
enum class TToolInk { Stroke, White, Picture, Invert };

struct TToolInfo {
    std::optional<THistoryKind> HistoryKind; // what a stroke records; none for none
    TPointerShape Pointer;
    TToolTrack Track;
    TToolShape Shape;
    TToolInk Ink;
    bool CopiesToClipboard; // the release copies the box instead of drawing
};

// The table row of a tool; a number outside 0..6 counts as free hand.
const TToolInfo& ToolInfo(int tool);
// The pointer over the canvas: the tool's shape over the glyph, else the arrow.
TPointerShape CanvasPointer(int tool, bool hasGlyph, bool inside);
// "X:3 Y:5" inside the glyph area, "X:-- Y:--" elsewhere or without a glyph.
std::string PositionText(bool inside, int column, int row);

// Black or white by button (1 left, -1 right) and pen mode.
TColor StrokeColor(int strokeButton, TPenMode penMode);

// The choices of the tool bar, read at each pointer event.
struct TToolOptions {
    int Tool = dtFreeHand;
    TPenMode PenMode = TPenMode::SetPixels;
    TFillStyle FillStyle = TFillStyle::DrawingLines;
    TPasteMode PasteMode = TPasteMode::Overlapping;
};

// Appends (column, row) unless force is false and it equals the last point.
void AddToolPoint(TPointArray& points, int column, int row, bool force);
// Overwrites the last point; nothing on an empty track.
void ReplaceLastToolPoint(TPointArray& points, int column, int row);
// False unless the track holds one or two points; else their box (one point
// is p..p), as given or, with normalise, smallest corner first.
bool ToolFigureBounds(const TPointArray& points, bool normalise, int& x1, int& y1, int& x2,
                      int& y2);
// Draws the figure of options.Tool for the whole track into raster, clipped
// to it; picture is what the paste tool pastes. Nothing for an empty track.
void DrawToolFigure(TRaster& raster, const TPointArray& points, const TToolOptions& options,
                    int strokeButton, const TRaster& picture);

// One stroke at a time on the font's current glyph. Each event holds the
// font's update lock, so nothing is recorded or refreshed until the release,
// which records one history entry (none for copy) and notifies.
class TToolStroke {
  public:
    // clipboardBitmap is the window's black-and-white clipboard picture; both
    // must outlive the stroke object.
    TToolStroke(TFZXFont& font, const TRaster& clipboardBitmap);

    int StrokeButton() const { return FStrokeButton; }
    const TPointArray& ToolPoints() const { return FPoints; }
    // The tool of the stroke in progress (fixed at the press).
    int StrokeTool() const { return FTool; }

    // Starts a stroke and draws its first figure; false (nothing done)
    // without a current glyph, for other buttons and while a stroke runs.
    bool Press(const TToolOptions& options, TMouseButton button, int column, int row);
    // Carries the stroke on to (column, row); false when no stroke runs.
    bool Move(const TToolOptions& options, int column, int row);
    // Ends the stroke; always leaves no track and StrokeButton 0. The copy
    // tool hands back the picture of its box for the clipboard.
    std::optional<TRaster> Release(const TToolOptions& options);
    // Ends the stroke with the glyph as it was at the press: nothing
    // recorded, Modified untouched, one notification. Nothing without a stroke.
    void Cancel();

  private:
    void Draw(const TToolOptions& options);
    TRaster CopyPicture() const;

    TFZXFont& FFont;
    const TRaster& FClipboard;
    int FStrokeButton = 0;
    int FTool = dtFreeHand;
    TPointArray FPoints;
    // The glyph as the press found it, which the copy tool gives back.
    std::string FPressRows;
    int FPressLeading = 0;
    int FPressWidth = 0;
    int FPressKern = 0;
};
