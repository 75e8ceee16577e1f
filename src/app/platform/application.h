#pragma once
// The application object: an exception that escapes an event handler (a
// file that cannot be opened, a setting that cannot be stored) is shown in
// an error box with its text, and the main loop goes on.

#include <QApplication>
#include <QFont>

class TQuorrelApplication : public QApplication {
  public:
    TQuorrelApplication(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};

// The program's message boxes: the text and one OK button, as a warning
// (the texts of readers, writers and commands) or as an error (failures that
// no command handles).
void ShowMessageBox(QWidget* parent, const QString& text);
void ShowErrorBox(QWidget* parent, const QString& text);

// The interface font, Arial (Liberation Sans on Linux) at a pixel size.
QFont InterfaceFont(int pixels = 13, bool bold = false);
