#pragma once
// What of a sample text a font cannot set. The preview strip, `render` and
// the Spectrum print routine all stop at the first control character or code
// the font does not hold, so everything after it is lost without a trace on
// the picture; this tells the user where and why.

#include <cstddef>
#include <string>
#include <vector>

#include "text/textrows.h"

class TFZXFont;

struct TTextCut {
    int Code = -1;            // the code the text stops at; -1 when all of it is set
    std::size_t Before = 0;   // characters before it (line breaks not counted)
    std::size_t Total = 0;    // characters of the whole text
    std::vector<int> Missing; // codes 32..255 of the text the font lacks, first seen first
};

// lines as the sample text holds them ("[n]" escapes expanded here), one
// line break between each two.
TTextCut FindTextCut(const TFZXFont& font, const TStringList& lines);

// "" when nothing is cut, else one line in UTF-8 for the user, e.g. "the
// text stops at character 233 (é), which the font does not have: 8 of its
// 12 characters are left out".
std::string DescribeTextCut(const TTextCut& cut);
