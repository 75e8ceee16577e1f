#pragma once
// Choosing the reader or writer of a font file by its extension, ignoring
// letter case. Like the readers and writers, both return "" on success or
// the message to show, and throw TFileError for a file that cannot be opened
// or created.

#include <string>

class TFZXFont;

// ".FZX" reads FZX, ".CHR" and ".UDG" read CHR data; any other extension
// gives "Invalid file extension!" without touching the font or the disk.
std::string LoadFontFile(TFZXFont& font, const std::string& path);

// ".FZX" writes FZX, ".CHR" and ".UDG" write CHR data, ".ASM" exports
// assembler source when allowASM is set (Save As and the command line; plain
// Save refuses it). Any other extension gives "Illegal file extension! File
// not saved." and writes nothing.
std::string SaveFontFile(TFZXFont& font, const std::string& path, bool allowASM = true);
