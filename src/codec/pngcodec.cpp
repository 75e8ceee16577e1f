#include "pngcodec.h"

#include <csetjmp>
#include <cstring>

#include "formats/fileio.h"
#include "pnglibrary.h"
#include "raster/raster.h"

namespace {

// Only called once EncodePNG or DecodePNG has loaded the library.
const TPngLibrary& Png() {
    std::string unused;
    return *LoadPng(unused);
}

// What libpng's png_jmpbuf does, through the loaded functions.
std::jmp_buf& JumpBuffer(png_structp png) {
    return *Png().png_set_longjmp_fn(png, std::longjmp, sizeof(std::jmp_buf));
}

void AppendBytes(png_structp png, png_bytep data, png_size_t length) {
    auto* out = static_cast<std::vector<std::uint8_t>*>(Png().png_get_io_ptr(png));
    out->insert(out->end(), data, data + length);
}

void NoFlush(png_structp) {}

// libpng reports failures by longjmp to here; only plain pointers live in
// this frame, so jumping over it skips no destructor.
bool Encode(png_structp png, png_infop info, const TRaster& raster, std::vector<std::uint8_t>* out,
            std::uint8_t* row) {
    if (setjmp(JumpBuffer(png))) return false;
    Png().png_set_write_fn(png, out, AppendBytes, NoFlush);
    Png().png_set_IHDR(png, info, static_cast<png_uint_32>(raster.Width()),
                       static_cast<png_uint_32>(raster.Height()), 8, PNG_COLOR_TYPE_RGB,
                       PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    Png().png_write_info(png, info);
    const std::uint32_t* pixel = raster.Bits();
    for (int y = 0; y < raster.Height(); ++y) {
        std::uint8_t* p = row;
        // Pixels are 0xFFRRGGBB words; PNG wants R, G, B bytes.
        for (int x = 0; x < raster.Width(); ++x, ++pixel) {
            *p++ = static_cast<std::uint8_t>(*pixel >> 16);
            *p++ = static_cast<std::uint8_t>(*pixel >> 8);
            *p++ = static_cast<std::uint8_t>(*pixel);
        }
        Png().png_write_row(png, row);
    }
    Png().png_write_end(png, nullptr);
    return true;
}

struct TSource {
    const std::vector<std::uint8_t>* Bytes;
    std::size_t Pos;
};

void ReadBytes(png_structp png, png_bytep data, png_size_t length) {
    auto* source = static_cast<TSource*>(Png().png_get_io_ptr(png));
    if (length > source->Bytes->size() - source->Pos)
        Png().png_error(png, "unexpected end of file");
    std::memcpy(data, source->Bytes->data() + source->Pos, length);
    source->Pos += length;
}

// Errors go to the caller's message instead of standard error.
void OnError(png_structp png, png_const_charp message) {
    auto* text = static_cast<std::string*>(Png().png_get_error_ptr(png));
    *text = message;
    Png().png_longjmp(png, 1);
}
void OnWarning(png_structp, png_const_charp) {}

// Decodes into the raster whose memory the caller owns; the rows are set up
// by the caller once the size is known, so nothing here needs a destructor.
struct TDecodeState {
    png_uint_32 Width = 0, Height = 0;
    std::vector<png_bytep>* Rows = nullptr;
    TRaster* Raster = nullptr;
};

bool ReadHeader(png_structp png, png_infop info, TSource* source, TDecodeState* state) {
    if (setjmp(JumpBuffer(png))) return false;
    Png().png_set_read_fn(png, source, ReadBytes);
    Png().png_set_user_limits(png, kMaxPictureSide, kMaxPictureSide);
    Png().png_read_info(png, info);
    state->Width = Png().png_get_image_width(png, info);
    state->Height = Png().png_get_image_height(png, info);
    // Every form becomes 8-bit B, G, R, A bytes, which on a little-endian
    // machine is one 0xAARRGGBB word per pixel.
    Png().png_set_expand(png);
    Png().png_set_strip_16(png);
    Png().png_set_gray_to_rgb(png);
    Png().png_set_bgr(png);
    Png().png_set_add_alpha(png, 0xFF, PNG_FILLER_AFTER);
    Png().png_set_interlace_handling(png);
    Png().png_read_update_info(png, info);
    return true;
}

bool ReadPixels(png_structp png, png_infop info, TDecodeState* state) {
    if (setjmp(JumpBuffer(png))) return false;
    Png().png_read_image(png, state->Rows->data());
    Png().png_read_end(png, info);
    return true;
}

} // namespace

std::string EncodePNG(const TRaster& raster, std::vector<std::uint8_t>& png) {
    png.clear();
    if (raster.Empty()) return "cannot write an empty picture";
    std::string error;
    if (!LoadPng(error)) return error;
    png_structp writer =
        Png().png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = writer ? Png().png_create_info_struct(writer) : nullptr;
    std::vector<std::uint8_t> row(3 * static_cast<std::size_t>(raster.Width()));
    const bool ok = info && Encode(writer, info, raster, &png, row.data());
    Png().png_destroy_write_struct(&writer, &info);
    if (ok) return "";
    png.clear();
    return "cannot encode the picture as PNG";
}

std::string DecodePNG(const std::vector<std::uint8_t>& bytes, TRaster& raster) {
    raster = TRaster();
    std::string error;
    if (!LoadPng(error)) return error;
    if (bytes.size() < 8 || Png().png_sig_cmp(bytes.data(), 0, 8) != 0) return "not a PNG picture";
    png_structp reader =
        Png().png_create_read_struct(PNG_LIBPNG_VER_STRING, &error, OnError, OnWarning);
    png_infop info = reader ? Png().png_create_info_struct(reader) : nullptr;
    if (!info) {
        Png().png_destroy_read_struct(&reader, nullptr, nullptr);
        return "out of memory";
    }
    TSource source{&bytes, 0};
    TDecodeState state;
    std::vector<png_bytep> rows;
    state.Rows = &rows;
    bool ok = ReadHeader(reader, info, &source, &state);
    if (ok && static_cast<std::size_t>(state.Width) * state.Height * 4 > kMaxPictureBytes) {
        error = "picture of " + std::to_string(state.Width) + " x " + std::to_string(state.Height) +
                " pixels is too large";
        ok = false;
    }
    if (ok) {
        raster.SetSize(static_cast<int>(state.Width), static_cast<int>(state.Height));
        rows.resize(state.Height);
        for (png_uint_32 y = 0; y < state.Height; ++y)
            rows[y] = reinterpret_cast<png_bytep>(raster.Bits() + y * state.Width);
        ok = ReadPixels(reader, info, &state);
    }
    Png().png_destroy_read_struct(&reader, &info, nullptr);
    if (ok) return "";
    raster = TRaster();
    return "damaged PNG picture: " + (error.empty() ? std::string("cannot decode") : error);
}

std::string WritePNG(const TRaster& raster, const std::string& fileName) {
    std::vector<std::uint8_t> png;
    const std::string error = EncodePNG(raster, png);
    if (!error.empty()) return error;
    if (!WriteFileReplacing(fileName, png)) return "cannot write '" + fileName + "'";
    return "";
}
