#pragma once
// The real main window for tests: its own settings file, shown offscreen,
// first activation done; modal boxes are answered from a timer.

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>

#include "mainwindow/mainform.h"

struct TWindowFixture {
    QTemporaryDir dir;
    std::unique_ptr<Tmainform> window;

    explicit TWindowFixture(const QStringList& arguments = {}, bool show = true) {
        window = std::make_unique<Tmainform>(arguments);
        window->SetSettingsFile(dir.filePath("settings.ini"));
        if (show) Show();
    }
    void Show() {
        window->show();
        // The first activation runs from the event loop once shown.
        QTest::qWait(20);
    }
    template <class T> T* Find(const char* name) const {
        return window->findChild<T*>(QString::fromUtf8(name));
    }
    TFZXFont& Font() { return window->Font(); }
};

// Runs answer on the next modal widget that opens, once it is shown.
inline void AnswerModal(std::function<void(QWidget*)> answer, int triesLeft = 300) {
    QTimer::singleShot(10, qApp, [answer, triesLeft] {
        if (QWidget* modal = QApplication::activeModalWidget(); modal && modal->isVisible()) {
            answer(modal);
            return;
        }
        if (triesLeft > 0) AnswerModal(answer, triesLeft - 1);
    });
}

// Clicks the button of a message box; records the box's text.
inline void AnswerBox(QMessageBox::StandardButton button, QString* text = nullptr) {
    AnswerModal([button, text](QWidget* w) {
        auto* box = qobject_cast<QMessageBox*>(w);
        if (!box) return;
        if (text) *text = box->text();
        box->button(button)->click();
    });
}
