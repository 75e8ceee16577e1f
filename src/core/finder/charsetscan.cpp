#include "finder/charsetscan.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>

namespace {

constexpr int kCell = 8;
constexpr int kUdgCount = 21;
// Below this a window is no set (tuned on made-up memory, see the bench).
constexpr int kMinScore = 60;
// Windows judged in full per area, at most: a set takes about 20, so a 48K
// page full of sets needs 1,500.
constexpr std::size_t kMaxJudgements = 16384;

// Set bits of each byte value: the scan counts ink at every offset.
struct TInkTable {
    std::uint8_t Count[256];
    constexpr TInkTable() : Count() {
        for (int v = 0; v < 256; ++v)
            Count[v] = static_cast<std::uint8_t>((v & 1) + (v >> 1 & 1) + (v >> 2 & 1) +
                                                 (v >> 3 & 1) + (v >> 4 & 1) + (v >> 5 & 1) +
                                                 (v >> 6 & 1) + (v >> 7 & 1));
    }
};
constexpr TInkTable kInk;

int Ink(std::uint8_t b) {
    return kInk.Count[b];
}

// A cell that could be a character: some ink but not a solid block, a blank
// column (characters keep a gap to their neighbours) and strokes, not
// scattered pixels as code and random data give.
bool GlyphLike(const std::uint8_t* c) {
    int ink = 0;
    std::uint8_t all = 0;
    for (int r = 0; r < kCell; ++r) {
        ink += Ink(c[r]);
        all |= c[r];
    }
    if (ink < 2 || ink > 40 || all == 0xFF) return false;
    int isolated = 0;
    for (int r = 0; r < kCell; ++r) {
        const unsigned row = c[r];
        const unsigned up = r > 0 ? c[r - 1] : 0u, down = r < kCell - 1 ? c[r + 1] : 0u;
        const unsigned near = up | down;
        const unsigned touch = near | (near << 1) | (near >> 1) | (row << 1) | (row >> 1);
        isolated += Ink(static_cast<std::uint8_t>(row & ~touch));
    }
    return isolated <= 2 && isolated * 6 <= ink + 6;
}

bool Blank(const std::uint8_t* c) {
    for (int r = 0; r < kCell; ++r)
        if (c[r]) return false;
    return true;
}

// First and last inked row of a cell; -1 for a blank one.
void InkRows(const std::uint8_t* c, int& top, int& bottom) {
    top = bottom = -1;
    for (int r = 0; r < kCell; ++r)
        if (c[r]) {
            if (top < 0) top = r;
            bottom = r;
        }
}

int InkCount(const std::uint8_t* c) {
    int n = 0;
    for (int r = 0; r < kCell; ++r)
        n += Ink(c[r]);
    return n;
}

// Whether the row is one run of set bits.
bool Bar(std::uint8_t row) {
    if (!row) return false;
    while (!(row & 1))
        row >>= 1;
    return (row & (row + 1)) == 0;
}

// Punctuation that looks the same in nearly every font: whether the cell of
// code looks like it. -1 where the code has no such test.
int PunctuationFits(int code, const std::uint8_t* c) {
    switch (code) {
    case ' ':
    case '-':
    case '_':
    case '.':
    case ',':
    case '\'':
    case '"':
    case '`':
    case ':':
    case ';':
    case '=':
        break;
    default:
        return -1;
    }
    int top = 0, bottom = 0;
    InkRows(c, top, bottom);
    const int ink = InkCount(c);
    if (top < 0) return code == 32 ? 1 : -1;
    switch (code) {
    case '-': { // one bar (or two equal ones) in the middle
        const bool bars = Bar(c[top]) && c[bottom] == c[top] && bottom - top <= 1;
        return bars && top >= 2 && bottom <= 5;
    }
    case '_':
        return top >= 5 && Bar(c[bottom]);
    case '.':
        return ink <= 9 && top >= 4;
    case ',':
        return ink <= 10 && top >= 3;
    case '\'':
    case '"':
    case '`':
        return ink <= 10 && bottom <= 4;
    case ':':
    case ';': { // two groups of rows with a gap between
        int groups = 0;
        for (int r = top; r <= bottom; ++r)
            if (c[r] && (r == top || !c[r - 1])) ++groups;
        return groups == 2 && ink <= 14;
    }
    case '=': {
        int groups = 0;
        for (int r = top; r <= bottom; ++r)
            if (c[r] && (r == top || !c[r - 1])) ++groups;
        return groups == 2 && Bar(c[top]) && Bar(c[bottom]);
    }
    default:
        return -1;
    }
}

// The most frequent of the counted values, as a fraction of all of them.
double ModeShare(const std::array<int, kCell>& counts, int all) {
    if (all == 0) return 0.0;
    return static_cast<double>(*std::max_element(counts.begin(), counts.end())) / all;
}

} // namespace

int CharsetScore(const std::uint8_t* cells, int count, int firstCode) {
    // Letters and digits weigh most: games often put graphics in the places
    // of punctuation, seldom in those of letters.
    double glyphs = 0, weights = 0;
    int blanks = 0, others = 0, punctuation = 0, punctuationTests = 0;
    std::array<int, kCell> tops{}, bottoms{};
    int lettersAndDigits = 0;
    int within = 0, across = 0;
    std::array<std::uint64_t, 256> seen;
    std::size_t seenCount = 0;
    std::array<int, kCell> rowUse{};
    int text = 0;
    for (int k = 0; k < count; ++k) {
        const std::uint8_t* c = cells + k * kCell;
        const int code = firstCode + k;
        const int fits = PunctuationFits(code, c);
        if (fits >= 0) {
            ++punctuationTests;
            punctuation += fits;
        }
        if (code == 32) continue;
        ++others;
        const bool upper = (code >= '0' && code <= '9') || (code >= 'A' && code <= 'Z');
        const bool lower = code >= 'a' && code <= 'z';
        const double weight = upper ? 2.0 : lower ? 1.0 : 0.5;
        weights += weight;
        if (Blank(c)) {
            blanks += upper || lower;
            continue;
        }
        glyphs += weight * GlyphLike(c);
        std::uint64_t key = 0;
        bool printable = true;
        for (int r = 0; r < kCell; ++r) {
            key = key << 8 | c[r];
            rowUse[static_cast<std::size_t>(r)] += c[r] != 0;
            printable = printable && c[r] >= 0x20 && c[r] < 0x7F;
        }
        text += printable;
        seen[seenCount++] = key;
        if (upper) {
            int top = 0, bottom = 0;
            InkRows(c, top, bottom);
            ++tops[static_cast<std::size_t>(top)];
            ++bottoms[static_cast<std::size_t>(bottom)];
            ++lettersAndDigits;
        }
        // Strokes run on inside a character; across the line between two
        // cells they do not, unless the cells are cut in the wrong place.
        for (int r = 0; r + 1 < kCell; ++r)
            within += Ink(static_cast<std::uint8_t>(c[r] & c[r + 1]));
        if (k + 1 < count) across += Ink(static_cast<std::uint8_t>(c[kCell - 1] & c[kCell]));
    }
    if (others == 0) return 0;
    const double glyphShare = glyphs / weights;
    if (glyphShare < 0.6) return 0;
    std::sort(seen.begin(), seen.begin() + static_cast<std::ptrdiff_t>(seenCount));
    const double distinct =
        seenCount == 0
            ? 0.0
            : static_cast<double>(
                  std::unique(seen.begin(), seen.begin() + static_cast<std::ptrdiff_t>(seenCount)) -
                  seen.begin()) /
                  static_cast<double>(seenCount);
    const double punctuationShare =
        punctuationTests ? static_cast<double>(punctuation) / punctuationTests : 0.5;
    const double baseline =
        (ModeShare(bottoms, lettersAndDigits) * 2 + ModeShare(tops, lettersAndDigits)) / 3;
    // Per cell boundary, how much ink continues across it compared with inside.
    const double cut = within > 0 ? std::min(1.0, 7.0 * across / within) : 1.0;
    // Characters use most rows of their cells; tables of numbers leave the
    // same rows empty in every entry. Text in ASCII has no zero bytes, while
    // nearly every character keeps a blank row.
    int unusedRows = 0;
    for (int use : rowUse)
        unusedRows += use * 10 < static_cast<int>(seenCount);
    const double textShare = seenCount == 0 ? 0.0 : static_cast<double>(text) / seenCount;
    const double score = 40 * glyphShare + 20 * punctuationShare + 15 * baseline + 10 * distinct +
                         15 * (1 - cut) - 60.0 * blanks / others -
                         15.0 * std::max(0, unusedRows - 2) - 40 * textShare;
    return std::clamp(static_cast<int>(score + 0.5), 0, 100);
}

namespace {

struct TShape {
    int FirstCode, Count, MinGood;
    int Penalty; // shorter and rarer shapes lose ties to the full set
};
// Longest first: a set of 96 also starts a set of 64 at the same place.
constexpr TShape kShapes[] = {{32, 96, 57, 0}, {33, 95, 70, 2}, {32, 64, 38, 4}, {33, 63, 46, 6}};

TFoundFont SetFound(std::size_t offset, int firstCode, int count, int score) {
    TFoundFont f;
    f.Offset = offset;
    f.Length = static_cast<std::size_t>(count) * kCell;
    f.Kind = TFoundKind::Charset;
    f.FirstCode = firstCode;
    f.LastCode = firstCode + count - 1;
    f.Score = score;
    return f;
}

// The best set starting at s (Score 0: none). goodIn(first, n) counts the
// glyph-like cells among n from first on, blankAt(o) tells a blank cell.
template <class GoodIn, class BlankAt>
TFoundFont BestSetAt(const TScanArea& area, std::size_t s, GoodIn goodIn, BlankAt blankAt,
                     std::size_t& judged) {
    const std::vector<std::uint8_t>& bytes = area.Bytes;
    // The set the CHARS system variable points at needs less to be taken.
    const bool hinted = static_cast<std::int64_t>(s) == area.CharsHint;
    TFoundFont best;
    for (const TShape& shape : kShapes) {
        // A sure longer set is not beaten by the shorter ones it starts.
        if (best.Score >= 100 - shape.Penalty) continue;
        const std::size_t length = static_cast<std::size_t>(shape.Count) * kCell;
        if (s + length > bytes.size()) continue;
        const bool fromSpace = shape.FirstCode == 32;
        if (fromSpace && !blankAt(s)) continue;
        // A set from '!' whose cell before is blank is the set from the
        // space; one whose cell before is a character is the inside of a
        // longer set (whose every offset looks like a set).
        if (!fromSpace && s >= kCell && (blankAt(s - kCell) || goodIn(s - kCell, 1) > 0)) continue;
        const int need = hinted ? shape.MinGood / 2 : shape.MinGood;
        if (goodIn(fromSpace ? s + kCell : s, fromSpace ? shape.Count - 1 : shape.Count) < need)
            continue;
        // Without a blank space to anchor it, a set from '!' must have some
        // punctuation where it belongs before it is judged in full.
        if (!fromSpace) {
            int fits = 0;
            for (const char code : {'-', '.', ',', ':', '=', '_'})
                fits += PunctuationFits(
                            code, &bytes[s + static_cast<std::size_t>(code - 33) * kCell]) == 1;
            if (fits < 2) continue;
        }
        ++judged;
        int score = CharsetScore(&bytes[s], shape.Count, shape.FirstCode) - shape.Penalty;
        if (hinted && score > 0) score = std::min(100, score + 25);
        // A shorter set must beat the longer one it starts.
        if (score >= kMinScore && score > best.Score)
            best = SetFound(s, shape.FirstCode, shape.Count, score);
    }
    return best;
}

// The UDG block where the system variable points, when it has ink.
TFoundFont UdgAt(const TScanArea& area) {
    const std::int64_t udg = area.UdgHint;
    if (udg < 0 || static_cast<std::size_t>(udg) + kUdgCount * kCell > area.Bytes.size())
        return TFoundFont();
    int inked = 0;
    for (int k = 0; k < kUdgCount; ++k)
        inked += !Blank(&area.Bytes[static_cast<std::size_t>(udg) + k * kCell]);
    if (inked == 0) return TFoundFont();
    TFoundFont f = SetFound(static_cast<std::size_t>(udg), 144, kUdgCount, 40 + inked * 2);
    f.Kind = TFoundKind::Udg;
    return f;
}

} // namespace

std::vector<TFoundFont> ScanCharsets(const TScanArea& area, std::size_t areaIndex) {
    std::vector<TFoundFont> found;
    const std::vector<std::uint8_t>& bytes = area.Bytes;
    if (bytes.size() < kCell * 2) return found;
    const std::size_t cells = bytes.size() - kCell + 1;
    std::vector<std::uint8_t> good(cells), blank(cells);
    for (std::size_t o = 0; o < cells; ++o) {
        blank[o] = Blank(&bytes[o]);
        good[o] = !blank[o] && GlyphLike(&bytes[o]);
    }
    // Prefix counts of glyph-like cells in steps of 8: sum[o] counts good
    // cells at o, o - 8, o - 16 ...
    std::vector<std::uint16_t> sum(cells);
    for (std::size_t o = 0; o < cells; ++o)
        sum[o] = static_cast<std::uint16_t>(good[o] + (o >= kCell ? sum[o - kCell] : 0));
    const auto goodIn = [&](std::size_t first, int n) {
        const std::size_t last = first + static_cast<std::size_t>(n - 1) * kCell;
        return sum[last] - (first >= kCell ? sum[first - kCell] : 0);
    };
    const auto blankAt = [&](std::size_t o) { return blank[o] != 0; };
    // Every shape needs at least this many glyph-like cells among the 64
    // from its start: most offsets are passed over on one look.
    constexpr int kLeastGood = kShapes[0].MinGood - 32;
    // Full judgements are the costly part; a file made of thousands of sets
    // back to back is listed up to where this many were spent.
    std::size_t judged = 0;
    for (std::size_t s = 0; s < cells && judged < kMaxJudgements; ++s) {
        const int window = static_cast<int>(std::min<std::size_t>(64, (cells - 1 - s) / kCell + 1));
        if (goodIn(s, window) < kLeastGood && static_cast<std::int64_t>(s) != area.CharsHint)
            continue;
        TFoundFont f = BestSetAt(area, s, goodIn, blankAt, judged);
        if (f.Score > 0) found.push_back(f);
    }
    TFoundFont udg = UdgAt(area);
    if (udg.Score > 0) found.push_back(udg);
    for (TFoundFont& f : found)
        f.Area = areaIndex;
    return found;
}

TFoundFont CharsetAt(const TScanArea& area, std::size_t offset) {
    if (static_cast<std::int64_t>(offset) == area.UdgHint) {
        const TFoundFont udg = UdgAt(area);
        if (udg.Score > 0) return udg;
    }
    const std::vector<std::uint8_t>& bytes = area.Bytes;
    const auto goodIn = [&](std::size_t first, int n) {
        int count = 0;
        for (int k = 0; k < n; ++k)
            count += GlyphLike(&bytes[first + static_cast<std::size_t>(k) * kCell]);
        return count;
    };
    const auto blankAt = [&](std::size_t o) {
        return o + kCell <= bytes.size() && Blank(&bytes[o]);
    };
    std::size_t judged = 0;
    return BestSetAt(area, offset, goodIn, blankAt, judged);
}
