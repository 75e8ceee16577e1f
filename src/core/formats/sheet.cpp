#include "formats/sheet.h"

#include <algorithm>

#include "formats/cellfont.h"
#include "formats/fontimport.h"
#include "formats/sheetink.h"
#include "formats/sheetmarks.h"
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
// Rows of 3 bits, top row in the highest bits.
constexpr unsigned kDigits[10] = {075557, 026227, 071747, 071717, 055711,
                                  074717, 074757, 071111, 075757, 075717};

void DrawNumber(TRaster& picture, int x, int y, int value) {
    const std::string text = std::to_string(value);
    for (const char digit : text) {
        const unsigned bits = kDigits[digit - '0'];
        for (int r = 0; r < kDigitHeight; ++r)
            for (int c = 0; c < kDigitWidth; ++c)
                if (bits & (1u << ((kDigitHeight - 1 - r) * kDigitWidth + (kDigitWidth - 1 - c))))
                    picture.SetPixel(x + c, y + r, kSheetCaptionColor);
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

std::string ReadSheet(TFZXFont& font, const TRaster& picture, const TImportOptions& options,
                      TImportReport& report) {
    TSheetGrid grid;
    std::string error = SheetGridOf(picture.Width(), picture.Height(), options, grid);
    if (!error.empty()) return error;
    if (std::min(255, options.FirstCode + grid.Cells() - 1) < 32)
        return "The sheet's " + std::to_string(grid.Cells()) + " cells end before code 32.";
    if (grid.Columns < options.Columns)
        report.Lines.push_back("Only " + std::to_string(grid.Columns) +
                               " columns of cells fit the picture's width.");

    const TSheetPaper paper = SheetPaperOf(picture, &grid, options.Invert);
    // A sheet Quorrel wrote tells its widths, kerns, height and tracking.
    TSheetMarks marks;
    const bool marked = !options.FitWidth && ReadSheetMarks(picture, grid, marks);
    std::vector<TSourceGlyph> cells(static_cast<std::size_t>(grid.Cells()));
    std::vector<bool> inkedCell(cells.size(), false);
    int lastInked = -1;
    long inCells = 0;
    for (int cell = 0; cell < grid.Cells(); ++cell) {
        TSourceGlyph& source = cells[static_cast<std::size_t>(cell)];
        source.Code = options.FirstCode + cell;
        source.Label = "cell " + std::to_string(cell);
        source.Rows.resize(static_cast<std::size_t>(grid.CellHeight));
        const int left = grid.Left(cell), top = grid.Top(cell);
        int right = -1; // rightmost inked column
        for (int y = 0; y < grid.CellHeight; ++y) {
            std::string& row = source.Rows[static_cast<std::size_t>(y)];
            row.assign(static_cast<std::size_t>(grid.CellWidth), '0');
            for (int x = 0; x < grid.CellWidth; ++x) {
                if (!IsInk(picture.Pixel(left + x, top + y), paper)) continue;
                row[static_cast<std::size_t>(x)] = '1';
                right = std::max(right, x);
                ++inCells;
            }
        }
        source.Advance =
            options.FitWidth && right >= 0 ? right + 1 + options.Spacing : grid.CellWidth;
        const TCellMetrics* m = marked ? &marks.Cells[static_cast<std::size_t>(cell)] : nullptr;
        if (m) {
            // The kern lets the cell's first column stand left of the pen.
            source.Left = -m->Kern;
            source.Advance = m->Width - m->Kern + marks.Tracking;
            if (right < 0) source.Top = m->Leading;
        }
        inkedCell[static_cast<std::size_t>(cell)] = right >= 0;
        if ((right >= 0 || (m && m->Marked)) && source.Code <= 255) lastInked = source.Code;
    }
    long inked = 0;
    for (int y = 0; y < picture.Height(); ++y)
        for (int x = 0; x < picture.Width(); ++x)
            inked += IsInk(picture.Pixel(x, y), paper);
    if (inked > inCells)
        report.Lines.push_back(std::to_string(inked - inCells) +
                               " inked pixels outside every cell left out");

    // The last character: as asked (within the cells), else the last inked
    // cell's; blank cells after it are no characters. A sheet without ink
    // holds its first character.
    const int lastCell = std::min(255, options.FirstCode + grid.Cells() - 1);
    int last = std::max(lastInked, std::max(32, options.FirstCode));
    if (options.LastCode > 0) last = std::max(32, std::min(options.LastCode, lastCell));
    int cut = 0; // inked cells after an asked last character
    TFontImport import(report);
    import.Height = marked ? marks.Height : grid.CellHeight;
    import.Tracking = marked ? marks.Tracking : 0;
    for (std::size_t cell = 0; cell < cells.size(); ++cell) {
        const int code = cells[cell].Code;
        if (code >= 32 && code <= 255 && code > last) {
            cut += inkedCell[cell];
            continue;
        }
        // Blank cells outside 32..255 are no characters; inked ones count.
        if ((code < 32 || code > 255) && !inkedCell[cell]) continue;
        import.Add(std::move(cells[cell]));
    }
    if (cut > 0)
        report.Lines.push_back(std::to_string(cut) + " inked cells after code " +
                               std::to_string(last) + " left out");
    error = import.Fill(font);
    if (error.empty()) {
        std::vector<bool> given(256, false);
        for (int code = std::max(32, options.FirstCode); code <= last; ++code)
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
        bool inked = false;
        for (const std::string& row : rows)
            inked = inked ||
                    row.substr(0, static_cast<std::size_t>(std::max(g.Width(), 0))).find('1') !=
                        std::string::npos;
        // Ink shows its own leading; a blank character's is marked.
        const TCellMetrics metrics{g.Width(), g.Kern(), inked ? 0 : g.Leading(), true};
        PaintCellMarks(picture, left, top, l.CellWidth, l.CellHeight, metrics, font.Height(),
                       font.Tracking());
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
    // Blank characters at the end leave no trace in the sheet.
    TStringList rows;
    const TFZXChar& g = font.Glyph(l.Last - 32);
    SplitText(rows, g.Rows(), '|');
    bool inked = false;
    for (const std::string& row : rows)
        inked = inked ||
                row.substr(0, static_cast<std::size_t>(g.Width())).find('1') != std::string::npos;
    if (!inked) o.LastCode = l.Last;
    return o;
}
