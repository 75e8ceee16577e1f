#include "aboutbox.h"

#include <QMessageBox>

void AboutActionExecute(QWidget* parent) {
    QMessageBox box(QMessageBox::Information, "About Quorrel",
                    "Quorrel\n"
                    "Test release version 0.953\n"
                    "Thanks to the authors of the FZX format and to the ZX Spectrum "
                    "community for their fonts, tools and advice.",
                    QMessageBox::Ok, parent);
    box.setObjectName("AboutBox");
    box.exec();
}
