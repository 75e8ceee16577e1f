#pragma once
// The subcommands of quorrel-cli. Each takes the words after its name and
// returns the process exit status: 0 done, 1 failed, 2 usage mistake.

#include <string>
#include <vector>

using TArgs = std::vector<std::string>;

int RunInfo(const TArgs& args);
int RunConvert(const TArgs& args);
int RunRender(const TArgs& args);
int RunApply(const TArgs& args);
int RunSpectrum(const TArgs& args);
int RunFind(const TArgs& args);

// A whole decimal number from low to high (0 <= low <= high): digits only,
// any number of leading zeros; false for anything else.
bool ParseWholeNumber(const std::string& text, int low, int high, int& value);

// Prints "quorrel-cli: " + text on standard error; returns 1.
int Fail(const std::string& text);
// Prints "quorrel-cli: " + text and a pointer to --help on standard error;
// returns 2.
int UsageError(const std::string& text);
