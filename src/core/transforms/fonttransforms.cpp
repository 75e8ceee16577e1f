// Glyph commands of the font: the transforms on the current glyph or on all
// glyphs, each leaving its snapshot in the history.

#include <cstdio>

#include "model/font.h"
#include "model/updatescope.h"

namespace {

// Runs the glyph operation of codes 0 to 8; scaling is dispatched by the callers.
void RunOperation(TFZXChar& glyph, TCharOperation code) {
    switch (code) {
    case coItalic:
        glyph.Italic();
        break;
    case coBold:
        glyph.Bold();
        break;
    case coAdjustTop:
        glyph.AdjustTop();
        break;
    case coAdjustBottom:
        glyph.AdjustBottom();
        break;
    case coAdjustLeft:
        glyph.AdjustLeft();
        break;
    case coAdjustRight:
        glyph.AdjustRight();
        break;
    case coAdjustHCenter:
        glyph.AdjustHCenter();
        break;
    case coAdjustVCenter:
        glyph.AdjustVCenter();
        break;
    case coClear:
        glyph.Clear();
        break;
    case coScale:
        break;
    }
}

// The history kind of a single-glyph operation: they follow Italic in the
// order of the operation codes.
THistoryKind OperationKind(TCharOperation code) {
    return static_cast<THistoryKind>(HistoryIndex(THistoryKind::Italic) + code);
}

bool IsOperation(TCharOperation code) {
    return code >= coItalic && code <= coScale;
}

} // namespace

void TFZXFont::ApplyToCurrent(TCharOperation code) {
    TFZXChar* glyph = GetCurrent();
    if (glyph == nullptr || !IsOperation(code)) return;
    // The edit itself stays silent: the record at the end notifies once.
    if (code == coScale) {
        double widthFactor = 1.0, heightFactor = 1.0;
        bool illegal = false;
        if (OnGetScaleFactors && OnGetScaleFactors(widthFactor, heightFactor)) {
            TFontUpdate update(*this, false);
            illegal = !ScaleCurrent(widthFactor, heightFactor);
        }
        if (illegal) Message("Illegal destination size!");
    } else {
        TFontUpdate update(*this, false);
        RunOperation(*glyph, code);
    }
    // Recorded also when nothing changed or the factors were not given.
    GlyphChanged(OperationKind(code));
}

void TFZXFont::ApplyToAll(TCharOperation code) {
    if (!IsOperation(code)) return;
    double widthFactor = 1.0, heightFactor = 1.0;
    if (code == coScale && OnGetScaleFactors && !OnGetScaleFactors(widthFactor, heightFactor))
        return;
    int errors = 0;
    const int group = FUndoList.NewGroup();
    for (int i = 0; i < Count(); ++i) {
        RecordUndoFor(THistoryKind::SelectChar, i, group);
        {
            TFontUpdate update(*this, false);
            if (code == coScale) {
                if (!Glyph(i).Scale(widthFactor, heightFactor)) ++errors;
            } else {
                RunOperation(Glyph(i), code);
            }
        }
        RecordUndoFor(OperationKind(code), i, group);
    }
    // Marked before the one notification, so the refresh shows the flag.
    SetModified(true);
    Changed();
    if (errors > 0) {
        char text[64];
        std::snprintf(text, sizeof text, "There were %d scaling errors!", errors);
        Message(text);
    }
}

namespace {
// The single-glyph commands: edit the current glyph, then record the edit
// under its history action, with one notification; nothing at all without a
// current glyph.
template <typename Edit> void EditCurrent(TFZXFont& font, THistoryKind kind, Edit edit) {
    if (TFZXChar* glyph = font.GetCurrent()) {
        {
            TFontUpdate update(font, false);
            edit(*glyph);
        }
        font.GlyphChanged(kind);
    }
}
} // namespace

void TFZXFont::FlipHorizontal() {
    EditCurrent(*this, THistoryKind::FlipHorizontal, [](TFZXChar& g) { g.FlipHorizontal(); });
}

void TFZXFont::FlipVertical() {
    EditCurrent(*this, THistoryKind::FlipVertical, [](TFZXChar& g) { g.FlipVertical(); });
}

void TFZXFont::RollUp(int n) {
    EditCurrent(*this, THistoryKind::RollUp, [n](TFZXChar& g) { g.RollUp(n); });
}

void TFZXFont::RollDown(int n) {
    EditCurrent(*this, THistoryKind::RollDown, [n](TFZXChar& g) { g.RollDown(n); });
}

void TFZXFont::RollLeft(int n) {
    EditCurrent(*this, THistoryKind::RollLeft, [n](TFZXChar& g) { g.RollLeft(n); });
}

void TFZXFont::RollRight(int n) {
    EditCurrent(*this, THistoryKind::RollRight, [n](TFZXChar& g) { g.RollRight(n); });
}

void TFZXFont::SetCurrentWidth(int width) {
    TFZXChar* glyph = GetCurrent();
    if (glyph == nullptr || glyph->Width() == width) return;
    EditCurrent(*this, THistoryKind::WidthChanged, [width](TFZXChar& g) { g.SetWidth(width); });
}

void TFZXFont::SetCurrentKern(int kern) {
    TFZXChar* glyph = GetCurrent();
    if (glyph == nullptr || glyph->Kern() == kern) return;
    EditCurrent(*this, THistoryKind::KernChanged, [kern](TFZXChar& g) { g.SetKern(kern); });
}

void TFZXFont::FitCurrentWidth() {
    TFZXChar* glyph = GetCurrent();
    if (glyph == nullptr) return;
    bool changed;
    {
        TFontUpdate update(*this, false);
        changed = glyph->FitWidth();
    }
    if (changed) GlyphChanged(THistoryKind::FitWidth);
}

void TFZXFont::FitAllWidths() {
    int group = 0;
    for (int i = 0; i < Count(); ++i) {
        TFZXChar& glyph = Glyph(i);
        const int inked = glyph.InkWidth();
        if (inked == 0 || inked == glyph.Width()) continue;
        if (group == 0) group = FUndoList.NewGroup();
        RecordUndoFor(THistoryKind::SelectChar, i, group);
        {
            TFontUpdate update(*this, false);
            glyph.FitWidth();
        }
        RecordUndoFor(THistoryKind::FitWidth, i, group);
    }
    if (group == 0) return;
    // Marked before the one notification, so the refresh shows the flag.
    SetModified(true);
    Changed();
}

void TFZXFont::PasteCurrent(const std::string& rows, int leading, int width, int kern) {
    TFZXChar* glyph = GetCurrent();
    if (glyph == nullptr) return;
    // Every row as wide as the glyph, as the model keeps them.
    TStringList list;
    SplitText(list, rows, '|');
    for (std::string& row : list)
        row = PadText(row, width, '0', 0);
    {
        TFontUpdate update(*this, false);
        TGlyphUpdate glyphUpdate(*glyph);
        glyph->SetAll(JoinText(list, '|'), leading, width, kern);
        glyph->Normalize();
    }
    GlyphChanged(THistoryKind::PasteCharacter);
}
