#pragma once
// Text from files, file names and the command line as messages may show it.

#include <string>

// The text with every control character (C0, DEL, C1) and every byte that is
// no UTF-8 written as \xNN, byte by byte, so that a message cannot move the
// terminal's cursor or change its colours and title; line breaks stay when
// keepLineBreaks is set (for message boxes that join lines).
std::string EscapeControls(const std::string& text, bool keepLineBreaks = false);
