#pragma once
// The options of `convert` and `info` that steer the further formats (picture
// sheets, PSF, character set, desktop fonts' size, face and hinting), and reading or writing any
// font file by its extension: the editor's own formats or a row of the formats table.

#include <cstddef>
#include <string>

#include "commands.h"
#include "formats/fontformats.h"

class TFZXFont;

struct TFormatOptions {
    TImportOptions Import;
    TExportOptions Export;
};

// Takes args[i] (and its value, advancing i) when it is a format option.
// Returns false when args[i] is no format option; error is set when it is
// one with a wrong value.
bool TakeFormatOption(const TArgs& args, std::size_t& i, TFormatOptions& options,
                      std::string& error);

// Reads any font the editor or the formats table knows; the import report
// goes to standard error. "" or the message.
std::string LoadAnyFont(TFZXFont& font, const std::string& path, const TFormatOptions& options);
// Writes the font in the format path's extension names. "" or the message.
std::string SaveAnyFont(TFZXFont& font, const std::string& path, const TFormatOptions& options);
