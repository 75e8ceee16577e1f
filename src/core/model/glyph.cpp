#include "model/glyph.h"

#include <algorithm>

#include "model/font.h"
#include "model/updatescope.h"

TFZXChar::TFZXChar(TFZXFont* font) : FFont(font) {}

std::uint64_t TFZXChar::NextRevision() {
    // One user-interface thread edits glyphs; a plain counter is enough.
    static std::uint64_t counter = 0;
    return ++counter;
}

TFZXChar::~TFZXChar() {
    FRows.clear();
    FFont = nullptr;
}

void TFZXChar::Changed() {
    if (FUpdateLock != 0 || FFont == nullptr) return;
    ++FUpdateLock;
    FFont->Changed();
    --FUpdateLock;
}

void TFZXChar::EndUpdate(bool notify) {
    --FUpdateLock;
    if (notify) Changed();
}

void TFZXChar::SetKern(int value) {
    if (value == FKern) return;
    FKern = value;
    Touch();
    Changed();
}

void TFZXChar::SetLeading(int value) {
    if (value == FLeading) return;
    FLeading = value;
    Touch();
    Changed();
}

void TFZXChar::SetRows(const std::string& value) {
    if (value == FRows) return;
    AssignRows(value);
    Changed();
}

void TFZXChar::SetWidth(int value) {
    if (value == FWidth) return;
    TGlyphUpdate update(*this);
    TStringList list;
    SplitText(list, FRows, '|');
    const std::size_t oldWidth = FWidth > 0 ? static_cast<std::size_t>(FWidth) : 0;
    for (auto& row : list) {
        if (row.size() > oldWidth) row.resize(oldWidth);
        row = PadText(row, value, '0', 0);
    }
    FWidth = value;
    Touch();
    TrimRowList(list);
    SetRows(JoinText(list, '|'));
}

void TFZXChar::SetAll(const std::string& rows, int leading, int width, int kern) {
    TGlyphUpdate update(*this);
    AssignRows(rows);
    FLeading = leading;
    FWidth = width;
    FKern = kern;
    Touch();
}

void TFZXChar::Clear() {
    TGlyphUpdate update(*this);
    SetRows(std::string());
    SetLeading(0);
    SetKern(0);
}

void TFZXChar::Assign(const TFZXChar& source) {
    TGlyphUpdate update(*this);
    SetAll(source.FRows, source.FLeading, source.FWidth, source.FKern);
    FDataLength = source.FDataLength;
}

void TFZXChar::CopyFrom(const TFZXChar& source) {
    if (&source == this) return;
    Assign(source);
    Changed();
}

int TFZXChar::DataSize() const {
    return BytesPerRow() * RowCount();
}

std::vector<std::uint8_t> TFZXChar::DefinitionBytes() const {
    // Exactly the bytes DataSize counts, so a file's table stays true even for
    // rows of unexpected length: a trailing '|' is an empty row, and longer
    // rows are cut to the width.
    std::vector<std::uint8_t> bytes;
    const int perRow = BytesPerRow();
    const std::size_t width = FWidth > 0 ? static_cast<std::size_t>(FWidth) : 0;
    TStringList rows;
    SplitText(rows, FRows, '|');
    rows.resize(static_cast<std::size_t>(RowCount()));
    bytes.reserve(rows.size() * static_cast<std::size_t>(std::max(perRow, 0)));
    for (auto& row : rows) {
        if (row.size() > width) row.resize(width);
        for (int b = 0; b < perRow; ++b)
            bytes.push_back(TakeByte(row));
    }
    return bytes;
}

int TFZXChar::FontHeight() const {
    return FFont ? FFont->Height() : 0;
}

int TFZXChar::FontTracking() const {
    return FFont ? FFont->Tracking() : 0;
}

void TFZXChar::Normalize() {
    TGlyphUpdate update(*this);
    TStringList list;
    SplitText(list, FRows, '|');
    TrimRowList(list);
    SetRows(JoinText(list, '|'));
}

void TFZXChar::TrimRowList(TStringList& list) {
    ++FUpdateLock;
    const std::string blank(FWidth > 0 ? static_cast<std::size_t>(FWidth) : 0, '0');
    while (!list.empty() && list.back() == blank)
        list.pop_back();
    std::size_t drop = 0;
    while (drop < list.size() && list[drop] == blank && FLeading < 15) {
        ++FLeading;
        ++drop;
    }
    list.erase(list.begin(), list.begin() + static_cast<std::ptrdiff_t>(drop));
    --FUpdateLock;
}

void TFZXChar::ExpandRowList(TStringList& list) {
    ++FUpdateLock;
    const std::string blank(FWidth > 0 ? static_cast<std::size_t>(FWidth) : 0, '0');
    if (FLeading > 0) {
        list.insert(list.begin(), static_cast<std::size_t>(FLeading), blank);
        FLeading = 0;
        Touch();
    }
    const int height = FontHeight();
    if (static_cast<int>(list.size()) < height)
        list.resize(static_cast<std::size_t>(height), blank);
    --FUpdateLock;
}

void TFZXChar::Expand() {
    ++FUpdateLock;
    TStringList list;
    SplitText(list, FRows, '|');
    ExpandRowList(list);
    SetRows(JoinText(list, '|'));
    --FUpdateLock;
}

void TFZXChar::DecodeFZXBytes() {
    TGlyphUpdate update(*this);
    const std::string bytes = FRows;
    const int perRow = (FWidth - 1) / 8 + 1;
    TStringList list;
    if (perRow > 0) {
        const std::size_t rowCount = bytes.size() / static_cast<std::size_t>(perRow);
        list.reserve(rowCount);
        const std::size_t keep = FWidth > 0 ? static_cast<std::size_t>(FWidth) : 0;
        for (std::size_t i = 0; i < rowCount; ++i) {
            std::string row;
            row.reserve(static_cast<std::size_t>(perRow) * 8);
            for (int b = 0; b < perRow; ++b)
                row += ByteToBits(static_cast<std::uint8_t>(bytes[i * perRow + b]));
            row.resize(std::min(row.size(), keep));
            list.push_back(std::move(row));
        }
    }
    SetRows(JoinText(list, '|'));
}

std::string ByteToBits(std::uint8_t value) {
    std::string bits(8, '0');
    for (int i = 0; i < 8; ++i)
        if (value & (0x80 >> i)) bits[static_cast<std::size_t>(i)] = '1';
    return bits;
}

std::uint8_t TakeByte(std::string& text) {
    std::uint8_t value = 0;
    const std::size_t n = std::min<std::size_t>(8, text.size());
    for (std::size_t i = 0; i < n; ++i)
        if (text[i] == '1') value |= static_cast<std::uint8_t>(0x80 >> i);
    text.erase(0, n);
    return value;
}
