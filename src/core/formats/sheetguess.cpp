#include "formats/sheetguess.h"

#include <algorithm>
#include <vector>

#include "formats/sheet.h"
#include "formats/sheetaxis.h"
#include "formats/sheetdrawn.h"
#include "formats/sheetink.h"
#include "formats/sheetmarks.h"

namespace {

constexpr int kMaxCellSide = 255;

std::size_t At(long i) {
    return static_cast<std::size_t>(i);
}

// Whether the cells hold one character each: a cell of several shows blank
// columns (or rows) between its inked ones, which few characters have; and
// most cells between the first and last inked ones hold ink (cells of a
// fraction of a character leave many blank).
bool OneCharacterACell(const std::vector<bool>& ink, int w, const TImportOptions& o, int columns,
                       int rows) {
    long inkedCells = 0, splits = 0;
    for (int row = 0; row < rows; ++row)
        for (int column = 0; column < columns; ++column) {
            const int left = o.MarginX + column * (o.CellWidth + o.GapX);
            const int top = o.MarginY + row * (o.CellHeight + o.GapY);
            std::vector<bool> across(At(o.CellWidth), false), down(At(o.CellHeight), false);
            for (int b = 0; b < o.CellHeight; ++b)
                for (int a = 0; a < o.CellWidth; ++a)
                    if (ink[At(top + b) * At(w) + At(left + a)]) across[At(a)] = down[At(b)] = true;
            auto runs = [](const std::vector<bool>& line) {
                int n = 0;
                for (std::size_t i = 0; i < line.size(); ++i)
                    n += line[i] && (i == 0 || !line[i - 1]);
                return n;
            };
            const int a = runs(across), d = runs(down);
            if (a == 0) continue;
            ++inkedCells;
            splits += (a - 1) + (d - 1);
        }
    return inkedCells > 0 && 2 * splits <= inkedCells && 2 * inkedCells >= long(columns) * rows;
}

// A layout pair's standing: equal gaps, characters at their cells' left, no
// blank cells before the first ink (a single row may begin with one, the
// space), none after the last, then the more closings both ways share, in
// that order of weight.
constexpr int kSure = 96; // equal gaps and characters at the left

int Rank(const TAxisLayout& x, const TAxisLayout& y, bool oneRow) {
    int shared = 0;
    for (unsigned bits = x.Closings & y.Closings; bits; bits &= bits - 1)
        ++shared;
    return (x.Gap == y.Gap) * 64 + x.InkAtStart * 32 +
           ((oneRow || x.BlankBefore == 0) && y.BlankBefore == 0) * 16 +
           (x.BlankAfter == 0 && y.BlankAfter == 0) * 8 + shared;
}

std::string Describe(const TAxisLayout& x, const TAxisLayout& y) {
    return std::to_string(x.Cell) + 'x' + std::to_string(y.Cell) + " cells with gap " +
           (x.Gap == y.Gap ? std::to_string(x.Gap)
                           : std::to_string(x.Gap) + 'x' + std::to_string(y.Gap));
}

// Cells of the period drawn from their first line, as many as hold ink.
TAxisLayout Aligned(const TAxisInk& a, int gap) {
    TAxisLayout l;
    l.Gap = gap;
    l.Cell = std::clamp(a.Period - gap, 1, kMaxCellSide);
    l.Margin = a.First - ((a.First - a.Start) % a.Period + a.Period) % a.Period;
    if (l.Margin < 0) l.Margin += a.Period;
    l.Count = (a.Last - l.Margin) / a.Period + 1;
    return l;
}

void Take(TImportOptions& o, const TAxisLayout& x, const TAxisLayout& y) {
    o.CellWidth = x.Cell;
    o.CellHeight = y.Cell;
    o.GapX = x.Gap;
    o.GapY = y.Gap;
    o.MarginX = x.Margin;
    o.MarginY = y.Margin;
    o.Columns = x.Count;
}

// Reads the grid from the ink; false when no period of cells shows.
bool FromInk(const std::vector<bool>& ink, int w, int h, TSheetGuess& guess) {
    const TAxisInk x = ReadAxis(InkProfile(ink, w, h, true));
    TAxisInk y = ReadAxis(InkProfile(ink, w, h, false));
    // Two inked cells across say nothing of a grid.
    if (x.Period == 0 || x.Last - x.First < 2 * x.Period - x.InkLength) return false;
    const bool oneRow = y.Period == 0;
    std::vector<std::pair<TAxisLayout, TAxisLayout>> pairs;
    for (const TAxisLayout& lx : x.Layouts) {
        if (oneRow) {
            // One row of cells as high as the picture.
            if (h <= kMaxCellSide)
                pairs.push_back({lx, {0, h, lx.Gap, 1, lx.Closings, true, 0, 0}});
            continue;
        }
        for (const TAxisLayout& ly : y.Layouts)
            pairs.push_back({lx, ly});
    }
    int best = -1, atBest = 0;
    std::size_t pick = 0;
    for (std::size_t i = 0; i < pairs.size(); ++i) {
        const int rank = Rank(pairs[i].first, pairs[i].second, oneRow);
        if (rank > best) {
            best = rank;
            atBest = 0;
            pick = i;
        }
        atBest += rank == best;
    }
    TImportOptions& o = guess.Options;
    if (pairs.empty()) {
        // Cells found, but no margins that close the picture evenly: the
        // cells drawn from their first lines, gaps as wide as both allow.
        const int gap =
            oneRow ? 0 : std::max(0, std::min(x.Period - x.InkLength, y.Period - y.InkLength));
        const TAxisLayout lx = Aligned(x, gap);
        Take(o, lx,
             oneRow ? TAxisLayout{0, std::min(h, kMaxCellSide), gap, 1, 0, true, 0, 0}
                    : Aligned(y, gap));
        guess.Doubt = "Cells of " + std::to_string(x.Period) +
                      " pixels repeat across, but no margins fit the picture's size evenly.";
        return true;
    }
    const TAxisLayout px = pairs[pick].first, py = pairs[pick].second;
    Take(o, px, py);
    // Blank cells before the first ink with a margin after the last as wide
    // as the first compete with a wider first margin that has none after.
    // A blank first row of cells (a font without punctuation) is as likely
    // as a wider margin above.
    auto shared = [](const TAxisLayout& a, const TAxisLayout& b) {
        int n = 0;
        for (unsigned bits = a.Closings & b.Closings; bits; bits &= bits - 1)
            ++n;
        return n;
    };
    const bool evenBest = px.Closings & py.Closings & kCloseMargin;
    bool rival = false;
    for (const auto& [qx, qy] : pairs) {
        if (oneRow || best < kSure || Rank(qx, qy, false) < kSure ||
            qx.BlankAfter + qy.BlankAfter > 0 || qx.BlankBefore + qy.BlankBefore == 0)
            continue;
        const bool even = qx.Closings & qy.Closings & kCloseMargin;
        rival = rival || (even && !evenBest) ||
                (qx.BlankBefore == 0 && shared(qx, qy) >= shared(px, py));
    }
    // Cells that touch give their boundaries only by fewer strokes crossing
    // them; after a margin that may be a line off.
    const bool touching = (x.InkLength == x.Period && px.Margin > 0) ||
                          (!oneRow && y.InkLength == y.Period && py.Margin > 0);
    if (atBest > 1) {
        // Name one other grid that fits as well.
        for (std::size_t i = 0; i < pairs.size(); ++i)
            if (i != pick && Rank(pairs[i].first, pairs[i].second, oneRow) == best) {
                guess.Doubt = "Several grids fit the picture, such as " + Describe(px, py) +
                              " and " + Describe(pairs[i].first, pairs[i].second) + ".";
                break;
            }
    } else if (rival) {
        guess.Doubt = "Several grids fit the picture: the first column of cells may be blank or "
                      "part of the margin.";
    } else if (touching) {
        guess.Doubt = "The cells touch each other: where they begin after the margin is unsure.";
    } else if (best < kSure) {
        guess.Doubt = "The cells found have unequal gaps or characters away from their left.";
    } else if (oneRow && (px.Margin > 0 || h > 2 * x.Period)) {
        guess.Doubt = "One row of cells: where it begins and ends down the picture is unsure.";
    } else if (!OneCharacterACell(ink, w, o, px.Count - px.BlankAfter, py.Count - py.BlankAfter)) {
        guess.Doubt = "The cells found seem to hold several characters each.";
    }
    return true;
}

} // namespace

TSheetGuess GuessSheetGrid(const TRaster& picture, bool invert) {
    TSheetGuess guess;
    TImportOptions& o = guess.Options;
    o.Invert = invert;
    const int w = picture.Width(), h = picture.Height();
    if (w < 1 || h < 1) {
        guess.Doubt = "The picture is empty.";
        return guess;
    }
    const TSheetPaper paper = SheetPaperOf(picture, nullptr, invert);
    guess.LightOnDark = !paper.Transparent && paper.Luma < 128;
    // Grid lines are lines of paper, whichever way the ink goes.
    if (FindGridLines(picture, invert ? SheetPaperOf(picture, nullptr, false) : paper, o)) {
        guess.Confident = true;
        return guess;
    }

    if (FindCaptionGrid(picture, o) || FindMarkedGrid(picture, o)) {
        guess.Confident = true;
        return guess;
    }

    std::vector<bool> ink(At(w) * At(h));
    bool any = false;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            any |= ink[At(y) * At(w) + At(x)] = IsInk(picture.Pixel(x, y), paper);
    if (any && FromInk(ink, w, h, guess)) {
        guess.Confident = guess.Doubt.empty();
        return guess;
    }
    guess.Doubt = any ? "No grid of cells found: no evenly spaced lines that the ink never crosses."
                      : "The picture shows no ink.";
    // A start for the user: 16 columns, square cells where the height allows.
    o.Columns = 16;
    o.CellWidth = std::clamp(w / 16, 1, kMaxCellSide);
    const int rowCount = std::max(1, h / o.CellWidth);
    o.CellHeight = std::clamp(h / rowCount, 1, kMaxCellSide);
    return guess;
}

int SheetColumnsFitting(const TRaster& picture, const TImportOptions& o) {
    const long step = static_cast<long>(o.CellWidth) + o.GapX;
    if (step < 1) return 1;
    const long width = picture.Width();
    const long fit = std::clamp<long>((width - o.MarginX + o.GapX) / step, 1, 256);
    // A right margin as wide as the left one: fewer cells, if those left
    // out hold no ink.
    const long rest = width - 2L * o.MarginX + o.GapX;
    if (rest <= 0 || rest % step != 0 || rest / step >= fit) return static_cast<int>(fit);
    const long even = std::max(1L, rest / step);
    const TSheetPaper paper = SheetPaperOf(picture, nullptr, o.Invert);
    for (long x = o.MarginX + even * step; x < width; ++x)
        for (int y = 0; y < picture.Height(); ++y)
            if ((x - o.MarginX) % step < o.CellWidth && IsInk(picture.Pixel(int(x), y), paper))
                return static_cast<int>(fit);
    return static_cast<int>(even);
}

std::string SheetGridText(const TImportOptions& o) {
    auto pair = [](int a, int b) {
        return a == b ? std::to_string(a) : std::to_string(a) + 'x' + std::to_string(b);
    };
    return "grid: " + std::to_string(o.CellWidth) + 'x' + std::to_string(o.CellHeight) +
           " cells, gap " + pair(o.GapX, o.GapY) + ", margin " + std::to_string(o.MarginX) + 'x' +
           std::to_string(o.MarginY) + ", " + std::to_string(o.Columns) + " columns";
}
