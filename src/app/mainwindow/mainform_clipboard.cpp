// The clipboard watch: a black-and-white copy of the clipboard's picture for
// the paste tool, which is enabled only while there is a picture.

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QMimeData>
#include <QPainter>

#include "mainwindow/mainform.h"
#include "tools/toolcontroller.h"

namespace {

// Transparent parts count as paper: the picture is laid on white first.
// Then exactly white stays white and every other pixel becomes black.
bool ReduceToTwoColours(const QImage& picture, TRaster& out) {
    if (picture.isNull() || picture.width() <= 0 || picture.height() <= 0) return false;
    QImage flat(picture.size(), QImage::Format_RGB32);
    flat.fill(Qt::white);
    {
        QPainter painter(&flat);
        painter.drawImage(0, 0, picture);
    }
    out.SetSize(flat.width(), flat.height());
    for (int y = 0; y < flat.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(flat.constScanLine(y));
        for (int x = 0; x < flat.width(); ++x)
            out.SetPixel(x, y, (line[x] & 0xFFFFFFu) == 0xFFFFFFu ? clWhite : clBlack);
    }
    return true;
}

} // namespace

void Tmainform::JoinClipboardWatch() {
    QClipboard* clipboard = QGuiApplication::clipboard();
    connect(clipboard, &QClipboard::dataChanged, this, &Tmainform::ClipboardChanged);
    // The watch mirrors the clipboard from start-up on.
    ClipboardChanged();
}

void Tmainform::ClipboardChanged() {
    bool has = false;
    const QMimeData* data = QGuiApplication::clipboard()->mimeData(QClipboard::Clipboard);
    if (data && data->hasImage()) {
        const QImage picture = qvariant_cast<QImage>(data->imageData());
        TRaster reduced;
        has = ReduceToTwoColours(picture, reduced);
        if (has) FClipboardBitmap = std::move(reduced);
    }
    FToolController->SetPictureAvailable(has);
    FClipboardGlyph = ClipboardHasGlyph();
    FRefresh.PasteGlyph->setEnabled(FClipboardGlyph && FFont->GetCurrent());
}
