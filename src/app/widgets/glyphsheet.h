#pragma once
// The glyph sheet: every code 32..255 as a cell, 16 to a row, with the glyph
// and its caption; cells beyond Last char greyed, the current glyph framed.
// A click or an arrow key asks for a character through CodeChosen; the
// window makes it current. Refresh repaints only the cells an edit changed.

#include <QFont>
#include <QWidget>

#include "model/font.h"
#include "raster/raster.h"
#include "shell/glyphsheet.h"

class TGlyphSheet : public QWidget {
    Q_OBJECT
  public:
    // The font is read at paint time and must outlive the sheet.
    explicit TGlyphSheet(TFZXFont& font, QWidget* parent = nullptr);

    // Follows a change of the font: a new layout resizes and repaints the
    // whole sheet, otherwise only the stale cells are scheduled. Nothing
    // while hidden; showing the sheet catches up.
    void Refresh();
    const TGlyphSheetMetrics& Metrics() const { return FMetrics; }
    QRect CellRect(int code) const;
    // The caption under a glyph: "A 65", "© 127", "200".
    static QString Caption(int code);

    QSize sizeHint() const override;

  signals:
    // A cell was clicked or an arrow key led to it (code 32..255).
    void CodeChosen(int code);
    // Another character became current (however chosen), or the sheet was
    // shown: its cell, for the scroll area to bring into view.
    void CurrentMoved(const QRect& cell);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    void PaintCell(QPainter& painter, int code);
    TGlyphSheetMetrics Layout() const;

    TFZXFont& FFont;
    TGlyphSheetWatch FWatch;
    TGlyphSheetMetrics FMetrics;
    QFont FCaptionFont;
    int FCaptionWidth = 0;
    int FCaptionHeight = 0;
    int FFollowed = -1; // the current glyph last reported by CurrentMoved
    TRaster FRaster;    // reused for each cell's picture
};
