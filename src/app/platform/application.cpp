#include "platform/application.h"

#include <QFont>
#include <QMessageBox>
#include <exception>

#include "text/controlescape.h"

TQuorrelApplication::TQuorrelApplication(int& argc, char** argv) : QApplication(argc, argv) {
    setApplicationName(QStringLiteral("Quorrel"));
    setOrganizationName(QStringLiteral("Kestrune"));
    setApplicationVersion(QStringLiteral(QUORREL_VERSION));
    // The interface font of every window and dialog.
    setFont(InterfaceFont());
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

namespace {
// Messages quote file names and text from files: shown as plain text, with
// control characters escaped.
void ShowBox(QWidget* parent, QMessageBox::Icon icon, const QString& text) {
    QMessageBox box(icon, QStringLiteral("Quorrel"),
                    QString::fromStdString(EscapeControls(text.toStdString(), true)),
                    QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}
} // namespace

void ShowMessageBox(QWidget* parent, const QString& text) {
    ShowBox(parent, QMessageBox::Warning, text);
}

void ShowErrorBox(QWidget* parent, const QString& text) {
    ShowBox(parent, QMessageBox::Critical, text);
}

QFont InterfaceFont(int pixels, bool bold) {
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}
