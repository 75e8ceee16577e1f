#pragma once
// Every command of the main window as one table row: its object name,
// caption, hint, shortcut, toolbar icon and check group. The window builds
// its QActions from these rows; handlers live in files by concern.

#include <cstddef>

struct TActionRow {
    const char* Name;     // objectName, e.g. "BoldAllAction"
    const char* Caption;  // menu text with its mnemonic
    const char* Hint;     // status tip; with the shortcut, the tool tip
    const char* Shortcut; // portable text, "" for none
    int Icon;             // index into the toolbar icon set, -1 for none
    int Group;            // exclusive check group 1..4, 0 for a plain command
    bool Checked;         // on at start (check groups only)
};

extern const TActionRow ActionTable[];
extern const std::size_t ActionTableSize;
