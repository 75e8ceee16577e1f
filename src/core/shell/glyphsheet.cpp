#include "shell/glyphsheet.h"

#include <algorithm>

#include "model/font.h"

namespace {

constexpr int kTargetPictureHeight = 32;
constexpr int kMaxZoom = 4;
constexpr int kWidePicture = 64;
constexpr int kCodes = GlyphSheetLastCode - GlyphSheetFirstCode + 1;

} // namespace

TGlyphSheetMetrics GlyphSheetLayout(const TFZXFont& font, int captionWidth, int captionHeight) {
    int columns = 1;
    for (int i = 0; i < font.Count(); ++i)
        columns = std::max(columns, font.Glyph(i).Width() + font.Tracking());
    const int height = std::max(1, font.Height());
    TGlyphSheetMetrics m;
    m.Zoom = std::clamp(kTargetPictureHeight / height, 1, kMaxZoom);
    while (m.Zoom > 1 && columns * m.Zoom > kWidePicture)
        --m.Zoom;
    m.PictureWidth = columns * m.Zoom;
    m.PictureHeight = height * m.Zoom;
    m.CellWidth = std::max(m.PictureWidth, captionWidth) + 2 * GlyphSheetPadding;
    m.CellHeight = m.PictureHeight + captionHeight + 3 * GlyphSheetPadding;
    return m;
}

TRect GlyphSheetCell(const TGlyphSheetMetrics& m, int code) {
    if (code < GlyphSheetFirstCode || code > GlyphSheetLastCode) return {};
    const int index = code - GlyphSheetFirstCode;
    const int x = (index % GlyphSheetColumns) * m.CellWidth;
    const int y = (index / GlyphSheetColumns) * m.CellHeight;
    return {x, y, x + m.CellWidth, y + m.CellHeight};
}

int GlyphSheetCodeAt(const TGlyphSheetMetrics& m, int x, int y) {
    if (x < 0 || y < 0 || m.CellWidth <= 0 || m.CellHeight <= 0) return -1;
    const int column = x / m.CellWidth;
    const int row = y / m.CellHeight;
    if (column >= GlyphSheetColumns || row >= GlyphSheetRows) return -1;
    return GlyphSheetFirstCode + row * GlyphSheetColumns + column;
}

int GlyphSheetStep(int code, TSheetMove move) {
    int next = code;
    switch (move) {
    case TSheetMove::Left:
        next = code - 1;
        break;
    case TSheetMove::Right:
        next = code + 1;
        break;
    case TSheetMove::Up:
        next = code - GlyphSheetColumns;
        break;
    case TSheetMove::Down:
        next = code + GlyphSheetColumns;
        break;
    case TSheetMove::Home:
        return GlyphSheetFirstCode;
    case TSheetMove::End:
        return GlyphSheetLastCode;
    }
    // A row step past the top or bottom row stays in its column.
    if (next < GlyphSheetFirstCode || next > GlyphSheetLastCode) return code;
    return next;
}

std::vector<int> TGlyphSheetWatch::Changes(const TFZXFont& font, const TGlyphSheetMetrics& metrics,
                                           bool& all) {
    std::vector<std::uint64_t> revisions(kCodes, 0);
    for (int i = 0; i < std::min(font.Count(), kCodes); ++i)
        revisions[static_cast<std::size_t>(i)] = font.Glyph(i).Revision();
    const int current = font.CurrentIndex();
    all = !FSeen || metrics != FMetrics || font.Height() != FHeight || font.Tracking() != FTracking;
    std::vector<int> codes;
    if (!all) {
        const int lowLast = std::min(FLastChar, font.LastChar());
        const int highLast = std::max(FLastChar, font.LastChar());
        for (int i = 0; i < kCodes; ++i) {
            const int code = i + GlyphSheetFirstCode;
            const bool crossed = code > lowLast && code <= highLast;
            const bool frame = (i == current || i == FCurrent) && current != FCurrent;
            if (crossed || frame ||
                revisions[static_cast<std::size_t>(i)] != FRevisions[static_cast<std::size_t>(i)])
                codes.push_back(code);
        }
    }
    FSeen = true;
    FMetrics = metrics;
    FHeight = font.Height();
    FTracking = font.Tracking();
    FLastChar = font.LastChar();
    FCurrent = current;
    FRevisions = std::move(revisions);
    return codes;
}
