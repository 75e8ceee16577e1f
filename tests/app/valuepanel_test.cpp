// The value panel alone: showing the font's values never reports them back as
// entries, and each group of editors is on only when the font has its values.

#include <QSignalSpy>
#include <QSpinBox>
#include <QtTest>
#include <vector>

#include "model/font.h"
#include "panels/valuepanel.h"

namespace {

struct TSpies {
    std::vector<std::unique_ptr<QSignalSpy>> All;
    explicit TSpies(TValuePanel& panel) {
        for (auto signal : {&TValuePanel::heightEntered, &TValuePanel::trackingEntered,
                            &TValuePanel::lastCharEntered, &TValuePanel::widthEntered,
                            &TValuePanel::kernEntered, &TValuePanel::zoomEntered})
            All.push_back(std::make_unique<QSignalSpy>(&panel, signal));
    }
    int Reports() const {
        int n = 0;
        for (const auto& spy : All)
            n += int(spy->count());
        return n;
    }
};

int Shown(TValuePanel& panel, const char* name) {
    return panel.findChild<QSpinBox*>(QString::fromUtf8(name))->value();
}

bool Enabled(TValuePanel& panel, const char* name) {
    return panel.findChild<QSpinBox*>(QString::fromUtf8(name))->isEnabled();
}

} // namespace

class ValuePanelTest : public QObject {
    Q_OBJECT
  private slots:
    void showingNeverReports();
    void editorsFollowWhatTheFontHas();
};

void ValuePanelTest::showingNeverReports() {
    TValuePanel panel(8);
    TSpies spies(panel);
    // Values beyond the editors' limits, as a font read from a file may hold.
    TFZXFont font;
    font.SetLastChar(40);
    font.SetHeight(200);
    font.SetTracking(20);
    font.Glyph(2).SetAll("1", 0, 5, 3);
    font.SetCurrent(2);

    QVERIFY(panel.ShowFont(font));
    panel.ShowZoom(80);
    // A command confirms pending entries first; nothing was typed.
    panel.CommitTyped();
    QCOMPARE(spies.Reports(), 0);
    QCOMPARE(Shown(panel, "BaseLineEdit"), 200);
    QCOMPARE(Shown(panel, "TrackingEdit"), 20);
    QCOMPARE(Shown(panel, "LastCharEdit"), 40);
    QCOMPARE(Shown(panel, "CharWidthEdit"), 5);
    QCOMPARE(Shown(panel, "KernEdit"), 3);
    QCOMPARE(Shown(panel, "ZoomEdit"), 80);

    // The body height shown changes only when the font's does.
    QVERIFY(!panel.ShowFont(font));
    font.SetHeight(12);
    QVERIFY(panel.ShowFont(font));
    QCOMPARE(spies.Reports(), 0);

    // An entry by the user is reported, clamped to the editor's limits.
    QSignalSpy height(&panel, &TValuePanel::heightEntered);
    panel.findChild<QSpinBox*>("BaseLineEdit")->setValue(300);
    QCOMPARE(height.count(), 1);
    QCOMPARE(height.first().first().toInt(), 192);
}

void ValuePanelTest::editorsFollowWhatTheFontHas() {
    const struct {
        const char* name;
        bool glyphs, current;
    } cases[] = {
        {"no characters", false, false},
        {"no current character", true, false},
        {"current character", true, true},
    };
    for (const auto& c : cases) {
        TValuePanel panel(8);
        TFZXFont font;
        if (c.glyphs) font.SetLastChar(33);
        if (c.current) font.SetCurrent(1);
        panel.ShowFont(font);
        for (const char* name : {"BaseLineEdit", "TrackingEdit", "LastCharEdit"})
            QVERIFY2(Enabled(panel, name) == c.glyphs, c.name);
        for (const char* name : {"CharWidthEdit", "KernEdit"})
            QVERIFY2(Enabled(panel, name) == c.current, c.name);
        QVERIFY2(Enabled(panel, "ZoomEdit"), c.name);
    }
}

QTEST_MAIN(ValuePanelTest)
#include "valuepanel_test.moc"
