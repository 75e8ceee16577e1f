#pragma once
// The one table of font file formats beyond the editor's own: what each
// extension means, how its bytes or pictures become a font and back, and the
// options and report that travel with an import or export. The command line,
// the window's dialogs and drops all read this table; a new format is a row.
// Decoding of containers (gzip, PNG) lives outside the core: a row says what
// its reader needs, and the caller hands over plain bytes or a raster. Rows
// marked Desktop are read by the codec's font rasteriser, which the core has
// not; for the core they are read-only rows without a reader.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "raster/raster.h"

class TFZXFont;

// Choices of an import; each reader uses those that apply to it.
struct TImportOptions {
    // Picture sheets: cell size, first code, cells per row, gaps and margins.
    int CellWidth = 8;
    int CellHeight = 8;
    int FirstCode = 32;
    int Columns = 16;
    int GapX = 0;
    int GapY = 0;
    int MarginX = 0;
    int MarginY = 0;
    // Widths fitted to the ink plus Spacing columns instead of the cell width.
    bool FitWidth = false;
    int Spacing = 1;
    // Map the Spectrum's own characters (up arrow 94, pound 96, copyright 127).
    bool ZxCharset = false;
    // Desktop fonts (TrueType, OpenType, PCF): pixels per em (none: a font's
    // only bitmap strike), the face of a collection and whether the outlines
    // are hinted.
    std::optional<int> PixelSize;
    int Face = 0;
    bool Hinting = false;
};

// Choices of an export.
struct TExportOptions {
    // Picture sheets.
    int Columns = 16;
    bool Grid = false;
    bool Captions = false;
    bool ZxCharset = false;
    // The font's name for formats that carry one (BDF, yaff); callers pass
    // the file name without folders and extension. Empty gives "Untitled".
    std::string FontName;
};

// What an import changed or left out, one line each, for the user to read.
struct TImportReport {
    std::vector<std::string> Lines;
    int Skipped = 0; // characters of the source outside codes 32..255
};

// A format's reader fills the font from the file's plain bytes (or a decoded
// picture) and returns "" or the message naming what is wrong and where; on
// failure the font's content is undefined (callers read into a scratch font).
// A writer builds the file's plain bytes (or a picture) and returns "" or the
// message saying why the font cannot be written in that format.
using TBytesReader = std::function<std::string(TFZXFont&, const std::vector<std::uint8_t>&,
                                               const TImportOptions&, TImportReport&)>;
using TBytesWriter =
    std::function<std::string(const TFZXFont&, const TExportOptions&, std::vector<std::uint8_t>&)>;
using TPictureReader =
    std::function<std::string(TFZXFont&, const TRaster&, const TImportOptions&, TImportReport&)>;
using TPictureWriter = std::function<std::string(const TFZXFont&, const TExportOptions&, TRaster&)>;

struct TFontFormat {
    std::string Name;                    // "BDF", "PSF", "yaff", "picture sheet"
    std::string Description;             // for file dialog filters: "BDF fonts"
    std::vector<std::string> Extensions; // lower case with dot, longest first: ".psf.gz"
    bool Gzip = false;                   // the file is gzip-compressed plain bytes
    bool Picture = false;                // the file is a picture (PNG ...)
    std::size_t MaxFileSize = 0;         // larger files are refused before reading
    TBytesReader ReadBytes;              // set when !Picture
    TBytesWriter WriteBytes;             // may be empty: read-only format
    TPictureReader ReadPicture;          // set when Picture
    TPictureWriter WritePicture;
    bool Desktop = false; // a desktop font the codec rasterises (TrueType, PCF)

    bool CanRead() const { return Desktop || (Picture ? bool(ReadPicture) : bool(ReadBytes)); }
    bool CanWrite() const { return Picture ? bool(WritePicture) : bool(WriteBytes); }
};

// Every importable/exportable format, in the order dialogs list them.
const std::vector<TFontFormat>& FontFormats();
// The row whose extension ends the path (ignoring letter case; ".psf.gz"
// wins over ".gz"), or nullptr.
const TFontFormat* FindFontFormat(const std::string& path);
// Whether text ends with tail, ignoring letter case.
bool EndsWithIgnoringCase(const std::string& text, const std::string& tail);
