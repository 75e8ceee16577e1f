// Whole characters through the system clipboard: a picture for other
// programs and the character's own values for this program, so a character
// copied in one window pastes into another.

#include <QAction>
#include <QBuffer>
#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QMimeData>

#include "mainwindow/mainform.h"
#include "platform/qtraster.h"
#include "shell/glyphclip.h"

namespace {

QString GlyphMime() {
    return QString::fromLatin1(GlyphClipMimeType);
}

bool ReadClipboardGlyph(TGlyphClip& clip) {
    const QMimeData* data = QGuiApplication::clipboard()->mimeData(QClipboard::Clipboard);
    if (!data || !data->hasFormat(GlyphMime())) return false;
    return ParseGlyphClip(data->data(GlyphMime()).toStdString(), clip);
}

} // namespace

bool Tmainform::ClipboardHasGlyph() const {
    TGlyphClip clip;
    return ReadClipboardGlyph(clip);
}

void Tmainform::CopyGlyphActionExecute() {
    const TFZXChar* glyph = FFont->GetCurrent();
    if (!glyph) return;
    const TGlyphClip clip = GlyphClipOf(*glyph, FFont->Height());
    auto* data = new QMimeData;
    data->setData(GlyphMime(), QByteArray::fromStdString(GlyphClipText(clip)));
    const QImage picture = RasterImage(GlyphClipPicture(clip)).copy();
    data->setImageData(picture);
    // PNG as such too, for programs that only take files' formats.
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    picture.save(&buffer, "PNG");
    data->setData(QStringLiteral("image/png"), png);
    QGuiApplication::clipboard()->setMimeData(data, QClipboard::Clipboard);
}

void Tmainform::PasteGlyphActionExecute() {
    TGlyphClip clip;
    if (!FFont->GetCurrent() || !ReadClipboardGlyph(clip)) return;
    FFont->PasteCurrent(clip.Rows, clip.Leading, clip.Width, clip.Kern);
}
