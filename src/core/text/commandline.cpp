#include "text/commandline.h"

#include "text/textrows.h"

std::string ReadCommandLineFile(const std::vector<std::string>& args, bool windowsRules) {
    std::string joined;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (!windowsRules && !args[i].empty() && args[i][0] == '-') break;
        if (i > 0) joined += ' ';
        joined += args[i];
    }
    if (windowsRules) {
        const std::size_t slash = joined.find('/');
        if (slash != std::string::npos) joined.erase(slash);
    }
    std::string name = TrimBlanks(joined);
    if (name.size() >= 2 && name.front() == '"' && name.back() == '"')
        name = TrimBlanks(name.substr(1, name.size() - 2));
    return name;
}
