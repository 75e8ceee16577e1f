#include "formats/cellglyphs.h"

#include "model/font.h"
#include "text/textrows.h"

void PlaceCellRows(TFZXChar& glyph, const std::vector<std::string>& rows, int width) {
    TStringList list;
    list.reserve(rows.size());
    for (const std::string& row : rows)
        list.push_back(PadText(row, width, '0', 0));
    glyph.BeginUpdate();
    glyph.SetAll(std::string(), 0, width, 0);
    glyph.TrimRowList(list);
    glyph.SetRows(JoinText(list, '|'));
    glyph.EndUpdate();
}

void StartCellFont(TFZXFont& font, int lastChar, int height, int width) {
    font.BeginUpdate();
    font.Clear();
    font.SetHeight(height);
    font.SetLastChar(lastChar);
    for (int i = 0; i < font.Count(); ++i)
        font.Glyph(i).SetAll(std::string(), 0, width, 0);
    font.EndUpdate(false);
}

void ReportFZXLimits(const TFZXFont& font, TImportReport& report) {
    int wide = 0, tall = 0, widest = 0, tallest = 0;
    for (int i = 0; i < font.Count(); ++i) {
        const TFZXChar& g = font.Glyph(i);
        if (g.Width() > 16) ++wide;
        if (g.Width() > widest) widest = g.Width();
        const int bottom = g.Leading() + g.RowCount();
        if (bottom > 192) ++tall;
        if (bottom > tallest) tallest = bottom;
    }
    if (wide > 0)
        report.Lines.push_back(std::to_string(wide) + " character(s) wider than 16 pixels (up to " +
                               std::to_string(widest) +
                               "): kept whole; narrow them before saving as FZX.");
    if (tall > 0)
        report.Lines.push_back(std::to_string(tall) + " character(s) taller than 192 rows (up to " +
                               std::to_string(tallest) +
                               "): kept whole; shorten them before saving as FZX.");
    if (report.Skipped > 0)
        report.Lines.push_back(std::to_string(report.Skipped) +
                               " character(s) outside codes 32..255 left out.");
}

int CodeOfUnicode(unsigned long codePoint, bool zx) {
    if (zx) {
        if (codePoint == 0x2191) return 94;
        if (codePoint == 0xA3) return 96;
        if (codePoint == 0xA9) return 127;
        if (codePoint == '^' || codePoint == '`' || codePoint == 0x7F) return -1;
    }
    return codePoint >= 32 && codePoint <= 255 ? static_cast<int>(codePoint) : -1;
}

unsigned long UnicodeOfCode(int code, bool zx) {
    if (zx) {
        if (code == 94) return 0x2191;
        if (code == 96) return 0xA3;
        if (code == 127) return 0xA9;
    }
    return static_cast<unsigned long>(code);
}
