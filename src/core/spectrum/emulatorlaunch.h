#pragma once
// How to start Fuse, the Spectrum emulator, on a snapshot: which program,
// which ROM, or what to install when it is missing.

#include <functional>
#include <string>
#include <vector>

struct TEmulatorLaunch {
    std::string Program;                // full path; "" when Fuse was not found
    std::vector<std::string> Arguments; // before the snapshot's name
    std::string Hint;                   // what to install, when something is missing
    bool Found() const { return !Program.empty(); }
};

extern const char* const kEmulatorMissingHint;

// Looks for fuse, fuse-gtk or fuse-sdl in the folders of searchPath (':'
// between folders, as in PATH); isFile tells whether a path is a file. A
// 48K machine; the free OpenSE BASIC ROM where Sinclair's is not installed.
TEmulatorLaunch FindEmulator(const std::string& searchPath,
                             const std::function<bool(const std::string&)>& isFile);
