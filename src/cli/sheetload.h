#pragma once
// Reading a picture sheet on the command line: the layout options given win,
// the rest come from the grid found in the picture, and a sheet whose grid
// cannot be found with confidence is refused unless --cell is given.

#include <string>

class TFZXFont;
struct TFormatOptions;

// Reads the sheet at path into font; prints the grid it found and the import
// report on standard error. "" or the message (font untouched).
std::string LoadSheet(TFZXFont& font, const std::string& path, const TFormatOptions& options);
