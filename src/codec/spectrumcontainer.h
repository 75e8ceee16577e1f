#pragma once
// The bytes a Spectrum file holds, as areas for the font finder: each data
// block of a tape (.tap, .tzx ...) with the load address its header gives,
// the memory of a snapshot (.z80, .sna, .szx ...) as the Spectrum sees it
// (0x4000 to 0xFFFF, with the CHARS and UDG system variables as hints) and
// every other 128K page, and any other file as it is. Tapes and snapshots
// are read by libspectrum, which is loaded only when such a file comes.

#include <cstdint>
#include <string>
#include <vector>

#include "finder/foundfont.h"

// Larger files are refused unread.
inline constexpr std::size_t kMaxSpectrumFileSize = 16u << 20;

// Reads path into areas. "" or the message naming the file: a file that is
// not regular, too large, or a tape or snapshot libspectrum cannot read (its
// own message), or libspectrum missing. Throws TFileError when the file
// cannot be opened.
std::string ReadSpectrumFile(const std::string& path, std::vector<TScanArea>& areas);
// The same for bytes already read; name gives the extension libspectrum
// goes by. The message does not name the file.
std::string ReadSpectrumBytes(const std::vector<std::uint8_t>& bytes, const std::string& name,
                              std::vector<TScanArea>& areas);

class TFZXFont;

// Whether path is "FILE@PLACE", a font inside a Spectrum file (e.g.
// "game.tzx@block3+0x1A0", "game.z80@0xF000"): path itself is no file, but
// what comes before its last "@" is.
bool SplitFontPlace(const std::string& path, std::string& file, std::string& place);
// Reads the font at place in file (see ReadFontAtPlace) into font, which is
// left alone on failure. "" or the message naming the file.
std::string ReadFontInFile(TFZXFont& font, const std::string& file, const std::string& place);
