#pragma once
// The font file named on the command line at start-up.

#include <string>
#include <vector>

// args are the parameters after the program name. They are joined with single
// blanks, because the shell splits an unquoted path at its blanks. With
// windowsRules the text is cut at the first "/" (where switches start on
// Windows); otherwise "/" belongs to the path and the name ends before the
// first parameter that begins with "-". The result is trimmed, and a text in
// double quotes loses them and is trimmed again. Empty when no file is named.
std::string ReadCommandLineFile(const std::vector<std::string>& args, bool windowsRules);
