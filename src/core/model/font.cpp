#include "model/font.h"
#include "model/updatescope.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>

TFZXFont::TFZXFont() {
    ++FUpdateLock;
    Clear();
    --FUpdateLock;
}

TFZXFont::~TFZXFont() {
    // Glyphs must not report to a font that is going away.
    for (auto& glyph : FGlyphs)
        glyph->FFont = nullptr;
}

void TFZXFont::Clear() {
    {
        TFontUpdate update(*this);
        FGlyphs.clear();
        FUndoList.Clear();
        FCurrentIndex = -1;
        FHeight = 8;
        FTracking = 0;
        FLastChar = 0;
    }
    SetModified(false);
}

void TFZXFont::TakeOver(TFZXFont& source) {
    if (&source == this) return;
    TFontUpdate update(*this);
    FGlyphs = std::move(source.FGlyphs);
    source.FGlyphs.clear();
    for (auto& glyph : FGlyphs)
        glyph->FFont = this;
    FHeight = source.FHeight;
    FTracking = source.FTracking;
    FLastChar = source.FLastChar;
    FTerminusOffset = source.FTerminusOffset;
    FCurrentIndex = -1;
    FUndoList.Clear();
    FWorkRows.clear();
    FModified = false;
    source.Clear();
}

void TFZXFont::EndUpdate(bool notify) {
    --FUpdateLock;
    if (notify) Changed();
}

void TFZXFont::Changed() {
    if (FUpdateLock != 0 || !OnChange) return;
    ++FUpdateLock;
    OnChange(*this);
    --FUpdateLock;
}

void TFZXFont::SetHeight(int value) {
    if (value == FHeight) return;
    FHeight = value;
    SetModified(true);
    Changed();
}

void TFZXFont::SetTracking(int value) {
    if (value == FTracking) return;
    FTracking = value;
    SetModified(true);
    Changed();
}

TFZXChar& TFZXFont::AppendGlyph() {
    FGlyphs.push_back(std::make_unique<TFZXChar>(this));
    return *FGlyphs.back();
}

void TFZXFont::SetLastChar(int value) {
    if (value == FLastChar) return;
    FLastChar = value;
    const bool currentHeld = GetCurrent() != nullptr;
    {
        TFontUpdate update(*this, false);
        while (Count() < value - 31) {
            TFZXChar& glyph = AppendGlyph();
            glyph.Clear();
            glyph.SetWidth(8);
        }
        while (Count() > 0 && Count() > value - 31) {
            if (FGlyphs.back()->DataSize() != 0) break;
            FGlyphs.pop_back();
        }
        SetModified(true);
    }
    // A current character that has just come into being gets its first
    // state recorded, as choosing it would have: undo of its first edit
    // goes back to it instead of to whatever glyph was recorded last.
    if (!currentHeld && GetCurrent() != nullptr) RecordUndo(THistoryKind::SelectChar, 0);
    Changed();
}

TFZXChar* TFZXFont::GetCurrent() {
    return const_cast<TFZXChar*>(static_cast<const TFZXFont&>(*this).GetCurrent());
}

const TFZXChar* TFZXFont::GetCurrent() const {
    if (FCurrentIndex >= 0 && FCurrentIndex < Count())
        return FGlyphs[static_cast<std::size_t>(FCurrentIndex)].get();
    return nullptr;
}

void TFZXFont::SetCurrent(int index) {
    if (index == FCurrentIndex) return;
    FCurrentIndex = index;
    RecordUndo(THistoryKind::SelectChar, 0);
    Changed();
}

void TFZXFont::GlyphChanged(THistoryKind kind) {
    RecordUndo(kind, 0);
    SetModified(true);
    Changed();
}

void TFZXFont::RecordUndo(THistoryKind kind, int group) {
    RecordUndoFor(kind, FCurrentIndex, group);
}

void TFZXFont::RecordUndoFor(THistoryKind kind, int index, int group) {
    if (index < 0 || index >= Count() || FUpdateLock > 0) return;
    const TFZXChar& g = Glyph(index);
    FUndoList.AddEntry(kind, index, group, g.Rows(), g.Width(), g.Leading(), g.Kern());
}

int TFZXFont::FZXFileSize() const {
    if (FGlyphs.empty()) return 0;
    int size = 3 * FLastChar - 88;
    const int last = std::min(FLastChar - 31, Count());
    for (int i = 0; i < last; ++i)
        size += Glyph(i).DataSize();
    return size;
}

bool TFZXFont::IsCHRCompatible() const {
    if (FHeight != 8 || FTracking != 0 || FLastChar < 32 || FLastChar > 127) return false;
    if (Count() < FLastChar - 31) return false;
    for (int i = 0; i < FLastChar - 31; ++i) {
        const TFZXChar& g = Glyph(i);
        if (g.Width() != 8 || g.Kern() != 0 || g.RowCount() + g.Leading() > 8) return false;
    }
    return true;
}

namespace {
std::string CharacterName(int code) {
    std::string name = "Character " + std::to_string(code);
    if (code >= 33 && code <= 126) name += std::string(" (") + static_cast<char>(code) + ")";
    return name;
}
} // namespace

std::string TFZXFont::CHRIncompatibility() const {
    // The rules of IsCHRCompatible, in its order.
    const auto number = [](int n) { return std::to_string(n); };
    if (FHeight != 8) return "Body height is " + number(FHeight) + ", not 8.";
    if (FTracking != 0) return "Right tracking is " + number(FTracking) + ", not 0.";
    if (FLastChar < 32) return "The font holds no characters.";
    if (FLastChar > 127) return "Last char is " + number(FLastChar) + ", beyond 127.";
    if (Count() < FLastChar - 31)
        return "The font holds " + number(Count()) + " characters, fewer than Last char " +
               number(FLastChar) + " needs.";
    for (int i = 0; i < FLastChar - 31; ++i) {
        const TFZXChar& g = Glyph(i);
        const std::string name = CharacterName(i + 32);
        if (g.Width() != 8) return name + " is " + number(g.Width()) + " pixels wide, not 8.";
        if (g.Kern() != 0) return name + " has a horizontal overlap of " + number(g.Kern()) + ".";
        if (g.RowCount() + g.Leading() > 8)
            return name + " reaches down to row " + number(g.RowCount() + g.Leading()) +
                   ", beyond the 8 rows of a CHR character.";
    }
    return std::string();
}

std::pair<int, int> TFZXFont::MaxWidth() const {
    int largest = 0, over = 0;
    for (const auto& g : FGlyphs) {
        largest = std::max(largest, g->Width());
        if (g->Width() > 16) ++over;
    }
    return {largest, over};
}

std::pair<int, int> TFZXFont::MaxHeight() const {
    int largest = 0, over = 0;
    for (const auto& g : FGlyphs) {
        const int h = g->RowCount() + g->Leading();
        largest = std::max(largest, h);
        if (h > FHeight) ++over;
    }
    return {largest, over};
}

static void AddUnique(Tintarray& list, int value) {
    if (std::find(list.begin(), list.end(), value) == list.end()) list.push_back(value);
}

Tintarray TFZXFont::VerticalLimits(int firstCode, int lastCode) const {
    Tintarray result;
    for (int code = firstCode; code <= lastCode; ++code) {
        const int index = code - 32;
        if (index < 0 || index >= Count()) continue;
        const TFZXChar& g = Glyph(index);
        const int rows = g.RowCount();
        if (rows == 0) continue;
        AddUnique(result, g.Leading());
        AddUnique(result, g.Leading() + rows);
    }
    return result;
}

std::pair<int, int> TFZXFont::CellSize(int index, int zoom) const {
    if (index < 0 || index >= Count()) return {0, 0};
    return {zoom * (Glyph(index).Width() + FTracking), zoom * FHeight};
}

Tintarray TFZXFont::ParseGuideLines(const std::string& text) const {
    Tintarray result;
    std::string digits = text;
    for (char& c : digits)
        if (c < '0' || c > '9') c = ' ';
    TStringList parts;
    SplitText(parts, digits, ' ');
    for (const auto& part : parts) {
        if (part.empty()) continue;
        errno = 0;
        const long long value = std::strtoll(part.c_str(), nullptr, 10);
        if (errno == ERANGE || value > INT_MAX) continue;
        if (value > FHeight) continue;
        result.push_back(static_cast<std::int32_t>(value));
    }
    return result;
}
