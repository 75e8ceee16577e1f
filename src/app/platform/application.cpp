#include "platform/application.h"

#include <QFont>
#include <QMessageBox>
#include <exception>

TQuorrelApplication::TQuorrelApplication(int& argc, char** argv) : QApplication(argc, argv) {
    setApplicationName(QStringLiteral("Quorrel"));
    setOrganizationName(QStringLiteral("Kestrune"));
    setApplicationVersion(QStringLiteral(QUORREL_VERSION));
    // The interface font of every window and dialog.
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(13);
    setFont(font);
}

bool TQuorrelApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& e) {
        ShowErrorBox(activeWindow(), QString::fromLocal8Bit(e.what()));
    } catch (...) {
        ShowErrorBox(activeWindow(), QStringLiteral("Unexpected error."));
    }
    return false;
}

void ShowErrorBox(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Quorrel"), text, QMessageBox::Ok,
                    parent);
    box.setObjectName(QStringLiteral("ErrorBox"));
    box.exec();
}
