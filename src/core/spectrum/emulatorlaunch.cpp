#include "spectrum/emulatorlaunch.h"

#include "text/textrows.h"

const char* const kEmulatorMissingHint =
    "needs the Fuse emulator: install fuse-emulator-gtk or fuse-emulator-sdl, and opense-basic "
    "for its ROM";

namespace {
const char* const kRomFolder = "/usr/share/spectrum-roms/";
}

TEmulatorLaunch FindEmulator(const std::string& searchPath,
                             const std::function<bool(const std::string&)>& isFile) {
    TEmulatorLaunch launch;
    TStringList folders;
    SplitText(folders, searchPath, ':');
    for (const char* name : {"fuse", "fuse-gtk", "fuse-sdl"}) {
        for (const std::string& folder : folders) {
            if (folder.empty()) continue;
            const std::string candidate = folder + (folder.back() == '/' ? "" : "/") + name;
            if (isFile(candidate)) {
                launch.Program = candidate;
                break;
            }
        }
        if (launch.Found()) break;
    }
    if (!launch.Found()) {
        launch.Hint = kEmulatorMissingHint;
        return launch;
    }
    launch.Arguments = {"--machine", "48"};
    const std::string sinclair = std::string(kRomFolder) + "48.rom";
    const std::string opense = std::string(kRomFolder) + "opense.rom";
    if (!isFile(sinclair) && isFile(opense)) {
        launch.Arguments.push_back("--rom-48");
        launch.Arguments.push_back(opense);
    }
    launch.Arguments.push_back("--snapshot");
    return launch;
}
