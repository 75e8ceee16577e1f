#include "finder/foundsample.h"

#include <algorithm>

#include "model/font.h"
#include "render/labeltext.h"
#include "render/textlayout.h"

namespace {
constexpr int kPad = 4;
constexpr TColor kLabelColor = RGBColor(90, 90, 90);
} // namespace

std::string FoundFontSample(const TFoundFont& found) {
    if (found.Kind == TFoundKind::Udg) {
        // A UDG block is read as character data from code 32 on.
        std::string codes;
        for (int code = 32; code <= 32 + found.LastCode - found.FirstCode; ++code)
            codes += static_cast<char>(code);
        return codes;
    }
    std::string text = "The quick brown fox jumps over the lazy dog 0123456789";
    if (found.LastCode < 'z')
        std::transform(text.begin(), text.end(), text.begin(),
                       [](char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c; });
    return text;
}

TRaster FoundFontPicture(TFZXFont& font, const TFoundFont& found, int zoom, int maxWidth) {
    const std::string codes = FoundFontSample(found);
    TTextFrame frame;
    frame.Left = 0;
    frame.Top = 0;
    frame.Right = maxWidth;
    frame.Bottom = std::max(1, font.Height()) * zoom;
    frame.Zoom = zoom;
    frame.Wrap = TWrapMode::None;
    const std::vector<TTextPlacement> placements = LayOutText(font, codes, frame);
    // As wide as the line: the last character's end.
    int width = 1;
    for (const TTextPlacement& p : placements) {
        const int index = p.Code - 32;
        if (index >= 0 && index < font.Count())
            width = std::max(width, p.X + StoredWidth(font.Glyph(index)) * zoom);
    }
    TRaster picture(std::min(width, maxWidth), frame.Bottom, clWhite);
    PaintText(font, picture, placements, zoom);
    return picture;
}

TRaster FoundFontsSheet(const std::vector<TSheetLine>& lines) {
    int labelWidth = 0, sampleWidth = 1, height = kPad;
    for (const TSheetLine& line : lines) {
        labelWidth = std::max(labelWidth, LabelWidth(line.Label));
        sampleWidth = std::max(sampleWidth, line.Sample.Width());
        height += std::max(kLabelHeight, line.Sample.Height()) + kPad;
    }
    TRaster sheet(kPad + labelWidth + kPad * 2 + sampleWidth + kPad, height, clWhite);
    int y = kPad;
    for (const TSheetLine& line : lines) {
        const int rowHeight = std::max(kLabelHeight, line.Sample.Height());
        DrawLabel(sheet, kPad, y + (rowHeight - kLabelHeight) / 2, line.Label, kLabelColor);
        const int x0 = kPad + labelWidth + kPad * 2;
        for (int sy = 0; sy < line.Sample.Height(); ++sy)
            for (int sx = 0; sx < line.Sample.Width(); ++sx)
                sheet.SetPixel(x0 + sx, y + sy, line.Sample.Pixel(sx, sy));
        y += rowHeight + kPad;
    }
    return sheet;
}
