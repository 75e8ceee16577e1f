#pragma once
// Text set the way an FZX print routine sets it, as a list of pen positions:
// each character Kern pixels over the end of the one before, the font's
// Tracking after it, the body Height from one line to the next. Code 13
// starts a new line at the left edge; with wrapping, so does a character that
// would pass the right edge (unless it is the first of its line). A control
// character or a code the font does not hold ends the text. A kern never
// takes a character left of its line's start (the frame's Left): it is drawn
// from there, whole, and the pen goes on from its end, as FZX drivers do.
// Quorrel's Z80 print routine (spectrum/fzxprint.asm) follows the same rules.
//
// The preview strip (and `render` without --wrap or --at) places characters
// its own way: every line starts at x = 0 and the pen is never clamped, so a
// kern at a line's start (or advances below 0) cuts the character's left
// columns off at the picture's edge; each sample line is a row of its own
// and the rest of a line past the right edge is dropped, never wrapped.

#include <string>
#include <vector>

#include "raster/raster.h"
#include "text/textrows.h"

class TFZXFont;
class TFZXChar;

struct TTextPlacement {
    int Code = 0;
    // The glyph's stored rows start Kern pixels left of X (the pen, or
    // further right where the line's start clamps them).
    int X = 0;
    int Y = 0; // top of the line
};

// Where lines break besides code 13. Characters: before a character that
// would pass the right edge. Words: before a word (the characters after a
// space up to the next space, code 13 or the end) that would pass it, so the
// whole word starts the next line; a word longer than a whole line starts
// where it is and breaks at characters, and a space that would pass the edge
// ends the line and is dropped with the spaces right after it. A line's
// first character never wraps.
enum class TWrapMode { None, Characters, Words };

struct TTextFrame {
    int Left = 0;    // pen position of every line's start
    int Top = 0;     // top of the first line
    int Right = 256; // exclusive edges of the picture
    int Bottom = 192;
    int Zoom = 1;
    // None: the rest of a line is dropped once the pen reaches Right, as the
    // preview strip does.
    TWrapMode Wrap = TWrapMode::Characters;
};

// The width a character takes in text: its width as the FZX file stores it.
// Scaling can leave a glyph 0 wide, which the file's 4-bit field cannot hold
// and writes as 1; the preview counts it as the Spectrum will, so characters
// after it land where they will land there.
int StoredWidth(const TFZXChar& glyph);

// Pen positions of the characters of codes that show at least partly in the
// frame (lines starting at or below Bottom are left out). With read, also
// how many characters (codes 13 not counted) were set or dropped at a line
// break before the text ended or reached the bottom.
std::vector<TTextPlacement> LayOutText(const TFZXFont& font, const std::string& codes,
                                       const TTextFrame& frame, std::size_t* read = nullptr);

// Paints the placements transparently (black ink, red beyond the 16th column)
// over what the raster holds. Changes the font's draw settings.
void PaintText(TFZXFont& font, TRaster& raster, const std::vector<TTextPlacement>& placements,
               int zoom);

// Sample lines as the preview strip reads them (escapes expanded) joined into
// one text with code 13 between lines. The strip stops at a control
// character, so the text ends before the first one.
std::string JoinSampleLines(const TStringList& lines);

// The lines of a UTF-8 text typed in a shell: one byte per character as the
// window's text fields take it, split at newlines (a CR before one dropped).
TStringList SampleLinesFromUtf8(const std::string& text);

// The codes the Spectrum sets for the sample lines: JoinSampleLines, or the
// font's codes 32..LastChar (the strip's text) when there are no lines.
std::string SampleCodes(const TFZXFont& font, const TStringList& lines);
