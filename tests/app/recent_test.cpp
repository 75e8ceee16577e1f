// The recent list and its menu, the path in the status bar, the command line
// and dropped files, through the real window.

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QUrl>
#include <QtTest>

#include "fontfilefixture.h"

class RecentTest : public QObject {
    Q_OBJECT
  private slots:
    void recentListRules();
    void recentMenu();
    void pathLabelShortensLongPaths();
    void commandLineOpensJoinedName();
    void commandLineMissingFile();
    void droppedFileOpensWithPrompt();
};

void RecentTest::recentListRules() {
    TWindowFixture f;
    QStringList paths;
    for (int i = 0; i < 11; ++i) {
        paths << f.dir.filePath(QStringLiteral("f%1.fzx").arg(i));
        MakeFontFile(paths.last());
    }
    for (const QString& p : paths)
        f.window->OpenFont(p);
    QStringList expected;
    for (int i = 10; i >= 1; --i)
        expected << paths[i];
    QCOMPARE(Recent(f), expected);

    // Reopening moves the entry to the top.
    f.window->OpenFont(paths[5]);
    expected.removeAll(paths[5]);
    expected.prepend(paths[5]);
    QCOMPARE(Recent(f), expected);

    // Another spelling of the same name is the same entry, with the new spelling.
    const QString upper = f.dir.filePath("F3.FZX");
    MakeFontFile(upper);
    f.window->OpenFont(upper);
    expected.removeAll(paths[3]);
    expected.prepend(upper);
    QCOMPARE(Recent(f), expected);

    // A relative name is made absolute.
    TCurrentFolder here(f.dir.path());
    f.window->OpenFont(QStringLiteral("f7.fzx"));
    QCOMPARE(Recent(f).first(), paths[7]);
    QCOMPARE(Recent(f).size(), 10);
}

void RecentTest::recentMenu() {
    TWindowFixture f;
    auto* fileMenu = f.Find<QMenu>("FileMenu");
    auto* recentItem = f.Find<QMenu>("LastUsedFilesMenu")->menuAction();
    emit fileMenu->aboutToShow();
    QVERIFY(!recentItem->isEnabled());

    const QString a = f.dir.filePath("a.fzx");
    const QString b = f.dir.filePath("b&c.fzx");
    MakeFontFile(a, 33);
    MakeFontFile(b, 34);
    f.window->OpenFont(a);
    f.window->OpenFont(b);
    emit fileMenu->aboutToShow();
    QVERIFY(recentItem->isEnabled());

    QMenu* menu = OpenRecentMenu(f);
    QList<QAction*> items = menu->actions();
    QCOMPARE(items.size(), 4);
    QCOMPARE(QString(items[0]->text()).replace("&&", "&"), b);
    QCOMPARE(items[1]->text(), a);
    QVERIFY(items[2]->isSeparator());
    QCOMPARE(items[3]->text(), QString("&Clear last used files list"));

    items[1]->trigger();
    QCOMPARE(f.window->Document().FileName(), a);
    QCOMPARE(Recent(f), QStringList({a, b}));

    // A vanished file is not opened and stays listed.
    QVERIFY(QFile::remove(b));
    TModalScript script;
    items = OpenRecentMenu(f)->actions();
    items[1]->trigger();
    QCOMPARE(script.Seen(), QStringList());
    QCOMPARE(f.window->Document().FileName(), a);
    QCOMPARE(f.Font().Count(), 2);
    QCOMPARE(Recent(f), QStringList({a, b}));

    // Rebuilt on every opening; clearing empties the list.
    items = OpenRecentMenu(f)->actions();
    QCOMPARE(items.size(), 4);
    items[3]->trigger();
    QVERIFY(Recent(f).isEmpty());
    QCOMPARE(OpenRecentMenu(f)->actions().size(), 2);
    emit fileMenu->aboutToShow();
    QVERIFY(!recentItem->isEnabled());
}

void RecentTest::pathLabelShortensLongPaths() {
    TWindowFixture f;
    QString folder = f.dir.path();
    for (int i = 0; i < 12; ++i)
        folder += QStringLiteral("/a_rather_long_folder_name_%1").arg(i);
    QVERIFY(QDir().mkpath(folder));
    const QString path = folder + "/deep.fzx";
    MakeFontFile(path);
    f.window->OpenFont(path);
    auto* label = f.Find<QLabel>("PathLabel");
    const QString shown = label->text();
    QVERIFY2(shown.startsWith(QStringLiteral("/\u2026/")), qPrintable(shown));
    QVERIFY(shown.endsWith("/a_rather_long_folder_name_11/deep.fzx"));
    QVERIFY(label->fontMetrics().horizontalAdvance(shown) <= label->width());
    QCOMPARE(label->toolTip(), path);
    // The label fits the path again when the window changes its width.
    int previousLength = 0;
    for (const int width : {560, 1200}) {
        f.window->resize(width, 500);
        QTRY_COMPARE(f.window->width(), width);
        const QString text = label->text();
        QVERIFY2(text.endsWith("/deep.fzx"), qPrintable(text));
        QVERIFY(label->fontMetrics().horizontalAdvance(text) <= label->width());
        QVERIFY(text.size() > previousLength);
        previousLength = int(text.size());
    }
    // The menu entry is shortened to its own width.
    const QString caption = OpenRecentMenu(f)->actions().first()->text();
    QVERIFY2(caption.contains(QStringLiteral("\u2026")) && caption.endsWith("deep.fzx"),
             qPrintable(caption));
    QVERIFY(f.Find<QMenu>("LastUsedFilesMenu")->fontMetrics().horizontalAdvance(caption) <= 240);
}

// The shell split "my font.fzx" at its blank; the parameters are joined
// again, and a switch after the name is no part of it.
void RecentTest::commandLineOpensJoinedName() {
    QTemporaryDir cwd;
    TCurrentFolder here(cwd.path());
    MakeFontFile(cwd.filePath("my font.fzx"), 70);
    TWindowFixture f({"my", "font.fzx", "--x"});
    QCOMPARE(f.Font().Count(), 39);
    QCOMPARE(QFileInfo(f.window->Document().FileName()).absoluteFilePath(),
             cwd.filePath("my font.fzx"));
    QCOMPARE(Recent(f), QStringList{cwd.filePath("my font.fzx")});
}

void RecentTest::commandLineMissingFile() {
    QTemporaryDir cwd;
    TCurrentFolder here(cwd.path());
    TWindowFixture f({"missing.fzx"}, false);
    TModalScript script({Click(QMessageBox::Ok)});
    f.Show();
    QTRY_COMPARE(script.Seen().size(), 1);
    QVERIFY2(script.Seen()[0].contains(cwd.filePath("missing.fzx")), qPrintable(script.Seen()[0]));
    QCOMPARE(f.Font().Count(), 1);
    QCOMPARE(f.Font().CurrentIndex(), 0);
    QVERIFY(!f.Font().Modified());
    QVERIFY(f.window->Document().FileName().isEmpty());
    QCOMPARE(PathLabel(f), QString("<empty>"));
    QVERIFY(Recent(f).isEmpty());
}

void RecentTest::droppedFileOpensWithPrompt() {
    TWindowFixture f;
    const QString path = f.dir.filePath("dropped.fzx");
    MakeFontFile(path, 48);
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(path)});
    const QPointF at(100, 100);

    QDragEnterEvent enter(at.toPoint(), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(f.window.get(), &enter);
    QVERIFY(enter.isAccepted());

    Edit(f);
    TModalScript script({Click(QMessageBox::No)});
    QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(f.window.get(), &drop);
    QTRY_COMPARE(f.window->Document().FileName(), path);
    QCOMPARE(script.Seen(), QStringList{kPrompt});
    QCOMPARE(f.Font().Count(), 17);
    QCOMPARE(Recent(f), QStringList{path});
}

QTEST_MAIN(RecentTest)
#include "recent_test.moc"
