#pragma once
// PNG output of a raster for `render`, through libpng.

#include <string>

class TRaster;

// Writes the raster as an opaque 8-bit RGB PNG file, replacing fileName only once the whole
// picture is on disk; "" on success, else the message. Throws TFileError
// when the file cannot be created.
std::string WritePNG(const TRaster& raster, const std::string& fileName);
