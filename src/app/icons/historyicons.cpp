#include "historyicons.h"

#include "iconart.h"
#include "toolbaricons.h"

namespace {

// Actions without a toolbar command of their own.
// clang-format off
const char* const WidthArt[IconArtSize] =
    // a measured width under a glyph
    {"................",
     "......kkk.......",
     ".....k...k......",
     ".....k...k......",
     ".....kkkkk......",
     ".....k...k......",
     ".....k...k......",
     ".....k...k......",
     "................",
     "k...k......k...k",
     "k..kk......kk..k",
     "k.krkkkkkkkkrk.k",
     "kkrrkrrrrrrkrrkk",
     "k.krkkkkkkkkrk.k",
     "k..kk......kk..k",
     "k...k......k...k"};
const char* const SelectArt[IconArtSize] =
    // the pointer on a highlighted glyph
    {"kkkkkkkkkkkk....",
     "kcccccccccck....",
     "kcccccccccck....",
     "kccckkkcccck....",
     "kcckccckccck....",
     "kcckccckccck....",
     "kcckkkkkccck....",
     "kcckccckckck....",
     "kcckccckckkk....",
     "kcckccckckwk....",
     "kcccccccckwwk...",
     "kcccccccckwwwk..",
     "kkkkkkkkkkwwwwk.",
     ".........kwwkkk.",
     ".........kkkwk..",
     "............kk.."};
const char* const KernArt[IconArtSize] =
    // A and V drawn into each other
    {"................",
     "...kkkk...k.....",
     "..k...k...k.....",
     "..k...k...k.....",
     "..kkkkkk.k......",
     "..k...kk.k......",
     "..k...kk.k......",
     "..k...k.k.......",
     "................",
     ".......k...d....",
     "......kk...d....",
     ".....krkkkkd....",
     "....krrrrrkd....",
     ".....krkkkkd....",
     "......kk...d....",
     ".......k...d...."};
// clang-format on

constexpr int OwnArt = -1;

// The toolbar icon each action shares, or OwnArt.
constexpr int ToolbarIconOf[HistoryIconCount] = {
    OwnArt, // 0 width changed
    6,      // 1 pixels changed: free hand
    7,      // 2 line tool
    8,      // 3 rectangle tool
    9,      // 4 ellipse tool
    10,     // 5 rubber tool
    26,     // 6 paste tool
    21,     // 7 roll left
    22,     // 8 roll right
    19,     // 9 roll up
    20,     // 10 roll down
    23,     // 11 new character
    OwnArt, // 12 select char
    37,     // 13 italic mode
    30,     // 14 bold mode
    33,     // 15 adjust top
    34,     // 16 adjust bottom
    31,     // 17 adjust left
    32,     // 18 adjust right
    35,     // 19 adjust horizontal
    36,     // 20 adjust vertical
    15,     // 21 clear char
    47,     // 22 scale char
    17,     // 23 flip horizontal
    18,     // 24 flip vertical
    OwnArt, // 25 kern changed
    29,     // 26 copy tool
    16,     // 27 copy character
    38,     // 28 italic all
    39,     // 29 bold all
    42,     // 30 adjust all top
    43,     // 31 adjust all bottom
    40,     // 32 adjust all left
    41,     // 33 adjust all right
    44,     // 34 adjust all horizontal
    45,     // 35 adjust all vertical
    46,     // 36 clear all chars
    48,     // 37 scale all chars
    50,     // 38 paste character
    51,     // 39 fit width
    52,     // 40 fit all widths
};

} // namespace

const char* const* HistoryIconArt(int action) {
    if (action < 0 || action >= HistoryIconCount) return nullptr;
    switch (action) {
    case 0:
        return WidthArt;
    case 12:
        return SelectArt;
    case 25:
        return KernArt;
    default:
        return ToolbarIconArt(ToolbarIconOf[action]);
    }
}
