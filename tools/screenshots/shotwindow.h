#pragma once
// What both picture programs share: the window with a real font, its own
// settings and a size that shows everything, and saving a picture.

#include <QDir>
#include <QFile>
#include <QFileInfo>
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

// A copy of the font in a neutral folder, /tmp/fonts, so the pictures show
// no path of the machine they were made on; removed again afterwards.
struct TNeutralFontCopy {
    QString path;
    explicit TNeutralFontCopy(const QString& font) {
        const QString folder = QDir(QDir::tempPath()).filePath("fonts");
        QDir().mkpath(folder);
        path = QDir(folder).filePath(QFileInfo(font).fileName());
        QFile::remove(path);
        if (!QFile::copy(font, path)) path = font;
    }
    ~TNeutralFontCopy() {
        if (path.startsWith(QDir::tempPath())) QFile::remove(path);
    }
};

// The window with font opened from its command line, shown and activated.
struct TShotWindow {
    QTemporaryDir settings;
    TNeutralFontCopy copy;
    Tmainform window;

    explicit TShotWindow(const QString& font) : copy(font), window({copy.path}) {
        window.SetSettingsFile(settings.filePath("settings.ini"));
        window.resize(900, 640);
        window.show();
        QTest::qWait(50);
    }
};
