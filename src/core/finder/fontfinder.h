#pragma once
// Finding the fonts inside Spectrum memory and files: 8 x 8 character sets,
// UDG blocks and FZX fonts in areas of bytes (see foundfont.h), and reading
// one of them as a font.

#include <functional>
#include <string>
#include <vector>

#include "finder/foundfont.h"

class TFZXFont;

// Every font in the areas, best first (ties in place order). Finds that
// overlap are merged to the best of them. progress, when set, is called with
// the bytes scanned so far and in all, and stops the scan by returning false
// (what was found until then is returned).
std::vector<TFoundFont>
FindFonts(const std::vector<TScanArea>& areas,
          const std::function<bool(std::size_t, std::size_t)>& progress = {});

// The bytes of a find, as a file of its kind holds them: FZX as it is, sets
// and UDG blocks as CHR data from the space on (cells before the first code
// blank).
std::vector<std::uint8_t> FoundFontFile(const std::vector<TScanArea>& areas,
                                        const TFoundFont& found);
// Reads a find into font (which is left alone on failure); "" or the message.
std::string ReadFoundFont(TFZXFont& font, const std::vector<TScanArea>& areas,
                          const TFoundFont& found);

// The font at a place text (see PlaceText): an FZX font whose table is
// consistent there, else the set or UDG block the scan would find starting
// there, else the 96 cells of a set from the space there. "" or the message.
std::string ReadFontAtPlace(TFZXFont& font, const std::vector<TScanArea>& areas,
                            const std::string& place);

// "8x8 set 32-127, score 97" or "FZX font 32-157, address 0x868C, score
// 100" (where the area's load address is known): what was found.
std::string FoundFontText(const std::vector<TScanArea>& areas, const TFoundFont& found);
