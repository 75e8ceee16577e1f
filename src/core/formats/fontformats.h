#pragma once
// The one table of font file formats: what each extension means, how its
// bytes or pictures become a font and back, and the options and report that
// travel with a read or a write. The command line, the window's dialogs and
// drops all read this table; a new format is a row.
// Decoding of containers (gzip, PNG) lives outside the core: a row says what
// its reader needs, and the caller hands over plain bytes or a raster.

#include <cstdint>
#include <functional>
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
    // Ink is what differs from the sheet's paper; Invert swaps the two.
    bool Invert = false;
    // The last character of a sheet; 0: the last inked cell's.
    int LastCode = 0;
    // Map the Spectrum's own characters (up arrow 94, pound 96, copyright 127).
    bool ZxCharset = false;
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
    // The written file's name without folders, for formats that mention it
    // (assembler source); set by whoever writes the file.
    std::string FileName;
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

// Which doors of the program a row goes through. Callers pass a set of them
// (or-ed) to say which rows they take.
enum TFormatGroup : unsigned {
    // The editor's own formats: Open reads them, Save writes them, and a font
    // written to one counts as saved (no history, not modified).
    fgOwn = 1,
    // Written by Save As as an export: the font keeps its file and its state.
    fgSource = 2,
    // Read by Import, written by Export: the font stays a font without a file.
    fgOther = 4,
    fgAll = fgOwn | fgSource | fgOther,
};

struct TFontFormat {
    std::string Name;                    // "FZX", "BDF", "PSF", "yaff", "picture sheet"
    std::string Description;             // for file dialog filters: "BDF fonts"
    std::vector<std::string> Extensions; // lower case with dot, longest first: ".psf.gz"
    bool Gzip = false;                   // the file is gzip-compressed plain bytes
    bool Picture = false;                // the file is a picture (PNG ...)
    std::size_t MaxFileSize = 0;         // larger files are refused before reading
    TBytesReader ReadBytes;              // set when !Picture
    TBytesWriter WriteBytes;             // may be empty: read-only format
    TPictureReader ReadPicture;          // set when Picture
    TPictureWriter WritePicture;
    TFormatGroup Group = fgOther;
    // Only the first MaxFileSize bytes are read and handed to the reader,
    // which judges a longer file itself, instead of refusing it unread.
    bool HeadOnly = false;

    bool CanRead() const { return Picture ? bool(ReadPicture) : bool(ReadBytes); }
    bool CanWrite() const { return Picture ? bool(WritePicture) : bool(WriteBytes); }
};

// Every format, in the order dialogs and the help list them.
const std::vector<TFontFormat>& FontFormats();
// The row whose extension ends the path (ignoring letter case; ".psf.gz"
// wins over ".gz"), or nullptr.
const TFontFormat* FindFontFormat(const std::string& path);
// The same, only among the rows of the groups given (or-ed TFormatGroup).
const TFontFormat* FindFontFormat(const std::string& path, unsigned groups);
// Whether text ends with tail, ignoring letter case.
bool EndsWithIgnoringCase(const std::string& text, const std::string& tail);
