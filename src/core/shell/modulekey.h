#pragma once
// Where the program's settings live in the per-user settings store.

#include <string>

// This program's entry in the family's table of module names.
extern const char* const QuorrelModuleName;

// A name made fit for a key: blanks become "_", ASCII letters and digits
// stay, every other byte is left out.
std::string ModuleKeyName(const std::string& name);

// "Software\Kestrune\" followed by ModuleKeyName(moduleName).
std::string ModuleKeyPath(const std::string& moduleName);
