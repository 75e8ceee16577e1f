#pragma once
// PNG output of a raster for `render`; built only where QtGui is available.

#include <string>

class TRaster;

// Writes the raster as an opaque RGB PNG; "" on success, else the message.
std::string WritePNG(const TRaster& raster, const std::string& fileName);
