// The window's document: every user change reaches the window as exactly one
// notice of the document, of the kind the change is, so the window refreshes
// once per change.

#include <QAction>
#include <QSignalSpy>
#include <QSpinBox>
#include <QtTest>
#include <functional>

#include "canvasdriver.h"
#include "fontfilefixture.h"
#include "widgets/chargrid.h"
#include "windowfixture.h"

namespace {

void TypeInto(QSpinBox* edit, const QString& text) {
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, text);
    QTest::keyClick(edit, Qt::Key_Return);
}

// The four notices in the order of their reach.
const char* const kKinds[] = {"fontReplaced", "valuesChanged", "glyphChanged", "fileStateChanged"};

} // namespace

class DocumentTest : public QObject {
    Q_OBJECT
  private slots:
    void oneNoticePerChange();
    void nothingDoneNothingRefreshed();
};

void DocumentTest::oneNoticePerChange() {
    using TStep = std::function<void(TWindowFixture&, const QString& dir)>;
    const TStep nothing = [](TWindowFixture&, const QString&) {};
    const TStep stroke = [](TWindowFixture& f, const QString&) {
        TCanvasDriver(f).Stroke(Qt::LeftButton, {{1, 1}, {2, 2}, {3, 2}});
    };
    const TStep openFile = [](TWindowFixture& f, const QString& dir) {
        MakeFontFile(dir + "/font.fzx");
        f.window->OpenFont(dir + "/font.fzx");
    };
    struct Case {
        const char* Name;
        TStep Before;
        TStep Change;
        const char* Kind;
    };
    const Case cases[] = {
        {"pixel stroke", nothing, stroke, "glyphChanged"},
        {"width typed", nothing,
         [](TWindowFixture& f, const QString&) {
             TypeInto(f.Find<QSpinBox>("CharWidthEdit"), "5");
         },
         "glyphChanged"},
        {"kern typed", nothing,
         [](TWindowFixture& f, const QString&) { TypeInto(f.Find<QSpinBox>("KernEdit"), "2"); },
         "glyphChanged"},
        {"flip", stroke,
         [](TWindowFixture& f, const QString&) {
             f.window->Action("FlipHorizontalAction")->trigger();
         },
         "glyphChanged"},
        {"undo", stroke,
         [](TWindowFixture& f, const QString&) { f.window->Action("UndoAction")->trigger(); },
         "glyphChanged"},
        {"another character", openFile,
         [](TWindowFixture& f, const QString&) { f.window->CharList()->SelectRow(7); },
         "glyphChanged"},
        {"height typed", nothing,
         [](TWindowFixture& f, const QString&) { TypeInto(f.Find<QSpinBox>("BaseLineEdit"), "9"); },
         "valuesChanged"},
        {"last char typed", nothing,
         [](TWindowFixture& f, const QString&) {
             TypeInto(f.Find<QSpinBox>("LastCharEdit"), "40");
         },
         "valuesChanged"},
        {"bold all", openFile,
         [](TWindowFixture& f, const QString&) { f.window->Action("BoldAllAction")->trigger(); },
         "valuesChanged"},
        {"open", nothing, openFile, "fontReplaced"},
        {"new", openFile,
         [](TWindowFixture& f, const QString&) { f.window->Action("NewFileAction")->trigger(); },
         "fontReplaced"},
        {"save",
         [&](TWindowFixture& f, const QString& dir) {
             openFile(f, dir);
             stroke(f, dir);
         },
         [](TWindowFixture& f, const QString&) { f.window->Action("FileSaveAction")->trigger(); },
         "fileStateChanged"},
    };
    for (const Case& c : cases) {
        TWindowFixture f;
        c.Before(f, f.dir.path());
        std::vector<std::unique_ptr<QSignalSpy>> spies;
        for (const char* kind : kKinds)
            spies.push_back(
                std::make_unique<QSignalSpy>(&f.window->Document(), QByteArray("2") + kind + "()"));
        c.Change(f, f.dir.path());
        QStringList seen;
        for (std::size_t i = 0; i < spies.size(); ++i)
            for (int n = 0; n < spies[i]->count(); ++n)
                seen << kKinds[i];
        QVERIFY2(seen == QStringList{c.Kind},
                 qPrintable(QStringLiteral("%1: %2").arg(c.Name, seen.join(", "))));
    }
}

// A change that changes nothing and a file that cannot be read send nothing.
void DocumentTest::nothingDoneNothingRefreshed() {
    TWindowFixture f;
    QSignalSpy replaced(&f.window->Document(), &TFontDocument::fontReplaced);
    QSignalSpy values(&f.window->Document(), &TFontDocument::valuesChanged);
    QSignalSpy glyph(&f.window->Document(), &TFontDocument::glyphChanged);
    QSignalSpy file(&f.window->Document(), &TFontDocument::fileStateChanged);
    TypeInto(f.Find<QSpinBox>("CharWidthEdit"), QString::number(f.Font().GetCurrent()->Width()));
    const QString bad = f.dir.filePath("bad.fzx");
    {
        QFile out(bad);
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write("not a font");
    }
    TModalScript script({Click(QMessageBox::Ok)});
    f.window->OpenFont(bad);
    QCOMPARE(script.Seen().size(), 1);
    QCOMPARE(replaced.count() + values.count() + glyph.count() + file.count(), 0);
    QVERIFY(f.window->Document().FileName().isEmpty());
}

QTEST_MAIN(DocumentTest)
#include "document_test.moc"
