#pragma once
// The drawing tools of the window: the tool, pen, fill style and paste mode
// actions in their exclusive groups, and the pointer on the edit canvas
// routed to the core's stroke or to the width drag. The controller changes
// the glyph only through the core, so the font's OnChange reports each
// finished stroke; while a stroke runs it only asks for repaints.

#include <QObject>
#include <QPoint>
#include <functional>
#include <memory>

#include "drawing/drawtools.h"

class QAction;
class QEvent;
class TEditPaintBox;
class TFZXFont;
class TRaster;
class TWidthDrag;
struct TCanvasView;

class TToolController : public QObject {
    Q_OBJECT
  public:
    // action finds an action made from the action table by its object name;
    // the table's check groups become exclusive groups.
    // font, view, canvas and clipboardBitmap must outlive the controller; it
    // sets view.StrokeButton and the canvas's pointer shape.
    TToolController(TFZXFont& font, TCanvasView& view, TEditPaintBox& canvas,
                    const TRaster& clipboardBitmap,
                    const std::function<QAction*(const QString&)>& action, QObject* parent);
    ~TToolController() override;

    // The tool whose action is on in the tool group.
    TDrawTool CurrentTool() const;
    // The choices of the tool bars as the core's stroke reads them.
    TToolOptions Options() const;
    // Tools and pen need a character; fill styles go with the rectangle and
    // ellipse, paste modes with pasting.
    void UpdateActions(bool hasGlyph);
    // The paste tool is usable only with a picture; losing it while the paste
    // tool is on goes back to free hand.
    void SetPictureAvailable(bool available);
    // True while a stroke or a width drag holds the pointer.
    bool Busy() const;
    // Drops the stroke or width drag: the glyph as at the press, nothing
    // recorded. Nothing without one.
    void CancelStroke();

  signals:
    // Before a press is handled, so a value typed but not yet entered
    // reaches the font first.
    void aboutToPress();
    // The status line's pointer field: "X:3 Y:5", "Width: 7".
    void pointerText(const QString& text);
    // The glyph changed under a running stroke or drag, which notifies
    // nothing until it ends; other views of the glyph repaint.
    void glyphDrawn();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void MouseDown(Qt::MouseButton button, const QPoint& pos);
    void MouseMove(const QPoint& pos);
    void MouseUp(Qt::MouseButton button, const QPoint& pos);
    bool WidthDragMouseDown(Qt::MouseButton button, const QPoint& pos);
    bool WidthDragMouseMove(const QPoint& pos);
    bool WidthDragMouseUp();

    TFZXFont& FFont;
    TCanvasView& FView;
    TEditPaintBox& FCanvas;
    std::unique_ptr<TToolStroke> FStroke;
    std::unique_ptr<TWidthDrag> FWidthDrag;

    QAction* FTools[DrawToolCount] = {}; // by TDrawTool
    QAction* FSetPixels = nullptr;
    QAction* FResetPixels = nullptr;
    QAction* FFillStyles[4] = {}; // by TFillStyle
    QAction* FPasteModes[2] = {}; // by TPasteMode
};
