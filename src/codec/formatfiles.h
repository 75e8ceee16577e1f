#pragma once
// Importing and exporting font files of the formats table: the file is looked
// up by its extension, read with the limits of its row, unpacked (gzip, PNG)
// and handed to the core's reader; writers go through the safe save.

#include <cstdint>
#include <string>
#include <vector>

#include "formats/fontformats.h"

class TFZXFont;

// Reads path into font. "" on success; else the message, which names the
// file, and the font is left exactly as it was (the file is read into a
// scratch font that font takes over only when everything went well). Refuses
// unknown extensions, anything but a regular file, and files larger than the
// format allows, before reading them. Throws TFileError when the file cannot
// be opened.
std::string ImportFontFile(TFZXFont& font, const std::string& path, const TImportOptions& options,
                           TImportReport& report);

// The first steps of ImportFontFile for a picture sheet: the checks, then the
// decoded picture, for a caller that asks for the sheet's layout before the
// import. "" or the message naming the file; throws as ImportFontFile does.
std::string ReadSheetPicture(const std::string& path, TRaster& picture);
// The last step: reads the font from the picture as ImportFontFile does,
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

// Writes font to path in the format its extension names, named (where the
// format holds a name) after the file unless options name it. "" on success, else
// the message; an existing file survives every failure. Throws TFileError
// when the file cannot be created.
std::string ExportFontFile(const TFZXFont& font, const std::string& path,
                           const TExportOptions& options);
