#include "formats/sheetguess.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

#include "formats/sheet.h"
#include "formats/sheetink.h"

namespace {

constexpr int kMaxCellSide = 255;
constexpr int kMinCellSide = 3;

// Positions along one side where a grid line of colour c runs the picture's
// whole length from start on; vertical lines when columns is set.
std::vector<int> GridLines(const TRaster& p, TColor c, bool columns, int start) {
    std::vector<int> lines;
    const int along = columns ? p.Width() : p.Height(), across = columns ? p.Height() : p.Width();
    for (int a = 0; a < along; ++a) {
        bool line = true;
        for (int b = start; b < across && line; ++b)
            line = (columns ? p.Pixel(a, b) : p.Pixel(b, a)) == c;
        if (line) lines.push_back(a);
    }
    return lines;
}

// Equal steps of more than one pixel between lines: the cells and the count.
bool EvenSteps(const std::vector<int>& lines, int& cell, int& count) {
    if (lines.size() < 2) return false;
    const int step = lines[1] - lines[0];
    for (std::size_t i = 1; i < lines.size(); ++i)
        if (lines[i] - lines[i - 1] != step) return false;
    cell = step - 1;
    count = static_cast<int>(lines.size()) - 1;
    return cell >= 1 && cell <= kMaxCellSide;
}

bool FromGridLines(const TRaster& picture, const TSheetPaper& paper, TImportOptions& o) {
    const int w = picture.Width(), h = picture.Height();
    // A grid closes at the right and bottom edges: its colour is in the corner.
    const TColor c = picture.Pixel(w - 1, h - 1);
    if (c == clWhite || IsInk(c, paper)) return false;
    // The lines run from the grid's first row and column to the edges.
    int top = 0, left = 0;
    while (picture.Pixel(w - 1, top) != c)
        ++top;
    while (picture.Pixel(left, h - 1) != c)
        ++left;
    int cw, ch, columns, rows;
    const std::vector<int> verticals = GridLines(picture, c, true, top);
    const std::vector<int> horizontals = GridLines(picture, c, false, left);
    if (!EvenSteps(verticals, cw, columns) || !EvenSteps(horizontals, ch, rows)) return false;
    o.CellWidth = cw;
    o.CellHeight = ch;
    o.Columns = columns;
    o.GapX = o.GapY = 1;
    o.MarginX = verticals.front() + 1;
    o.MarginY = horizontals.front() + 1;
    return true;
}

// One direction of the sheet: Cross[i] counts the strokes of ink that cross
// the line between positions i - 1 and i, Inked[i] whether position i holds
// ink at all.
struct TProfile {
    std::vector<long> Cross;
    std::vector<bool> Inked;
    std::vector<long> Ink; // inked pixels at each position
};

struct TAxis {
    int Step = 0, Margin = 0, Count = 0;
};

// The smallest step whose lines at one offset are crossed clearly less than
// at the others (each at most a third of the middle offset's mean), with no
// ink before the first cell or after the last. Ink alone cannot tell where in
// a band of blank lines the cells meet: cells that fill the picture exactly
// win, else those whose first line holds the most ink (characters drawn from
// the left of their cells, as WriteSheet draws them).
bool FindAxis(const TProfile& p, TAxis& axis) {
    const int length = static_cast<int>(p.Inked.size());
    for (int step = kMinCellSide; step <= std::min(length / 2, kMaxCellSide); ++step) {
        std::vector<double> mean(static_cast<std::size_t>(step), 0.0);
        std::vector<long> most(static_cast<std::size_t>(step), 0);
        for (int m = 0; m < step; ++m) {
            long sum = 0, lines = 0;
            for (int x = m == 0 ? step : m; x < length; x += step, ++lines) {
                sum += p.Cross[static_cast<std::size_t>(x)];
                most[static_cast<std::size_t>(m)] = std::max(most[static_cast<std::size_t>(m)],
                                                             p.Cross[static_cast<std::size_t>(x)]);
            }
            mean[static_cast<std::size_t>(m)] = lines ? double(sum) / double(lines) : 0.0;
        }
        std::vector<double> sorted = mean;
        std::nth_element(sorted.begin(), sorted.begin() + step / 2, sorted.end());
        const double middle = sorted[static_cast<std::size_t>(step / 2)];
        if (middle <= 0) continue;
        bool found = false;
        for (int m = 0; m < step; ++m) {
            if (3 * double(most[static_cast<std::size_t>(m)]) > middle) continue;
            const int count = (length - m) / step;
            bool outside = false;
            for (int x = 0; x < length && !outside; ++x)
                outside = p.Inked[static_cast<std::size_t>(x)] && (x < m || x >= m + count * step);
            if (outside) continue;
            if (m == 0 && count * step == length) {
                axis = {step, m, count};
                return true;
            }
            auto firstInk = [&](int offset) {
                long n = 0;
                for (int x = offset; x < length; x += step)
                    n += p.Ink[static_cast<std::size_t>(x)];
                return n;
            };
            if (!found || firstInk(m) > firstInk(axis.Margin)) axis = {step, m, count};
            found = true;
        }
        if (found) return true;
    }
    return false;
}

TProfile Profile(const std::vector<bool>& ink, int w, int h, bool columns) {
    const int along = columns ? w : h, across = columns ? h : w;
    TProfile p;
    p.Cross.assign(static_cast<std::size_t>(along), 0);
    p.Inked.assign(static_cast<std::size_t>(along), false);
    p.Ink.assign(static_cast<std::size_t>(along), 0);
    auto at = [&](int a, int b) {
        return ink[static_cast<std::size_t>(columns ? b * w + a : a * w + b)];
    };
    for (int a = 0; a < along; ++a)
        for (int b = 0; b < across; ++b) {
            if (!at(a, b)) continue;
            p.Inked[static_cast<std::size_t>(a)] = true;
            ++p.Ink[static_cast<std::size_t>(a)];
            if (a > 0 && at(a - 1, b)) ++p.Cross[static_cast<std::size_t>(a)];
        }
    return p;
}

// Whether the cells hold one character each: a cell of several shows blank
// columns (or rows) between its inked ones, which few characters have.
bool OneCharacterACell(const std::vector<bool>& ink, int w, const TAxis& x, const TAxis& y) {
    long inkedCells = 0, splits = 0;
    for (int row = 0; row < y.Count; ++row)
        for (int column = 0; column < x.Count; ++column) {
            const int left = x.Margin + column * x.Step, top = y.Margin + row * y.Step;
            std::vector<bool> across(static_cast<std::size_t>(x.Step), false),
                down(static_cast<std::size_t>(y.Step), false);
            for (int b = 0; b < y.Step; ++b)
                for (int a = 0; a < x.Step; ++a)
                    if (ink[static_cast<std::size_t>(top + b) * w + left + a])
                        across[static_cast<std::size_t>(a)] = down[static_cast<std::size_t>(b)] =
                            true;
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
    return inkedCells > 0 && 2 * splits <= inkedCells;
}

} // namespace

TSheetGuess GuessSheetGrid(const TRaster& picture, bool invert) {
    TSheetGuess guess;
    TImportOptions& o = guess.Options;
    o.Invert = invert;
    const int w = picture.Width(), h = picture.Height();
    if (w < 1 || h < 1) return guess;
    const TSheetPaper paper = SheetPaperOf(picture, nullptr, invert);
    // Grid lines are lines of paper, whichever way the ink goes.
    if (FromGridLines(picture, invert ? SheetPaperOf(picture, nullptr, false) : paper, o)) {
        guess.Confident = true;
        return guess;
    }

    std::vector<bool> ink(static_cast<std::size_t>(w) * h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            ink[static_cast<std::size_t>(y) * w + x] = IsInk(picture.Pixel(x, y), paper);
    TAxis x, y;
    if (FindAxis(Profile(ink, w, h, true), x)) {
        // One row of cells as high as the picture where no rows show.
        if (!FindAxis(Profile(ink, w, h, false), y)) y = {h, 0, 1};
        // Without grid lines only cells that tile the whole picture are
        // sure: where margins are, ink cannot tell where in them cells begin.
        guess.Confident = y.Step <= kMaxCellSide && (y.Count >= 2 || h <= 2 * x.Step) &&
                          x.Margin == 0 && y.Margin == 0 && x.Count * x.Step == w &&
                          y.Count * y.Step == h;
        guess.Confident = guess.Confident && OneCharacterACell(ink, w, x, y);
        if (guess.Confident) {
            o.CellWidth = x.Step;
            o.CellHeight = y.Step;
            o.MarginX = x.Margin;
            o.MarginY = y.Margin;
            o.Columns = x.Count;
            o.GapX = o.GapY = 0;
            return guess;
        }
    }
    // A start for the user: 16 columns, square cells where the height allows.
    o.Columns = 16;
    o.CellWidth = std::clamp(w / 16, 1, kMaxCellSide);
    const int rowCount = std::max(1, h / o.CellWidth);
    o.CellHeight = std::clamp(h / rowCount, 1, kMaxCellSide);
    return guess;
}

int SheetColumnsFitting(int pictureWidth, const TImportOptions& o) {
    const long step = static_cast<long>(o.CellWidth) + o.GapX;
    if (step < 1) return 1;
    const long fit = (static_cast<long>(pictureWidth) - o.MarginX + o.GapX) / step;
    return static_cast<int>(std::clamp<long>(fit, 1, 256));
}

std::string SheetGridText(const TImportOptions& o) {
    auto pair = [](int a, int b) {
        return a == b ? std::to_string(a) : std::to_string(a) + 'x' + std::to_string(b);
    };
    return "grid: " + std::to_string(o.CellWidth) + 'x' + std::to_string(o.CellHeight) +
           " cells, gap " + pair(o.GapX, o.GapY) + ", margin " + std::to_string(o.MarginX) + 'x' +
           std::to_string(o.MarginY) + ", " + std::to_string(o.Columns) + " columns";
}
