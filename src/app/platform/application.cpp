#include "platform/application.h"

#include <QMessageBox>
#include <exception>

TQuorrelApplication::TQuorrelApplication(int& argc, char** argv) : QApplication(argc, argv) {
    setApplicationName(QStringLiteral("Quorrel"));
    setOrganizationName(QStringLiteral("Kestrune"));
    setApplicationVersion(QStringLiteral(QUORREL_VERSION));
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
