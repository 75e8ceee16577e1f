#pragma once
// PNG pictures to and from rasters, through libpng. Decoding keeps the
// picture's alpha in the top byte of every pixel (0xFF where the file has
// none), so readers can tell transparent paper from ink.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

class TRaster;

// Pictures with more pixels are refused before any is decoded.
inline constexpr std::size_t kMaxPictureBytes = 64u * 1024 * 1024;
inline constexpr int kMaxPictureSide = 16384;

// The PNG file image as a raster of 0xAARRGGBB pixels; "" on success, else
// the message (raster emptied). Any bit depth, palette and grey PNG is read.
std::string DecodePNG(const std::vector<std::uint8_t>& png, TRaster& raster);
// The raster as an opaque 8-bit RGB PNG file image; "" or the message.
std::string EncodePNG(const TRaster& raster, std::vector<std::uint8_t>& png);
// EncodePNG written through the safe save: fileName is replaced only once the
// whole picture is on disk. "" or the message; throws TFileError when the
// file cannot be created.
std::string WritePNG(const TRaster& raster, const std::string& fileName);
