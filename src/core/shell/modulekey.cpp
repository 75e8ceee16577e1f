#include "shell/modulekey.h"

const char* const QuorrelModuleName = "Quorrel";

std::string ModuleKeyName(const std::string& name) {
    std::string key;
    for (const char c : name) {
        if (c == ' ')
            key += '_';
        else if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9'))
            key += c;
    }
    return key;
}

std::string ModuleKeyPath(const std::string& moduleName) {
    return "Software\\Kestrune\\" + ModuleKeyName(moduleName);
}
