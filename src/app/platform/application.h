#pragma once
// The application object: an exception that escapes an event handler (a
// file that cannot be opened, a setting that cannot be stored) is shown in
// an error box with its text, and the main loop goes on.

#include <QApplication>

class TQuorrelApplication : public QApplication {
  public:
    TQuorrelApplication(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};

// The error box: the text and one OK button.
void ShowErrorBox(QWidget* parent, const QString& text);
