#include "glyphsheet.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include "platform/application.h"
#include "platform/fonttext.h"
#include "platform/qtraster.h"
#include "text/charcaption.h"

namespace {

constexpr TColor kTracking = RGBColor(255, 255, 176);
constexpr TColor kGreyPaper = RGBColor(216, 216, 216);
constexpr TColor kGreyInk = RGBColor(128, 128, 128);

} // namespace

TGlyphSheet::TGlyphSheet(TFZXFont& font, QWidget* parent) : QWidget(parent), FFont(font) {
    setObjectName(QStringLiteral("GlyphSheet"));
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    FCaptionFont = InterfaceFont(11);
    const QFontMetrics metrics(FCaptionFont);
    FCaptionWidth = metrics.horizontalAdvance(QStringLiteral("W 255"));
    FCaptionHeight = metrics.height();
    FMetrics = Layout();
    resize(sizeHint());
}

QString TGlyphSheet::Caption(int code) {
    const std::string shown = CharCaption(code, false);
    const QString number = QString::number(code);
    if (code == 32 || shown == std::to_string(code)) return number;
    return FromFontText(shown) + QLatin1Char(' ') + number;
}

TGlyphSheetMetrics TGlyphSheet::Layout() const {
    return GlyphSheetLayout(FFont, FCaptionWidth, FCaptionHeight);
}

QSize TGlyphSheet::sizeHint() const {
    return QSize(GlyphSheetColumns * FMetrics.CellWidth, GlyphSheetRows * FMetrics.CellHeight);
}

QRect TGlyphSheet::CellRect(int code) const {
    const TRect r = GlyphSheetCell(FMetrics, code);
    return QRect(r.Left, r.Top, r.Right - r.Left, r.Bottom - r.Top);
}

void TGlyphSheet::Refresh() {
    if (!isVisible()) return;
    const TGlyphSheetMetrics metrics = Layout();
    bool all = false;
    const std::vector<int> codes = FWatch.Changes(FFont, metrics, all);
    if (metrics != FMetrics) {
        FMetrics = metrics;
        resize(sizeHint());
        updateGeometry();
    }
    const int current = FFont.CurrentIndex();
    if (current != FFollowed && current >= 0 &&
        current + GlyphSheetFirstCode <= GlyphSheetLastCode) {
        FFollowed = current;
        emit CurrentMoved(CellRect(current + GlyphSheetFirstCode));
    }
    if (all) {
        update();
        return;
    }
    for (int code : codes)
        update(CellRect(code));
}

void TGlyphSheet::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    Refresh();
}

void TGlyphSheet::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing, false);
    const QRegion& region = event->region();
    // Beyond the grid (a viewport larger than the sheet) the face shows.
    painter.fillRect(rect(), palette().color(QPalette::Button));
    for (int code = GlyphSheetFirstCode; code <= GlyphSheetLastCode; ++code)
        if (region.intersects(CellRect(code))) PaintCell(painter, code);
}

void TGlyphSheet::PaintCell(QPainter& painter, int code) {
    const QRect cell = CellRect(code);
    const int index = code - GlyphSheetFirstCode;
    const bool beyond = code > FFont.LastChar();
    const bool current = index == FFont.CurrentIndex();
    const QPalette& pal = palette();
    painter.fillRect(cell, beyond ? QColor(0xD8, 0xD8, 0xD8) : pal.color(QPalette::Base));

    if (index < FFont.Count()) {
        TFZXDrawSettings& settings = FFont.DrawSettings();
        // The settings are shared with the canvas, the list and the strip.
        settings.SetOrigin(0, 0);
        if (beyond)
            settings.SetColors(kGreyPaper, kGreyInk, kGreyPaper, kGreyPaper, kGreyInk);
        else
            settings.SetColors(clWhite, clBlack, clWhite, kTracking, clRed);
        FFont.Glyph(index).Draw(FRaster, FMetrics.Zoom, false, false, true, false);
        if (!FRaster.Empty()) {
            const QImage picture = RasterImage(FRaster);
            const QRect target(cell.left() + GlyphSheetPadding, cell.top() + GlyphSheetPadding,
                               qMin(picture.width(), FMetrics.PictureWidth),
                               qMin(picture.height(), FMetrics.PictureHeight));
            painter.drawImage(target.topLeft(), picture, QRect(QPoint(0, 0), target.size()));
        }
    }

    painter.setFont(FCaptionFont);
    painter.setPen(beyond ? pal.color(QPalette::Disabled, QPalette::Text)
                          : pal.color(QPalette::Text));
    const QRect caption(cell.left(), cell.bottom() - GlyphSheetPadding - FCaptionHeight + 1,
                        cell.width(), FCaptionHeight);
    painter.drawText(caption, Qt::AlignHCenter | Qt::AlignVCenter, Caption(code));

    // Grid lines on the right and bottom edge of every cell.
    painter.setPen(pal.color(QPalette::Mid));
    painter.drawLine(cell.topRight(), cell.bottomRight());
    painter.drawLine(cell.bottomLeft(), cell.bottomRight());
    if (current) {
        QPen pen(pal.color(QPalette::Highlight), 2);
        pen.setJoinStyle(Qt::MiterJoin);
        painter.setPen(pen);
        painter.drawRect(cell.adjusted(1, 1, -1, -1));
    }
}

void TGlyphSheet::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    const QPoint p = event->position().toPoint();
    const int code = GlyphSheetCodeAt(FMetrics, p.x(), p.y());
    if (code >= 0) emit CodeChosen(code);
}

void TGlyphSheet::keyPressEvent(QKeyEvent* event) {
    TSheetMove move;
    switch (event->key()) {
    case Qt::Key_Left:
        move = TSheetMove::Left;
        break;
    case Qt::Key_Right:
        move = TSheetMove::Right;
        break;
    case Qt::Key_Up:
        move = TSheetMove::Up;
        break;
    case Qt::Key_Down:
        move = TSheetMove::Down;
        break;
    case Qt::Key_Home:
        move = TSheetMove::Home;
        break;
    case Qt::Key_End:
        move = TSheetMove::End;
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    if (event->modifiers() & ~Qt::KeypadModifier) {
        QWidget::keyPressEvent(event);
        return;
    }
    const int current = FFont.CurrentIndex();
    const int from = current >= 0 ? current + GlyphSheetFirstCode : GlyphSheetFirstCode;
    emit CodeChosen(GlyphSheetStep(from, move));
}
