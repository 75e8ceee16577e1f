#pragma once
// The options of every command that steer the formats (picture sheets, PSF,
// character set), and reading or writing any font file of the formats table
// by its extension.

#include <cstddef>
#include <string>

#include "commands.h"
#include "formats/fontformats.h"

class TFZXFont;

struct TFormatOptions {
    TImportOptions Import;
    TExportOptions Export;
    // Which sheet layout options the command line gave; the rest a sheet's
    // own grid gives.
    bool CellGiven = false, ColumnsGiven = false, GapGiven = false, MarginGiven = false;
};

// Takes args[i] (and its value, advancing i) when it is a format option.
// Returns false when args[i] is no format option; error is set when it is
// one with a wrong value.
bool TakeFormatOption(const TArgs& args, std::size_t& i, TFormatOptions& options,
                      std::string& error);

// Reads any font the formats table knows; the import report goes to
// standard error. "" or the message.
std::string LoadAnyFont(TFZXFont& font, const std::string& path, const TFormatOptions& options);
// Writes the font in the format path's extension names. "" or the message;
// a refused CHR or UDG write names the rule the font breaks after the
// editor's message, and a written sheet names on standard error the options
// that read it back.
std::string SaveAnyFont(TFZXFont& font, const std::string& path, const TFormatOptions& options);
