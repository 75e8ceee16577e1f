#pragma once
// The real main window for tests: its own settings file, shown offscreen,
// first activation done; modal boxes are answered from a timer.

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "mainwindow/mainform.h"

struct TWindowFixture {
    QTemporaryDir dir;
    std::unique_ptr<Tmainform> window;

    explicit TWindowFixture(const QStringList& arguments = {}, bool show = true) {
        // Dialogs remember folders in the platform's configuration: never
        // in the real user's (the test runner also gives each suite a home).
        QStandardPaths::setTestModeEnabled(true);
        window = std::make_unique<Tmainform>(arguments);
        window->SetSettingsFile(dir.filePath("settings.ini"));
        if (show) Show();
    }
    // The command line as raw bytes, as the program gets it on Unix.
    struct RawArguments {
        std::vector<std::string> Bytes;
    };
    explicit TWindowFixture(const RawArguments& arguments) {
        QStandardPaths::setTestModeEnabled(true);
        window = std::make_unique<Tmainform>(arguments.Bytes);
        window->SetSettingsFile(dir.filePath("settings.ini"));
        Show();
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

// Answers the modal widgets that open one after the other, in order, and
// records what each one showed: a message box's text, else the object name.
// A modal beyond the answers is closed and recorded as "unexpected: ...", an
// answer that leaves its widget open as "still open: ...", so a surprise
// fails the comparison of Seen() instead of hanging the test. The watching
// stops when the script is destroyed.
class TModalScript {
  public:
    using TAnswer = std::function<void(QWidget*)>;

    explicit TModalScript(std::vector<TAnswer> answers = {}) : FState(std::make_shared<TState>()) {
        FState->answers = std::move(answers);
        Watch(FState);
    }
    QStringList Seen() const { return FState->seen; }

  private:
    struct TState {
        std::vector<TAnswer> answers;
        std::size_t next = 0;
        QStringList seen;
        QPointer<QWidget> answering;
    };
    static void Watch(std::weak_ptr<TState> weak) {
        QTimer::singleShot(5, qApp, [weak] {
            const std::shared_ptr<TState> state = weak.lock();
            if (!state) return;
            // Watch on while an answer runs: it may open a nested box.
            Watch(weak);
            QWidget* modal = QApplication::activeModalWidget();
            if (!modal || !modal->isVisible() || modal == state->answering) return;
            auto* box = qobject_cast<QMessageBox*>(modal);
            const QString what = box ? box->text() : modal->objectName();
            QPointer<QWidget> guard(modal);
            const QPointer<QWidget> outer = state->answering;
            if (state->next < state->answers.size()) {
                state->seen << what;
                state->answering = modal;
                state->answers[state->next++](modal);
            } else {
                state->seen << QStringLiteral("unexpected: ") + what;
            }
            if (guard && guard->isVisible()) {
                if (state->answering == guard) state->seen << QStringLiteral("still open: ") + what;
                if (auto* dialog = qobject_cast<QDialog*>(guard.data())) dialog->reject();
            }
            state->answering = outer;
        });
    }
    std::shared_ptr<TState> FState;
};

// Clicks a button of a message box.
inline TModalScript::TAnswer Click(QMessageBox::StandardButton button) {
    return [button](QWidget* w) {
        if (auto* box = qobject_cast<QMessageBox*>(w); box && box->button(button))
            box->button(button)->click();
    };
}

// Accepts a file dialog with path; records its filters and the preselected one.
inline TModalScript::TAnswer ChooseFile(const QString& path, QStringList* filters = nullptr,
                                        QString* selectedFilter = nullptr) {
    return [path, filters, selectedFilter](QWidget* w) {
        auto* dialog = qobject_cast<QFileDialog*>(w);
        if (!dialog) return;
        if (filters) *filters = dialog->nameFilters();
        if (selectedFilter) *selectedFilter = dialog->selectedNameFilter();
        dialog->selectFile(path);
        // selectFile leaves the name field alone while it has the focus, and
        // whether it has depends on when the dialog's window was activated;
        // the name is typed in as the user would.
        if (auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit")))
            name->setText(QFileInfo(path).fileName());
        // Through the base class: the file dialog's own accept() is protected.
        static_cast<QDialog*>(dialog)->accept();
    };
}

// Closes the dialog as its Cancel button would.
inline TModalScript::TAnswer Dismiss() {
    return [](QWidget* w) {
        if (auto* dialog = qobject_cast<QDialog*>(w)) dialog->reject();
    };
}
