// Whole-glyph transforms on the row text: bold, italic, rolls, flips and the
// adjustments, which only measure a distance and roll by it. Rotations go
// by n modulo the length at once, so large distances cost no more than one.

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <string_view>

#include "model/glyph.h"
#include "model/updatescope.h"
#include "transforms/rounding.h"

namespace {

// The count of '0' before the first other character of row (all of it when
// there is none).
int LeadingZeros(std::string_view row) {
    const std::size_t first = row.find_first_not_of('0');
    return static_cast<int>(first == std::string::npos ? row.size() : first);
}

int TrailingZeros(std::string_view row) {
    const std::size_t last = row.find_last_not_of('0');
    return static_cast<int>(last == std::string::npos ? row.size() : row.size() - 1 - last);
}

// Smallest count over the rows of text (split at '|' without copying), capped
// at limit.
template <typename Count> int SmallestOverRows(std::string_view text, int limit, Count count) {
    int result = limit;
    std::size_t start = 0;
    while (start <= text.size() && result > 0) {
        std::size_t end = text.find('|', start);
        if (end == std::string::npos) end = text.size();
        // A '|' at the very end holds no last row.
        if (start == text.size() && start != 0) break;
        result = std::min(result, count(text.substr(start, end - start)));
        start = end + 1;
    }
    return result;
}

void RotateLeft(std::string& row, int n) {
    std::rotate(row.begin(), row.begin() + static_cast<std::ptrdiff_t>(n % row.size()), row.end());
}

void RotateRight(std::string& row, int n) {
    std::rotate(row.rbegin(), row.rbegin() + static_cast<std::ptrdiff_t>(n % row.size()),
                row.rend());
}

// Inks to[p] wherever from[p - 1] is '1', for the n characters of one row
// (to starts as a copy of from). Eight characters at a time: the rows of a
// large font hold tens of thousands of them.
void SpreadInk(const char* from, char* to, std::size_t n) {
    constexpr std::uint64_t kOnes = 0x0101010101010101u, kLow7 = 0x7F7F7F7F7F7F7F7Fu;
    constexpr std::uint64_t kInk = kOnes * '1';
    std::size_t p = 1;
    for (; p + 8 <= n; p += 8) {
        std::uint64_t before, here;
        std::memcpy(&before, from + p - 1, 8);
        std::memcpy(&here, from + p, 8);
        const std::uint64_t x = before ^ kInk; // 0 where the left pixel is '1'
        const std::uint64_t zero = ~(((x & kLow7) + kLow7) | x | kLow7); // 0x80 in those bytes
        const std::uint64_t mask = (zero >> 7) * 0xFF;
        here = (here & ~mask) | (kInk & mask);
        std::memcpy(to + p, &here, 8);
    }
    for (; p < n; ++p)
        if (from[p - 1] == '1') to[p] = '1';
}

} // namespace

int TFZXChar::LeftSpace() const {
    if (FRows.empty()) return FWidth;
    return SmallestOverRows(FRows, FWidth, LeadingZeros);
}

int TFZXChar::RightSpace() const {
    if (FRows.empty()) return FWidth;
    return SmallestOverRows(FRows, FWidth, TrailingZeros);
}

int TFZXChar::TopSpace() const {
    return RowCount() > 0 ? FLeading : 0;
}

int TFZXChar::BottomSpace() const {
    const int rows = RowCount();
    return rows > 0 ? FontHeight() - rows - FLeading : 0;
}

void TFZXChar::Bold() {
    TGlyphUpdate update(*this);
    SetWidth(FWidth + 1);
    std::string spread = FRows;
    std::size_t start = 0;
    while (start < spread.size()) {
        std::size_t end = FRows.find('|', start);
        if (end == std::string::npos) end = FRows.size();
        SpreadInk(FRows.data() + start, &spread[start], end - start);
        start = end + 1;
    }
    SetRows(spread);
    Normalize();
}

void TFZXChar::Italic() {
    const int shift = static_cast<int>(RoundHalfAway(FontHeight() / 3.0));
    if (shift <= 0) return;
    const int left = LeftSpace();
    const int right = RightSpace();
    TGlyphUpdate update(*this);
    // A blank column at both edges keeps shifted ink from wrapping around.
    SetWidth(FWidth + (left == 0 ? 1 : 0) + (right == 0 ? 1 : 0));
    if (left == 0) {
        RollRight(1);
        if (FKern < 3) SetKern(FKern + 1);
    }
    TStringList list;
    SplitText(list, FRows, '|');
    ExpandRowList(list);
    const std::size_t s = static_cast<std::size_t>(shift);
    for (std::size_t y = 0; y < s && y < list.size(); ++y)
        if (!list[y].empty()) RotateRight(list[y], 1);
    for (std::size_t y = list.size() - std::min(s, list.size()); y < list.size(); ++y)
        if (!list[y].empty()) RotateLeft(list[y], 1);
    TrimRowList(list);
    SetRows(JoinText(list, '|'));
}

namespace {
// Rotates the rows of the expanded cell by n: up moves the first row to the
// end, down the last row to the front.
void RollRows(TFZXChar& glyph, int n, bool up) {
    TGlyphUpdate update(glyph);
    if (n > 0) {
        glyph.Expand();
        TStringList list;
        SplitText(list, glyph.Rows(), '|');
        if (list.size() > 1) {
            const auto k = static_cast<std::ptrdiff_t>(static_cast<std::size_t>(n) % list.size());
            if (up)
                std::rotate(list.begin(), list.begin() + k, list.end());
            else
                std::rotate(list.rbegin(), list.rbegin() + k, list.rend());
        }
        glyph.SetRows(JoinText(list, '|'));
        glyph.Normalize();
    }
}
} // namespace

void TFZXChar::RollUp(int n) {
    RollRows(*this, n, true);
}

void TFZXChar::RollDown(int n) {
    RollRows(*this, n, false);
}

void TFZXChar::RollLeft(int n) {
    TGlyphUpdate update(*this);
    TStringList list;
    SplitText(list, FRows, '|');
    if (n > 0)
        for (auto& row : list)
            if (row.size() > 1) RotateLeft(row, n);
    SetRows(JoinText(list, '|'));
}

void TFZXChar::RollRight(int n) {
    TGlyphUpdate update(*this);
    TStringList list;
    SplitText(list, FRows, '|');
    if (n > 0)
        for (auto& row : list)
            if (row.size() > 1) RotateRight(row, n);
    SetRows(JoinText(list, '|'));
}

void TFZXChar::FlipHorizontal() {
    TGlyphUpdate update(*this);
    TStringList list;
    SplitText(list, FRows, '|');
    for (auto& row : list)
        std::reverse(row.begin(), row.end());
    SetRows(JoinText(list, '|'));
}

void TFZXChar::FlipVertical() {
    TGlyphUpdate update(*this);
    TStringList list;
    SplitText(list, FRows, '|');
    ExpandRowList(list);
    std::reverse(list.begin(), list.end());
    TrimRowList(list);
    SetRows(JoinText(list, '|'));
}

void TFZXChar::AdjustTop() {
    const int d = TopSpace();
    if (d > 0) RollUp(d);
}

void TFZXChar::AdjustBottom() {
    const int d = BottomSpace();
    if (d > 0) RollDown(d);
}

void TFZXChar::AdjustLeft() {
    const int d = LeftSpace();
    if (d > 0) RollLeft(d);
}

void TFZXChar::AdjustRight() {
    const int d = RightSpace();
    if (d > 0) RollRight(d);
}

void TFZXChar::AdjustHCenter() {
    const int left = LeftSpace();
    const int d = (left + RightSpace()) / 2 - left;
    if (d > 0) RollRight(d);
    if (d < 0) RollLeft(-d);
}

void TFZXChar::AdjustVCenter() {
    const int top = TopSpace();
    const int d = (top + BottomSpace()) / 2 - top;
    if (d > 0) RollDown(d);
    if (d < 0) RollUp(-d);
}

int TFZXChar::InkWidth() const {
    // Columns past the width are not part of the glyph, whatever a row holds.
    const std::size_t width = FWidth > 0 ? static_cast<std::size_t>(FWidth) : 0;
    std::size_t inked = 0;
    std::size_t start = 0;
    while (start <= FRows.size()) {
        std::size_t end = FRows.find('|', start);
        if (end == std::string::npos) end = FRows.size();
        const std::string_view row(FRows.data() + start, std::min(end - start, width));
        const std::size_t last = row.find_last_of('1');
        if (last != std::string_view::npos) inked = std::max(inked, last + 1);
        start = end + 1;
    }
    return static_cast<int>(inked);
}

bool TFZXChar::FitWidth() {
    const int inked = InkWidth();
    if (inked == 0 || inked == FWidth) return false;
    SetWidth(inked);
    return true;
}
