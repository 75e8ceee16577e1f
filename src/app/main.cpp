// Quorrel: a pixel editor for FZX fonts.

#include <string>
#include <vector>

#include "mainwindow/mainform.h"
#include "platform/application.h"

int main(int argc, char** argv) {
    TQuorrelApplication app(argc, argv);
#ifdef _WIN32
    Tmainform window(app.arguments().mid(1));
#else
    // The bytes as given: a file name need not be valid in the locale's
    // encoding to be opened.
    std::vector<std::string> arguments;
    for (int i = 1; i < argc; ++i)
        arguments.emplace_back(argv[i]);
    Tmainform window(arguments);
#endif
    window.show();
    return app.exec();
}
