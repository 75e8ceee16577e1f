#include "pngwriter.h"

#include <png.h>

#include <csetjmp>
#include <cstdint>
#include <vector>

#include "formats/fileio.h"
#include "raster/raster.h"

namespace {

void AppendBytes(png_structp png, png_bytep data, png_size_t length) {
    auto* out = static_cast<std::vector<std::uint8_t>*>(png_get_io_ptr(png));
    out->insert(out->end(), data, data + length);
}

void NoFlush(png_structp) {}

// libpng reports failures by longjmp to here; only plain pointers live in
// this frame, so jumping over it skips no destructor.
bool Encode(png_structp png, png_infop info, const TRaster& raster, std::vector<std::uint8_t>* out,
            std::uint8_t* row) {
    if (setjmp(png_jmpbuf(png))) return false;
    png_set_write_fn(png, out, AppendBytes, NoFlush);
    png_set_IHDR(png, info, static_cast<png_uint_32>(raster.Width()),
                 static_cast<png_uint_32>(raster.Height()), 8, PNG_COLOR_TYPE_RGB,
                 PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    const std::uint32_t* pixel = raster.Bits();
    for (int y = 0; y < raster.Height(); ++y) {
        std::uint8_t* p = row;
        // Pixels are 0xFFRRGGBB words; PNG wants R, G, B bytes.
        for (int x = 0; x < raster.Width(); ++x, ++pixel) {
            *p++ = static_cast<std::uint8_t>(*pixel >> 16);
            *p++ = static_cast<std::uint8_t>(*pixel >> 8);
            *p++ = static_cast<std::uint8_t>(*pixel);
        }
        png_write_row(png, row);
    }
    png_write_end(png, nullptr);
    return true;
}

// The raster as the bytes of a PNG file; "" on success, else the message.
std::string EncodePNG(const TRaster& raster, std::vector<std::uint8_t>& png) {
    png.clear();
    if (raster.Empty()) return "cannot write an empty picture";
    png_structp writer = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = writer ? png_create_info_struct(writer) : nullptr;
    std::vector<std::uint8_t> row(3 * static_cast<std::size_t>(raster.Width()));
    const bool ok = info && Encode(writer, info, raster, &png, row.data());
    png_destroy_write_struct(&writer, &info);
    if (ok) return "";
    png.clear();
    return "cannot encode the picture as PNG";
}

} // namespace

std::string WritePNG(const TRaster& raster, const std::string& fileName) {
    std::vector<std::uint8_t> png;
    const std::string error = EncodePNG(raster, png);
    if (!error.empty()) return error;
    if (!WriteFileReplacing(fileName, png)) return "cannot write '" + fileName + "'";
    return "";
}
