#pragma once
// Font files for the window tests: a readable font on disk, an edit that
// marks the font modified, and a current folder for one test.
#include "windowfixture.h"
#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QUrl>
#include <QtTest>

inline const QString kPrompt = QStringLiteral("Your file has changed. Do you want to save it?");
inline const QString kIllegal = QStringLiteral("Illegal file extension! File not saved.");

// A font file readable by the window, with glyphs for 32..lastChar.
inline void MakeFontFile(const QString& path, int lastChar = 40) {
    TFZXFont font;
    font.SetLastChar(lastChar);
    const std::string error = path.endsWith(".fzx", Qt::CaseInsensitive)
                                  ? font.SaveFZX(QFile::encodeName(path).toStdString())
                                  : font.SaveCHR(QFile::encodeName(path).toStdString());
    QVERIFY2(error.empty(), error.c_str());
}

QByteArray FileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// An edit that keeps the font CHR-compatible: one more glyph.
inline void Edit(TWindowFixture& f) {
    f.Font().SetLastChar(f.Font().LastChar() + 1);
    QVERIFY(f.Font().Modified());
}

QStringList Recent(TWindowFixture& f) {
    QStringList list;
    for (const std::string& entry : f.window->Document().Recent().Entries())
        list << QFile::decodeName(QByteArray::fromStdString(entry));
    return list;
}

inline QString PathLabel(TWindowFixture& f) {
    return f.Find<QLabel>("PathLabel")->text();
}

// The recent files submenu as the user finds it when opening it.
QMenu* OpenRecentMenu(TWindowFixture& f) {
    auto* menu = f.Find<QMenu>("LastUsedFilesMenu");
    emit menu->aboutToShow();
    return menu;
}

// Notes the save dialog's filters and the preselected one, then cancels.
TModalScript::TAnswer ReadFilters(QStringList* filters, QString* selected) {
    return [filters, selected](QWidget* w) {
        if (auto* dialog = qobject_cast<QFileDialog*>(w)) {
            *filters = dialog->nameFilters();
            *selected = dialog->selectedNameFilter();
        }
        Dismiss()(w);
    };
}

// Runs the tests in a temporary current folder and restores the old one.
struct TCurrentFolder {
    QString old = QDir::currentPath();
    explicit TCurrentFolder(const QString& path) { QDir::setCurrent(path); }
    ~TCurrentFolder() { QDir::setCurrent(old); }
};
