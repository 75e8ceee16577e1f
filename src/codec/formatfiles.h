#pragma once
// Reading and writing font files of every format in the formats table: the
// file is looked up by its extension (or, as "FILE@PLACE", found inside a
// Spectrum file, see spectrumcontainer.h), read with the limits of its row,
// unpacked (gzip, PNG) and handed to the core's reader; writers go through
// the safe save. Every door of the program loads and saves through here.

#include <cstdint>
#include <string>
#include <vector>

#include "formats/fontformats.h"

class TFZXFont;

// The messages for a path whose extension names no row the caller takes.
inline constexpr const char* kInvalidExtension = "Invalid file extension!";
inline constexpr const char* kIllegalExtension = "Illegal file extension! File not saved.";

// Reads path into font by the row of the groups given (or-ed TFormatGroup)
// that its extension names. "" on success; else the message and the font is
// left exactly as it was (the file is read into a scratch font that font
// takes over only when everything went well: no history, not modified, no
// current character). Anything but a regular file is refused first, naming
// the path, whatever its extension; then an extension of no such row gives
// kInvalidExtension; files larger than the row allows are refused unread.
// The editor's own formats give the editor's messages, the others name the
// file. Throws TFileError when the file cannot be opened.
std::string LoadFontFile(TFZXFont& font, const std::string& path, const TImportOptions& options,
                         TImportReport& report, unsigned groups = fgAll);

// Writes font to path in the format of the row (of the groups given) that
// its extension names; kIllegalExtension for any other, writing nothing.
// Formats that hold a name take the file's unless options name the font.
// A successful write of an fgOwn row marks the font saved (no history, not
// modified); other writes leave its state. "" on success, else the message;
// an existing file survives every failure. Throws TFileError when the file
// cannot be created.
std::string SaveFontFile(TFZXFont& font, const std::string& path, const TExportOptions& options,
                         unsigned groups = fgAll);

// The first steps of LoadFontFile for a picture sheet: the checks, then the
// decoded picture, for a caller that asks for the sheet's layout before the
// import. "" or the message naming the file; throws as LoadFontFile does.
std::string ReadSheetPicture(const std::string& path, TRaster& picture);
// The last step: reads the font from the picture as LoadFontFile does,
// leaving font untouched on failure.
std::string ImportSheetPicture(TFZXFont& font, const TRaster& picture,
                               const TImportOptions& options, TImportReport& report);

// The same two steps for a desktop font (TrueType, OpenType, PCF), whose
// dialog reads the face at several sizes: the checked, unpacked bytes ("" or
// the message naming the file; throws as ImportFontFile does) ...
std::string ReadDesktopFontFile(const std::string& path, std::vector<std::uint8_t>& bytes);
// ... and the import of those bytes, leaving font untouched on failure.
std::string ImportDesktopFont(TFZXFont& font, const std::vector<std::uint8_t>& bytes,
                              const TImportOptions& options, TImportReport& report);
