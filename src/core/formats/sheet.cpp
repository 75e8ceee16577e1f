#include "formats/sheet.h"

#include <algorithm>

#include "formats/cellfont.h"
#include "formats/fontimport.h"
#include "model/font.h"
#include "text/textrows.h"

namespace {

constexpr int kMaxCellSide = 255;
// Captions: decimal digits 3 x 5 pixels, a row's first code left of the row,
// each column's offset above the column.
constexpr int kDigitWidth = 3, kDigitHeight = 5;
constexpr int kRowCaptionWidth = 3 * (kDigitWidth + 1) + 1;
constexpr int kColumnCaptionHeight = kDigitHeight + 2;
constexpr TColor kGridColor = RGBColor(192, 192, 192);
constexpr TColor kCaptionColor = RGBColor(96, 96, 96);
// Rows of 3 bits, top row in the highest bits.
constexpr unsigned kDigits[10] = {075557, 026227, 071747, 071717, 055711,
                                  074717, 074757, 071111, 075757, 075717};

int Luma(TColor c) {
    return (299 * ((c >> 16) & 0xFF) + 587 * ((c >> 8) & 0xFF) + 114 * (c & 0xFF)) / 1000;
}
bool Opaque(TColor c) {
    return (c >> 24) >= 0x80;
}

void DrawNumber(TRaster& picture, int x, int y, int value) {
    const std::string text = std::to_string(value);
    for (const char digit : text) {
        const unsigned bits = kDigits[digit - '0'];
        for (int r = 0; r < kDigitHeight; ++r)
            for (int c = 0; c < kDigitWidth; ++c)
                if (bits & (1u << ((kDigitHeight - 1 - r) * kDigitWidth + (kDigitWidth - 1 - c))))
                    picture.SetPixel(x + c, y + r, kCaptionColor);
        x += kDigitWidth + 1;
    }
}

struct TSheetLayout {
    int CellWidth = 1, CellHeight = 1, Columns = 1, Rows = 1, Count = 0, Last = 0;
    int MarginX = 0, MarginY = 0, Gap = 0;
};

std::string LayoutOf(const TFZXFont& font, const TExportOptions& options, TSheetLayout& l) {
    l.Last = std::min(font.LastChar(), font.Count() + 31);
    if (l.Last < 32) return "The font holds no characters to export.";
    if (options.Columns < 1) return "A sheet needs at least one column.";
    l.CellHeight = std::max(font.Height(), 1);
    for (int code = 32; code <= l.Last; ++code) {
        const TFZXChar& g = font.Glyph(code - 32);
        l.CellWidth = std::max(l.CellWidth, g.Width());
        l.CellHeight = std::max(l.CellHeight, g.Leading() + g.RowCount());
    }
    l.Count = l.Last - 31;
    l.Columns = options.Columns;
    l.Rows = (l.Count + l.Columns - 1) / l.Columns;
    l.Gap = options.Grid ? 1 : 0;
    l.MarginX = (options.Captions ? kRowCaptionWidth : 0) + l.Gap;
    l.MarginY = (options.Captions ? kColumnCaptionHeight : 0) + l.Gap;
    return "";
}

} // namespace

std::string SheetGridOf(int pictureWidth, int pictureHeight, const TImportOptions& o,
                        TSheetGrid& grid) {
    grid = TSheetGrid();
    if (o.CellWidth < 1 || o.CellWidth > kMaxCellSide || o.CellHeight < 1 ||
        o.CellHeight > kMaxCellSide)
        return "The cell size must be 1 to 255 pixels either way.";
    if (o.Columns < 1) return "A sheet needs at least one column.";
    if (o.FirstCode < 0 || o.FirstCode > 255) return "The first code must be 0 to 255.";
    if (o.GapX < 0 || o.GapY < 0 || o.MarginX < 0 || o.MarginY < 0)
        return "Gaps and margins cannot be negative.";
    if (o.FitWidth && (o.Spacing < 0 || o.Spacing > 16)) return "The spacing must be 0 to 16.";
    grid.CellWidth = o.CellWidth;
    grid.CellHeight = o.CellHeight;
    grid.StepX = o.CellWidth + o.GapX;
    grid.StepY = o.CellHeight + o.GapY;
    grid.MarginX = o.MarginX;
    grid.MarginY = o.MarginY;
    // Whole cells only; the gap after the last cell need not be there.
    const long fitX = (static_cast<long>(pictureWidth) - o.MarginX + o.GapX) / grid.StepX;
    const long fitY = (static_cast<long>(pictureHeight) - o.MarginY + o.GapY) / grid.StepY;
    grid.Columns = static_cast<int>(std::min<long>(o.Columns, std::max<long>(fitX, 0)));
    grid.Rows = static_cast<int>(std::max<long>(fitY, 0));
    if (grid.Columns < 1 || grid.Rows < 1)
        return "Not one cell of " + std::to_string(o.CellWidth) + " x " +
               std::to_string(o.CellHeight) + " pixels fits the picture of " +
               std::to_string(pictureWidth) + " x " + std::to_string(pictureHeight) + ".";
    return "";
}

bool IsLightSheet(const TRaster& picture) {
    bool transparent = false;
    const TColor* p = picture.Bits();
    const std::size_t n = static_cast<std::size_t>(picture.Width()) * picture.Height();
    for (std::size_t i = 0; i < n; ++i) {
        if (!Opaque(p[i]))
            transparent = true;
        else if (Luma(p[i]) < 128)
            return false;
    }
    return transparent;
}

bool IsInk(TColor pixel, bool lightSheet) {
    return lightSheet ? !Opaque(pixel) : Opaque(pixel) && Luma(pixel) < 128;
}

std::string ReadSheet(TFZXFont& font, const TRaster& picture, const TImportOptions& options,
                      TImportReport& report) {
    TSheetGrid grid;
    std::string error = SheetGridOf(picture.Width(), picture.Height(), options, grid);
    if (!error.empty()) return error;
    const int lastChar = std::min(255, options.FirstCode + grid.Cells() - 1);
    if (lastChar < 32)
        return "The sheet's " + std::to_string(grid.Cells()) + " cells end before code 32.";
    if (grid.Columns < options.Columns)
        report.Lines.push_back("Only " + std::to_string(grid.Columns) +
                               " columns of cells fit the picture's width.");

    const bool light = IsLightSheet(picture);
    TFontImport import(report);
    import.Height = grid.CellHeight;
    TSourceGlyph source;
    source.Rows.resize(static_cast<std::size_t>(grid.CellHeight));
    for (int cell = 0; cell < grid.Cells(); ++cell) {
        const int code = options.FirstCode + cell;
        const int left = grid.Left(cell), top = grid.Top(cell);
        int right = -1; // rightmost inked column
        for (int y = 0; y < grid.CellHeight; ++y) {
            std::string& row = source.Rows[static_cast<std::size_t>(y)];
            row.assign(static_cast<std::size_t>(grid.CellWidth), '0');
            const TColor* p =
                picture.Bits() + static_cast<std::size_t>(top + y) * picture.Width() + left;
            for (int x = 0; x < grid.CellWidth; ++x) {
                if (!IsInk(p[x], light)) continue;
                row[static_cast<std::size_t>(x)] = '1';
                right = std::max(right, x);
            }
        }
        // Blank cells outside 32..255 are no characters; inked ones count.
        if ((code < 32 || code > 255) && right < 0) continue;
        source.Code = code;
        source.Label = "cell " + std::to_string(cell);
        source.Advance =
            options.FitWidth && right >= 0 ? right + 1 + options.Spacing : grid.CellWidth;
        import.Add(source);
    }
    error = import.Fill(font);
    if (error.empty()) {
        std::vector<bool> given(256, false);
        for (int code = std::max(32, options.FirstCode); code <= 255; ++code)
            given[static_cast<std::size_t>(code)] = true;
        WidenMissing(font, given, grid.CellWidth);
    }
    return error;
}

std::string WriteSheet(const TFZXFont& font, const TExportOptions& options, TRaster& picture) {
    TSheetLayout l;
    const std::string error = LayoutOf(font, options, l);
    if (!error.empty()) return error;
    const int stepX = l.CellWidth + l.Gap, stepY = l.CellHeight + l.Gap;
    // With a grid, the gap after the last cell is the closing grid line.
    const int width = l.MarginX + l.Columns * stepX;
    const int height = l.MarginY + l.Rows * stepY;
    picture = TRaster(width, height, clWhite);
    if (options.Grid) {
        for (int c = 0; c <= l.Columns; ++c)
            picture.FillRect(l.MarginX - 1 + c * stepX, l.MarginY - 1, l.MarginX + c * stepX,
                             height, kGridColor);
        for (int r = 0; r <= l.Rows; ++r)
            picture.FillRect(l.MarginX - 1, l.MarginY - 1 + r * stepY, width, l.MarginY + r * stepY,
                             kGridColor);
    }
    if (options.Captions) {
        for (int c = 0; c < l.Columns; ++c)
            DrawNumber(picture, l.MarginX + c * stepX, 1, c);
        for (int r = 0; r < l.Rows; ++r)
            DrawNumber(picture, 1, l.MarginY + r * stepY, 32 + r * l.Columns);
    }
    TStringList rows;
    for (int code = 32; code <= l.Last; ++code) {
        const int cell = code - 32;
        const int left = l.MarginX + (cell % l.Columns) * stepX;
        const int top = l.MarginY + (cell / l.Columns) * stepY;
        const TFZXChar& g = font.Glyph(cell);
        SplitText(rows, g.Rows(), '|');
        for (std::size_t r = 0; r < rows.size(); ++r) {
            const std::size_t w = std::min(rows[r].size(), static_cast<std::size_t>(g.Width()));
            for (std::size_t x = 0; x < w; ++x)
                if (rows[r][x] == '1')
                    picture.SetPixel(left + static_cast<int>(x),
                                     top + g.Leading() + static_cast<int>(r), clBlack);
        }
    }
    return "";
}

namespace {
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
} // namespace

TImportOptions GuessSheetOptions(const TRaster& picture) {
    TImportOptions o;
    const int w = picture.Width(), h = picture.Height();
    if (w < 1 || h < 1) return o;
    // A grid closes at the right and bottom edges: its colour is in the corner.
    const TColor c = picture.Pixel(w - 1, h - 1);
    if (c != clWhite && !IsInk(c, false)) {
        // The lines run from the grid's first row and column to the edges.
        int top = 0, left = 0;
        while (picture.Pixel(w - 1, top) != c)
            ++top;
        while (picture.Pixel(left, h - 1) != c)
            ++left;
        const std::vector<int> verticals = GridLines(picture, c, true, top);
        const std::vector<int> horizontals = GridLines(picture, c, false, left);
        int cw, ch, columns, rows;
        if (EvenSteps(verticals, cw, columns) && EvenSteps(horizontals, ch, rows)) {
            o.CellWidth = cw;
            o.CellHeight = ch;
            o.Columns = columns;
            o.GapX = o.GapY = 1;
            o.MarginX = verticals.front() + 1;
            o.MarginY = horizontals.front() + 1;
            return o;
        }
    }
    o.Columns = 16;
    o.CellWidth = std::clamp(w / 16, 1, kMaxCellSide);
    const int rowCount = std::max(1, h / o.CellWidth);
    o.CellHeight = std::clamp(h / rowCount, 1, kMaxCellSide);
    return o;
}

TImportOptions SheetImportOptions(const TFZXFont& font, const TExportOptions& options) {
    TSheetLayout l;
    TImportOptions o;
    if (!LayoutOf(font, options, l).empty()) return o;
    o.CellWidth = l.CellWidth;
    o.CellHeight = l.CellHeight;
    o.FirstCode = 32;
    o.Columns = l.Columns;
    o.GapX = o.GapY = l.Gap;
    o.MarginX = l.MarginX;
    o.MarginY = l.MarginY;
    o.ZxCharset = options.ZxCharset;
    return o;
}
