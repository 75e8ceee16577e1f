#pragma once
// What both picture programs share: the window with a real font, its own
// settings and a size that shows everything, and saving a picture.

#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>
#include <cstdio>

#include "mainwindow/mainform.h"

// Saves a picture of widget as folder/name and prints the path.
inline void SaveShot(QWidget* widget, const QString& folder, const char* name) {
    QTest::qWait(30);
    const QString path = QDir(folder).filePath(QString::fromUtf8(name));
    if (!widget->grab().save(path))
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    else
        std::printf("%s\n", qPrintable(path));
}

// Reads FONT.fzx and OUTPUT_FOLDER from the command line and makes the
// folder; false (usage printed) when they are missing.
inline bool ShotArguments(int argc, char** argv, QString& font, QString& folder) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s FONT.fzx OUTPUT_FOLDER\n", argv[0]);
        return false;
    }
    font = QString::fromLocal8Bit(argv[1]);
    folder = QString::fromLocal8Bit(argv[2]);
    QDir().mkpath(folder);
    return true;
}

// The window with font opened from its command line, shown and activated.
struct TShotWindow {
    QTemporaryDir settings;
    Tmainform window;

    explicit TShotWindow(const QString& font) : window({font}) {
        window.SetSettingsFile(settings.filePath("settings.ini"));
        window.resize(900, 640);
        window.show();
        QTest::qWait(50);
    }
};
