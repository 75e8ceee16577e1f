// Scaling a glyph as a picture: its body is painted into a raster, stretched
// to the new size and read back. Results past 256 x 192 pixels are refused.

#include <cmath>
#include <utility>

#include "model/font.h"
#include "model/glyph.h"
#include "model/updatescope.h"
#include "raster/raster.h"
#include "transforms/rounding.h"

namespace {

constexpr double kMaxWidth = 256;
constexpr double kMaxHeight = 192;

} // namespace

bool TFZXChar::Scale(double widthFactor, double heightFactor) {
    TGlyphUpdate update(*this);
    TRaster picture;
    std::string rows;
    ToBitmap(rows, picture);
    // Ties go to the even integer, as the default rounding mode does.
    const double newWidth = RoundHalfEven(picture.Width() * widthFactor);
    const double newHeight = RoundHalfEven(picture.Height() * heightFactor);
    // Negative or undefined factors cannot give a picture either.
    const bool fits =
        newWidth >= 0 && newHeight >= 0 && newWidth <= kMaxWidth && newHeight <= kMaxHeight;
    if (fits) {
        const int width = static_cast<int>(newWidth), height = static_cast<int>(newHeight);
        // Stretching onto the same size gives the same picture.
        if (width != picture.Width() || height != picture.Height()) {
            TRaster stretched;
            stretched.SetSize(width, height);
            stretched.StretchFrom(picture);
            picture = std::move(stretched);
        }
        // The new width, leading 0 and the picture's rows: widening or
        // cutting the old rows first would only be overwritten.
        AssignRows(std::string());
        FLeading = 0;
        FWidth = width;
        FromBitmap(picture, true);
    }
    Normalize();
    return fits;
}

bool TFZXFont::ScaleCurrent(double widthFactor, double heightFactor) {
    TFZXChar* glyph = GetCurrent();
    return glyph != nullptr && glyph->Scale(widthFactor, heightFactor);
}
