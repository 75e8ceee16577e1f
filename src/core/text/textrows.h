#pragma once
// Helpers for texts that hold lists of parts joined by a separator: glyph
// rows joined by '|', guide-line lists, range lists, preview lines.

#include <string>
#include <vector>

using TStringList = std::vector<std::string>;

// Clears list, then appends the parts of text between separators. A separator
// at the very end gives no empty last part; "" gives no parts.
void SplitText(TStringList& list, const std::string& text, char separator);
// Clears list, then appends the parts between occurrences of separator. An
// empty separator leaves the list empty; "" gives one empty part.
void SplitTextByString(TStringList& list, const std::string& text, const std::string& separator);
// The items with one separator between each two neighbours.
std::string JoinText(const TStringList& list, char separator);
// Cuts text to length, then fills it up to length with fill: mode 1 in front,
// mode 2 centred (odd extra behind), otherwise behind.
std::string PadText(const std::string& text, int length, char fill, int mode);
// 0 for "", else 1 + the number of separators (a trailing one counts).
int CountParts(const std::string& text, char separator);
// The n-th part counted from 1; "" when there is no such part.
std::string NthPart(const std::string& text, int n, char separator);
// The text without blanks and control characters (codes up to 32) at either end.
std::string TrimBlanks(const std::string& text);
