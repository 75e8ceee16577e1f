// Settings of the real window: read at the first activation, written when
// the window really closes, each test with its own settings file.

#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QLineEdit>
#include <QRegularExpression>
#include <QSettings>
#include <QSpinBox>
#include <QtTest>

#include "dialogs/previewdialog.h"
#include "platform/safesettings.h"
#include "shell/recentfiles.h"
#include "windowfixture.h"

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/resource.h>
#endif

namespace {

using TValues = QList<QPair<QString, QVariant>>;

// Writes values into the settings key of file, as an earlier run would.
void StoreValues(const QString& file, const TValues& values) {
    QSettings settings(file, QSettings::IniFormat);
    settings.beginGroup(TSafeRegistry::SettingsKey);
    for (const auto& [name, value] : values)
        settings.setValue(name, value);
    settings.endGroup();
    settings.sync();
    QCOMPARE(settings.status(), QSettings::NoError);
}

// The view options and preview settings as one comparable record.
struct TShown {
    bool verticalLimits, previewText, fileSize, charLimits;
    QString charLimitsText;
    bool guideLines;
    QString guideLinesText;
    int zoom;
    QStringList preview;
    int previewZoom;
    bool endless;
    QStringList recent;

    bool operator==(const TShown& o) const {
        return verticalLimits == o.verticalLimits && previewText == o.previewText &&
               fileSize == o.fileSize && charLimits == o.charLimits &&
               charLimitsText == o.charLimitsText && guideLines == o.guideLines &&
               guideLinesText == o.guideLinesText && zoom == o.zoom && preview == o.preview &&
               previewZoom == o.previewZoom && endless == o.endless && recent == o.recent;
    }
};

QStringList Lines(const TStringList& lines) {
    QStringList list;
    for (const std::string& line : lines)
        list << QString::fromLatin1(line.c_str());
    return list;
}

TShown Shown(TWindowFixture& f) {
    TShown s;
    s.verticalLimits = f.Find<QCheckBox>("showverticallimitsCheckBox")->isChecked();
    s.previewText = f.Find<QCheckBox>("ShowPreviewTextCheckBox")->isChecked();
    s.fileSize = f.Find<QCheckBox>("ShowFileSizeCheckBox")->isChecked();
    s.charLimits = f.Find<QCheckBox>("CheckBox1")->isChecked();
    s.charLimitsText = f.Find<QLineEdit>("CharLimitsEdit")->text();
    s.guideLines = f.Find<QCheckBox>("CheckBox2")->isChecked();
    s.guideLinesText = f.Find<QLineEdit>("GuideLinesEdit")->text();
    s.zoom = f.Find<QSpinBox>("ZoomEdit")->value();
    // The canvas follows the editor.
    if (f.window->Zoom() != s.zoom) s.zoom = -f.window->Zoom();
    s.preview = Lines(f.window->PreviewForm()->Lines());
    s.previewZoom = f.window->PreviewForm()->GetPreviewZoom();
    s.endless = f.window->PreviewForm()->GetPreviewEndless();
    for (const std::string& entry : f.window->Document().Recent().Entries())
        s.recent << QString::fromStdString(entry);
    return s;
}

const TShown kDefaults = {true, true, true, true, "0..9, a..z, A..Z, all", false, "8, 16, 24", 8,
                          {},   1,    true, {}};

char* ToString(const TShown& s) {
    QString text;
    QDebug(&text) << s.verticalLimits << s.previewText << s.fileSize << s.charLimits
                  << s.charLimitsText << s.guideLines << s.guideLinesText << s.zoom << s.preview
                  << s.previewZoom << s.endless << s.recent;
    return qstrdup(text.toUtf8().constData());
}

// Moves every option away from its start value, as a user would.
void ChangeEverything(TWindowFixture& f) {
    f.Find<QCheckBox>("showverticallimitsCheckBox")->setChecked(false);
    f.Find<QCheckBox>("ShowPreviewTextCheckBox")->setChecked(false);
    f.Find<QCheckBox>("ShowFileSizeCheckBox")->setChecked(false);
    f.Find<QLineEdit>("CharLimitsEdit")->setText("a..f");
    f.Find<QCheckBox>("CheckBox2")->setChecked(true);
    f.Find<QLineEdit>("GuideLinesEdit")->setText("4, 12");
    f.Find<QSpinBox>("ZoomEdit")->setValue(13);
    f.window->PreviewForm()->SetPreviewText("one\rtw\xe9\rthree");
    f.window->PreviewForm()->SetPreviewZoom(3);
    f.window->PreviewForm()->SetPreviewEndless(false);
}

QString Stored(const QString& file, const QString& name) {
    return QSettings(file, QSettings::IniFormat).value(name).toString();
}

// A process-wide file size limit, lifted again on destruction; writes that
// would grow a file beyond it fail even for root.
struct TFileSizeLimit {
#ifdef Q_OS_UNIX
    rlimit old{};
    explicit TFileSizeLimit(rlim_t bytes) {
        std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &old);
        rlimit limit = old;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~TFileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &old);
    }
#endif
};

} // namespace

namespace QTest {
template <> char* toString(const TShown& s) {
    return ToString(s);
}
} // namespace QTest

class SettingsTest : public QObject {
    Q_OBJECT
  private slots:
    void missingKeyKeepsStartValuesEmptyKeyGivesDefaults();
    void roundTripThroughCloseAndNewWindow();
    void storedValuesAreCorrected();
    void recentEntriesAsStored();
    void previewTextLines();
    void unwritableStoreIsSkipped();
    void failedWriteKeepsTheWindowOpen();
};

// Without a settings key the controls keep what they hold; with the key,
// every missing value takes its default.
void SettingsTest::missingKeyKeepsStartValuesEmptyKeyGivesDefaults() {
    for (const bool keyExists : {false, true}) {
        TWindowFixture f({}, false);
        if (keyExists) StoreValues(f.dir.filePath("settings.ini"), {{"Unrelated", 1}});
        QCOMPARE(Shown(f), kDefaults);
        ChangeEverything(f);
        const TShown changed = Shown(f);
        f.Show();
        QCOMPARE(Shown(f), keyExists ? kDefaults : changed);
    }
}

void SettingsTest::roundTripThroughCloseAndNewWindow() {
    TWindowFixture f;
    const QString file = f.dir.filePath("settings.ini");
    const QString a = f.dir.filePath("a.fzx"), b = f.dir.filePath("b.fzx");
    for (const QString& p : {a, b}) {
        TFZXFont font;
        font.SetLastChar(40);
        QCOMPARE(font.SaveFZX(p.toStdString()), std::string());
        f.window->OpenFont(p);
    }
    ChangeEverything(f);
    const TShown before = Shown(f);
    QCOMPARE(before.preview, QStringList({"one", "tw\u00e9", "three"}));
    QVERIFY(f.window->close());

    // Types as the store keeps them: booleans as 0/1, the preview lines
    // joined by carriage returns, the recent list most recent first.
    QCOMPARE(Stored(file, "Settings/ShowVerticalLimits"), QString("0"));
    QCOMPARE(Stored(file, "Settings/ShowGuideLines"), QString("1"));
    QCOMPARE(Stored(file, "Settings/ZoomFactor"), QString("13"));
    QCOMPARE(Stored(file, "Settings/PreviewText"), QString("one\rtw\u00e9\rthree"));
    QCOMPARE(Stored(file, "Settings/LastUsedFiles"), QString("2"));
    QCOMPARE(Stored(file, "Settings/LastUsedFile1"), b);
    QCOMPARE(Stored(file, "Path"), QCoreApplication::applicationFilePath());

    TWindowFixture g({}, false);
    g.window->SetSettingsFile(file);
    g.Show();
    QCOMPARE(Shown(g), before);
    // The two text fields follow their check boxes.
    QVERIFY(!g.Find<QLineEdit>("CharLimitsEdit")->isEnabled());
    QVERIFY(g.Find<QLineEdit>("GuideLinesEdit")->isEnabled());
}

// Values out of range or of the wrong type.
void SettingsTest::storedValuesAreCorrected() {
    const struct {
        const char* name;
        TValues values;
        void (*adjust)(TShown&);
    } cases[] = {
        {"zoom above range", {{"ZoomFactor", 200}}, [](TShown& s) { s.zoom = 80; }},
        {"zoom as text", {{"ZoomFactor", "big"}}, [](TShown&) {}},
        {"boolean as text", {{"ShowFileSize", "no"}}, [](TShown&) {}},
        {"preview zoom out of range", {{"PreviewTextZoom", 7}}, [](TShown&) {}},
        {"preview zoom", {{"PreviewTextZoom", 4}}, [](TShown& s) { s.previewZoom = 4; }},
        // Ticking the guide lines unticks the char limits read before.
        {"both limit options",
         {{"ShowCharLimits", 1}, {"ShowGuideLines", 1}},
         [](TShown& s) {
             s.charLimits = false;
             s.guideLines = true;
         }},
    };
    for (const auto& c : cases) {
        TWindowFixture f({}, false);
        StoreValues(f.dir.filePath("settings.ini"), c.values);
        f.Show();
        TShown expected = kDefaults;
        c.adjust(expected);
        QVERIFY2(Shown(f) == expected, c.name);
    }
}

void SettingsTest::recentEntriesAsStored() {
    const auto entries = [](int count, QList<int> skipped) {
        TValues values = {{"LastUsedFiles", count}};
        for (int i = 1; i <= 15; ++i)
            if (!skipped.contains(i))
                values.append(
                    {QStringLiteral("LastUsedFile%1").arg(i), QStringLiteral("F%1").arg(i)});
        return values;
    };
    const struct {
        const char* name;
        TValues values;
        QStringList recent;
    } cases[] = {
        {"second missing", entries(3, {2}), {"F1", "F3"}},
        {"more than ten",
         entries(15, {}),
         {"F1", "F2", "F3", "F4", "F5", "F6", "F7", "F8", "F9", "F10"}},
        {"count bounds the reading", entries(0, {}), {}},
    };
    for (const auto& c : cases) {
        TWindowFixture f({}, false);
        StoreValues(f.dir.filePath("settings.ini"), c.values);
        f.Show();
        QVERIFY2(Shown(f).recent == c.recent, c.name);
    }

    // A cleared list is stored as count 0 and stays empty in the next run,
    // although the old entries are still in the store.
    TWindowFixture f({}, false);
    const QString file = f.dir.filePath("settings.ini");
    StoreValues(file, entries(3, {}));
    f.Show();
    f.window->Document().Recent().Clear();
    QVERIFY(f.window->close());
    QCOMPARE(Stored(file, "Settings/LastUsedFiles"), QString("0"));
    QCOMPARE(Stored(file, "Settings/LastUsedFile1"), QString("F1"));
    TWindowFixture g({}, false);
    g.window->SetSettingsFile(file);
    g.Show();
    QVERIFY(g.window->Document().Recent().Empty());
}

// A final empty line is dropped; lines are joined by carriage returns.
void SettingsTest::previewTextLines() {
    TWindowFixture f({}, false);
    const QString file = f.dir.filePath("settings.ini");
    StoreValues(file, {{"PreviewText", "Hello\rWorld\r"}});
    f.Show();
    QCOMPARE(Shown(f).preview, QStringList({"Hello", "World"}));
    QVERIFY(f.window->close());
    QCOMPARE(Stored(file, "Settings/PreviewText"), QString("Hello\rWorld"));
}

// A store that cannot be opened for writing is skipped without a message.
void SettingsTest::unwritableStoreIsSkipped() {
    TWindowFixture f({}, false);
    QVERIFY(QDir().mkpath(f.dir.filePath("settings.ini")));
    f.Show();
    QCOMPARE(Shown(f), kDefaults);
    TModalScript script;
    QVERIFY(f.window->close());
    QCOMPARE(script.Seen(), QStringList());
}

// A value that cannot be written: error box, the window stays open, and a
// later close stores everything. A file size limit of 0 makes every write
// fail, even for root. (A limit above 0 is no use here: the toolkit then
// writes the file cut short and reports success.)
void SettingsTest::failedWriteKeepsTheWindowOpen() {
#ifndef Q_OS_UNIX
    QSKIP("needs a file size limit");
#else
    TWindowFixture f;
    const QString file = f.dir.filePath("settings.ini");
    f.Find<QSpinBox>("ZoomEdit")->setValue(20);
    QStringList seen;
    {
        TFileSizeLimit limit(0);
        TModalScript script({Click(QMessageBox::Ok)});
        const bool closed = f.window->close();
        seen = script.Seen();
        QVERIFY(!closed);
    }
    QCOMPARE(seen, QStringList{"Failed to set data for 'Path'"});
    QVERIFY(f.window->isVisible());
    QVERIFY(!QFile::exists(file) || QFileInfo(file).size() == 0);
    // The preview dialog still reports to the window.
    f.window->PreviewForm()->SetPreviewZoom(2);
    QCOMPARE(f.Find<QWidget>("PreviewTextPanel")->minimumHeight(), 8 * 2);

    QVERIFY(f.window->close());
    QCOMPARE(Stored(file, "Settings/ZoomFactor"), QString("20"));
    QCOMPARE(Stored(file, "Settings/PreviewTextZoom"), QString("2"));
#endif
}

QTEST_MAIN(SettingsTest)
#include "settings_test.moc"
