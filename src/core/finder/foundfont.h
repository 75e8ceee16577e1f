#pragma once
// What the font finder looks at and what it reports: areas of Spectrum
// memory or file bytes, each with a place name, and the fonts found in them.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// A stretch of bytes as a container holds it: a raw file, a tape block's
// data, the 48K a snapshot shows the Spectrum, or one 128K page.
struct TScanArea {
    // "" for a file's bytes or a snapshot's memory (places are then plain
    // addresses, Base + offset); else "block3", "page1" (places are
    // "block3+0x1A0").
    std::string Name;
    std::uint32_t Base = 0; // address of the first byte as places count it
    // Where the Spectrum has the first byte (a tape header's load address,
    // 0xC000 for a 128K page); -1 when nothing says.
    std::int32_t LoadAddress = -1;
    std::vector<std::uint8_t> Bytes;
    // Offsets into Bytes the system variables point at: the space of the
    // character set in use (CHARS + 256) and the user-defined graphics; -1
    // when the area holds no system variables or they point elsewhere.
    std::int64_t CharsHint = -1;
    std::int64_t UdgHint = -1;
};

enum class TFoundKind {
    Charset, // 8 x 8 cells, 8 bytes per character, no header
    Udg,     // the 21 user-defined graphics, codes 144 to 164
    Fzx,     // an FZX font with its header and table
};

struct TFoundFont {
    std::size_t Area = 0;   // index into the scanned areas
    std::size_t Offset = 0; // of the first byte in the area
    std::size_t Length = 0; // bytes the font takes
    TFoundKind Kind = TFoundKind::Charset;
    int FirstCode = 32;
    int LastCode = 127;
    int Score = 0; // 0..100; higher is surer
};

// "8x8 set", "UDG block" or "FZX font".
std::string FoundKindText(TFoundKind kind);
// The place of a found font in its area: "0x3D00" for an area without a
// name, "block3+0x1A0" for one with.
std::string PlaceText(const TScanArea& area, std::size_t offset);
// The area and offset a place text names; false when no area has that name
// or the offset lies outside it. Hexadecimal with 0x, or decimal.
bool FindPlace(const std::vector<TScanArea>& areas, const std::string& place, std::size_t& area,
               std::size_t& offset);
