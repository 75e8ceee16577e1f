// The settings accessor against test-owned files, never the user's store.

#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>
#include <climits>

#include "platform/safesettings.h"
#include "shell/recentfiles.h"

namespace {

// A backend that keeps each value's type, as the registry and property lists
// do, unlike INI files.
bool ReadTyped(QIODevice& device, QSettings::SettingsMap& map) {
    QDataStream in(&device);
    in >> map;
    return in.status() == QDataStream::Ok;
}

bool WriteTyped(QIODevice& device, const QSettings::SettingsMap& map) {
    QDataStream out(&device);
    out << map;
    return out.status() == QDataStream::Ok;
}

void WriteText(const QString& fileName, const QByteArray& text) {
    QFile file(fileName);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(text);
}

} // namespace

class SafeSettingsTest : public QObject {
    Q_OBJECT

  private slots:
    void init() {
        QVERIFY(FDir.isValid());
        FFile = FDir.filePath(QStringLiteral("quorrel-%1.ini").arg(++FCount));
    }

    void roundTripOfEveryTypeThroughAFreshReader() {
        const QString texts[] = {
            QString(), QStringLiteral("0..9, a..z, A..Z, all"), QStringLiteral("line 1\rline 2\r"),
            QStringLiteral("@odd; \"quoted\" = x"), QStringLiteral("caf\u00E9 \u20AC")};
        {
            TSafeRegistry registry(FFile);
            QVERIFY(registry.OpenKey(QString(), true));
            registry.WriteString(QStringLiteral("Path"), QStringLiteral("/opt/quorrel/quorrel"));
            QVERIFY(registry.OpenKey(TSafeRegistry::SettingsKey, true));
            registry.WriteBool(QStringLiteral("On"), true);
            registry.WriteBool(QStringLiteral("Off"), false);
            registry.WriteInteger(QStringLiteral("Min"), INT_MIN);
            registry.WriteInteger(QStringLiteral("Max"), INT_MAX);
            for (int i = 0; i < 5; ++i)
                registry.WriteString(QStringLiteral("T%1").arg(i), texts[i]);
            registry.CloseKey();
        }
        TSafeRegistry registry(FFile);
        QVERIFY(registry.OpenKeyReadOnly(QString()));
        QCOMPARE(ReadStringDefault(registry, QStringLiteral("Path"), QString()),
                 QStringLiteral("/opt/quorrel/quorrel"));
        QCOMPARE(ReadStringDefault(registry, QStringLiteral("On"), QStringLiteral("none")),
                 QStringLiteral("none")); // settings values are not in the module key
        QVERIFY(registry.OpenKeyReadOnly(TSafeRegistry::SettingsKey));
        QCOMPARE(ReadBoolDefault(registry, QStringLiteral("On"), false), true);
        QCOMPARE(ReadBoolDefault(registry, QStringLiteral("Off"), true), false);
        QCOMPARE(ReadIntegerDefault(registry, QStringLiteral("Min"), 0), INT_MIN);
        QCOMPARE(ReadIntegerDefault(registry, QStringLiteral("Max"), 0), INT_MAX);
        for (int i = 0; i < 5; ++i)
            QCOMPARE(ReadStringDefault(registry, QStringLiteral("T%1").arg(i),
                                       QStringLiteral("default")),
                     texts[i]);
        QCOMPARE(ReadIntegerDefault(registry, QStringLiteral("Missing"), 8), 8);
        QCOMPARE(ReadStringDefault(registry, QStringLiteral("Missing"), QStringLiteral("d")),
                 QStringLiteral("d"));
    }

    // INI files give every value back as text: only whole decimal numbers
    // within 32 bits count as integers.
    void iniTextsThatAreNoWholeNumberReadAsDefault_data() {
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<int>("expected");
        QTest::newRow("number") << QByteArray("200") << 200;
        QTest::newRow("negative") << QByteArray("-3") << -3;
        QTest::newRow("zero") << QByteArray("0") << 0;
        QTest::newRow("word") << QByteArray("abc") << 8;
        QTest::newRow("empty") << QByteArray("") << 8;
        QTest::newRow("fraction") << QByteArray("8.5") << 8;
        QTest::newRow("hex") << QByteArray("0x10") << 8;
        QTest::newRow("plus") << QByteArray("+5") << 8;
        QTest::newRow("quoted blank") << QByteArray("\" 5\"") << 8;
        QTest::newRow("beyond 32 bits") << QByteArray("4294967296") << 8;
        QTest::newRow("list") << QByteArray("1, 2") << 8;
        QTest::newRow("only minus") << QByteArray("-") << 8;
    }
    void iniTextsThatAreNoWholeNumberReadAsDefault() {
        QFETCH(QByteArray, stored);
        QFETCH(int, expected);
        WriteText(FFile, "[Settings]\nZoomFactor=" + stored + "\n");
        TSafeRegistry registry(FFile);
        QVERIFY(registry.OpenKeyReadOnly(TSafeRegistry::SettingsKey));
        QCOMPARE(ReadIntegerDefault(registry, QStringLiteral("ZoomFactor"), 8), expected);
        QCOMPARE(ReadBoolDefault(registry, QStringLiteral("ZoomFactor"), true), expected != 0);
    }

    void textWrittenWhereANumberBelongsReadsAsDefault() {
        TSafeRegistry registry(FFile);
        QVERIFY(registry.OpenKey(TSafeRegistry::SettingsKey, true));
        registry.WriteString(QStringLiteral("ZoomFactor"), QStringLiteral("abc"));
        QCOMPARE(ReadIntegerDefault(registry, QStringLiteral("ZoomFactor"), 8), 8);
        QCOMPARE(ReadBoolDefault(registry, QStringLiteral("ZoomFactor"), false), false);
    }

    void typedBackendRefusesTheOtherType() {
        const QSettings::Format typed =
            QSettings::registerFormat(QStringLiteral("typed"), ReadTyped, WriteTyped);
        const QString fileName = FDir.filePath(QStringLiteral("store.typed"));
        {
            QSettings settings(fileName, typed);
            TSafeRegistry registry(&settings);
            QVERIFY(registry.OpenKey(TSafeRegistry::SettingsKey, true));
            registry.WriteInteger(QStringLiteral("ZoomFactor"), 12);
            registry.WriteString(QStringLiteral("Text"), QStringLiteral("abc"));
            registry.WriteString(QStringLiteral("Digits"), QStringLiteral("7"));
            settings.setValue(QStringLiteral("Wide"), qlonglong(1) << 40);
            settings.setValue(QStringLiteral("Dword"), 0xFFFFFFFFu);
            settings.setValue(QStringLiteral("Real"), 2.0);
        }
        QSettings settings(fileName, typed);
        TSafeRegistry registry(&settings);
        QVERIFY(registry.OpenKeyReadOnly(TSafeRegistry::SettingsKey));
        QCOMPARE(registry.Value(QStringLiteral("ZoomFactor")).typeId(), int(QMetaType::Int));
        QCOMPARE(ReadIntegerDefault(registry, QStringLiteral("ZoomFactor"), 8), 12);
        QCOMPARE(ReadStringDefault(registry, QStringLiteral("ZoomFactor"), QStringLiteral("d")),
                 QStringLiteral("d"));
        QCOMPARE(ReadIntegerDefault(registry, QStringLiteral("Text"), 8), 8);
        QCOMPARE(ReadStringDefault(registry, QStringLiteral("Text"), QStringLiteral("d")),
                 QStringLiteral("abc"));
        QCOMPARE(ReadIntegerDefault(registry, QStringLiteral("Digits"), 8), 7);
        QCOMPARE(ReadIntegerDefault(registry, QStringLiteral("Wide"), 8), 8);
        QCOMPARE(ReadIntegerDefault(registry, QStringLiteral("Dword"), 8), -1);
        QCOMPARE(ReadIntegerDefault(registry, QStringLiteral("Real"), 8), 8);
        QCOMPARE(ReadBoolDefault(registry, QStringLiteral("Real"), false), false);
    }

    void missingKeysDoNotOpen() {
        TSafeRegistry none(FFile); // no file at all
        QVERIFY(!none.OpenKeyReadOnly(TSafeRegistry::SettingsKey));
        QVERIFY(!none.OpenKeyReadOnly(QString()));
        QVERIFY(!QFile::exists(FFile));

        WriteText(FFile, "[Other]\nA=1\n");
        TSafeRegistry registry(FFile);
        QVERIFY(!registry.OpenKeyReadOnly(TSafeRegistry::SettingsKey));
        QVERIFY(!registry.OpenKey(TSafeRegistry::SettingsKey, false));
        QVERIFY(registry.OpenKeyReadOnly(QStringLiteral("Other")));
        // With no key open, reads address the module key and find nothing.
        QVERIFY(!registry.OpenKeyReadOnly(QStringLiteral("Settings")));
        QCOMPARE(ReadIntegerDefault(registry, QStringLiteral("A"), 5), 5);
    }

    // Root ignores permission bits, so the failures use a folder where the
    // settings file belongs, which nobody can write as a file.
    void unwritableStoreIsNotOpenedForWriting() {
        QVERIFY(QDir().mkpath(FFile));
        TSafeRegistry registry(FFile);
        QVERIFY(!registry.OpenKey(TSafeRegistry::SettingsKey, true));
        QVERIFY(!registry.OpenKey(QString(), true));
    }

    void failedWriteThrowsWithTheValueName() {
        TSafeRegistry registry(FFile);
        QVERIFY(registry.OpenKey(TSafeRegistry::SettingsKey, true));
        registry.WriteBool(QStringLiteral("ShowGuideLines"), true);
        QVERIFY(QFile::remove(FFile));
        QVERIFY(QDir().mkpath(FFile));
        try {
            registry.WriteInteger(QStringLiteral("ZoomFactor"), 8);
            QFAIL("no exception");
        } catch (const TSettingsError& error) {
            QCOMPARE(QString::fromUtf8(error.what()),
                     QStringLiteral("Failed to set data for 'ZoomFactor'"));
        }
        // Once the store can be written again, the next store goes through.
        QVERIFY(QDir(FFile).removeRecursively());
        TSafeRegistry retry(FFile);
        QVERIFY(retry.OpenKey(TSafeRegistry::SettingsKey, true));
        retry.WriteInteger(QStringLiteral("ZoomFactor"), 9);
        QCOMPARE(ReadIntegerDefault(TSafeRegistry(FFile), QStringLiteral("Settings/ZoomFactor"), 8),
                 9);
    }

    // A damaged file is no write failure: the flush rewrites it whole.
    void malformedFileIsReadInPartAndRepairedByTheStore() {
        WriteText(FFile, "[Settings\nShowGuideLines=1\n\xff\xfe garbage\n");
        {
            TSafeRegistry registry(FFile);
            QVERIFY(registry.OpenKeyReadOnly(TSafeRegistry::SettingsKey));
            QVERIFY(registry.OpenKey(TSafeRegistry::SettingsKey, true));
            registry.WriteInteger(QStringLiteral("ZoomFactor"), 5);
        }
        TSafeRegistry registry(FFile);
        QVERIFY(registry.OpenKeyReadOnly(TSafeRegistry::SettingsKey));
        QCOMPARE(ReadIntegerDefault(registry, QStringLiteral("ZoomFactor"), 8), 5);
    }

    void recentFilesFollowTheStoredCount_data() {
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("second missing")
            << QByteArray("LastUsedFiles=3\nLastUsedFile1=/a\nLastUsedFile3=/c\n")
            << QStringList{"/a", "/c"};
        QTest::newRow("empty entry and entries past the count")
            << QByteArray("LastUsedFiles=2\nLastUsedFile1=\nLastUsedFile2=/b\nLastUsedFile3=/c\n")
            << QStringList{"/b"};
        QTest::newRow("no count") << QByteArray("LastUsedFile1=/a\n") << QStringList{};
        QTest::newRow("count as text")
            << QByteArray("LastUsedFiles=x\nLastUsedFile1=/a\n") << QStringList{};
        QTest::newRow("odd names") << QByteArray("LastUsedFiles=9\nLastUsedFile01=/z\n"
                                                 "LastUsedFile+2=/z\nLastUsedFile2=/b\n")
                                   << QStringList{"/b"};
        // Numbers, not text order; a huge count must not stall the start.
        QByteArray many = "LastUsedFiles=2147483647\n";
        QStringList first10;
        for (int i = 15; i >= 1; --i) {
            many += "LastUsedFile" + QByteArray::number(i) + "=/f" + QByteArray::number(i) + "\n";
            if (i <= 10) first10.prepend(QStringLiteral("/f%1").arg(i));
        }
        QTest::newRow("fifteen keep the first ten") << many << first10;
    }
    void recentFilesFollowTheStoredCount() {
        QFETCH(QByteArray, stored);
        QFETCH(QStringList, expected);
        WriteText(FFile, "[Settings]\n" + stored);
        TSafeRegistry registry(FFile);
        QVERIFY(registry.OpenKeyReadOnly(TSafeRegistry::SettingsKey));
        TRecentFiles recent;
        ReadRecentFiles(registry, recent);
        QStringList read;
        for (const std::string& entry : recent.Entries())
            read << QString::fromStdString(entry);
        QCOMPARE(read, expected);
    }

    void clearedRecentListComesBackEmptyThoughOldEntriesStay() {
        TRecentFiles recent;
        recent.Add("/fonts/\xC3\xA9t\xC3\xA9.fzx", "/");
        recent.Add("/fonts/b.fzx", "/");
        {
            TSafeRegistry registry(FFile);
            QVERIFY(registry.OpenKey(TSafeRegistry::SettingsKey, true));
            WriteRecentFiles(registry, recent);
        }
        TRecentFiles again;
        {
            TSafeRegistry registry(FFile);
            QVERIFY(registry.OpenKeyReadOnly(TSafeRegistry::SettingsKey));
            ReadRecentFiles(registry, again);
        }
        QCOMPARE(again.Entries(), recent.Entries());

        recent.Clear();
        {
            TSafeRegistry registry(FFile);
            QVERIFY(registry.OpenKey(TSafeRegistry::SettingsKey, true));
            WriteRecentFiles(registry, recent);
        }
        TSafeRegistry registry(FFile);
        QVERIFY(registry.OpenKeyReadOnly(TSafeRegistry::SettingsKey));
        QCOMPARE(ReadIntegerDefault(registry, QStringLiteral("LastUsedFiles"), -1), 0);
        QCOMPARE(ReadStringDefault(registry, QStringLiteral("LastUsedFile1"), QString()),
                 QStringLiteral("/fonts/b.fzx"));
        TRecentFiles third;
        ReadRecentFiles(registry, third);
        QVERIFY(third.Empty());
    }

  private:
    QTemporaryDir FDir;
    QString FFile;
    int FCount = 0;
};

QTEST_GUILESS_MAIN(SafeSettingsTest)
#include "safesettings_test.moc"
