// Quorrel: a pixel editor for FZX fonts.

#include "mainwindow/mainform.h"
#include "platform/application.h"

int main(int argc, char** argv) {
    TQuorrelApplication app(argc, argv);
    Tmainform window(app.arguments().mid(1));
    window.show();
    return app.exec();
}
