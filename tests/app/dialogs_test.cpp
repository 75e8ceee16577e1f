// The preview text dialog with its strip, the scale factor dialog, the copy
// from character box and the about box, driven through their real widgets.

#include <QApplication>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>
#include <QToolButton>
#include <QtTest>
#include <functional>
#include <set>
#include <vector>

#include "dialogs/aboutbox.h"
#include "dialogs/copychardialog.h"
#include "dialogs/previewdialog.h"
#include "dialogs/scalefactordialog.h"
#include "model/font.h"
#include "platform/qtraster.h"
#include "widgets/previewpaintbox.h"

namespace {

// Hands every modal widget that comes up to handler, once each, so code that
// runs exec() can be driven from a test.
class ModalAnswerer {
  public:
    explicit ModalAnswerer(std::function<void(QWidget*)> handler) : FHandler(std::move(handler)) {
        QObject::connect(&FTimer, &QTimer::timeout, [this] {
            QWidget* w = QApplication::activeModalWidget();
            if (!w || FSeen.count(w)) return;
            FSeen.insert(w);
            FHandler(w);
            // A failed check inside the handler must not leave exec() waiting.
            if (auto* dialog = qobject_cast<QDialog*>(w); dialog && dialog->isVisible())
                dialog->reject();
        });
        FTimer.start(10);
    }

  private:
    std::function<void(QWidget*)> FHandler;
    std::set<QWidget*> FSeen;
    QTimer FTimer;
};

// Glyphs of width 8 whose top row spells their code in binary, so a painted
// strip can be read back.
void MakeCodeFont(TFZXFont& font, int lastChar) {
    font.SetHeight(8);
    font.SetLastChar(lastChar);
    for (int code = 32; code <= lastChar; ++code)
        font.Glyph(code - 32).SetAll(ByteToBits(static_cast<std::uint8_t>(code)), 0, 8, 0);
}

// The codes in strip row `row` of a code font at zoom z, up to the first blank
// cell; -1 when any pixel of the row's band is not background (a code of 0
// must mean an empty band).
QList<int> ReadRow(const QImage& image, int row, int zoom, QRgb background) {
    QList<int> codes;
    const int cell = 8 * zoom;
    for (int x0 = 0; x0 + cell <= image.width(); x0 += cell) {
        int code = 0;
        for (int i = 0; i < 8; ++i)
            code = code * 2 + (image.pixel(x0 + i * zoom, row * cell) == qRgb(0, 0, 0));
        if (code == 0) break;
        codes.push_back(code);
    }
    if (codes.isEmpty()) {
        for (int y = row * cell; y < (row + 1) * cell && y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (image.pixel(x, y) != background) return {-1};
    }
    return codes;
}

QList<int> Codes(const char* text) {
    QList<int> codes;
    for (const char* p = text; *p; ++p)
        codes.push_back(static_cast<unsigned char>(*p));
    return codes;
}

struct CallbackLog {
    std::vector<bool> calls;
    void Attach(Ttestpreviewform& dialog) {
        dialog.OnSettingsChanged = [this](Ttestpreviewform&, bool zoomChanged) {
            calls.push_back(zoomChanged);
        };
    }
    std::vector<bool> Take() { return std::exchange(calls, {}); }
};

} // namespace

class DialogsTest : public QObject {
    Q_OBJECT
  private slots:
    void previewDialogStartsAsDescribed();
    void previewTextRoundTrip_data();
    void previewTextRoundTrip();
    void previewSettingsReportEachChangeOnce();
    void stripShowsDialogSettings_data();
    void stripShowsDialogSettings();
    void stripWithoutDialogAndClicks();
    void scaleFactorsClampPersistAndCancel();
    void copyCharAnswers_data();
    void copyCharAnswers();
    void aboutBox();
};

void DialogsTest::previewDialogStartsAsDescribed() {
    Ttestpreviewform dialog;
    QCOMPARE(dialog.objectName(), QString("Ttestpreviewform"));
    QCOMPARE(dialog.windowTitle(), QString("Test font ..."));
    QCOMPARE(dialog.size(), QSize(412, 256));
    QVERIFY(!dialog.OnSettingsChanged);
    QCOMPARE(dialog.GetPreviewZoom(), 1);
    QVERIFY(dialog.GetPreviewEndless());
    QVERIFY(dialog.Lines().empty());
    const char* names[] = {"zoom1", "zoom2", "zoom3", "zoom4", "endlessloopbutton"};
    const char* captions[] = {"1x", "2x", "3x", "4x", "endless loop"};
    for (int i = 0; i < 5; ++i) {
        auto* button = dialog.findChild<QToolButton*>(names[i]);
        QVERIFY2(button, names[i]);
        QCOMPARE(button->text(), QString(captions[i]));
        QVERIFY(button->isCheckable());
    }
    // The hint must show its "<code>" literally, not as markup.
    bool hintFound = false;
    for (QLabel* label : dialog.findChildren<QLabel*>())
        hintFound |=
            label->text().startsWith("Use [<code>] form") && label->textFormat() == Qt::PlainText;
    QVERIFY(hintFound);
}

void DialogsTest::previewTextRoundTrip_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QByteArrayList>("lines");
    QTest::addColumn<QByteArray>("joined");
    QTest::newRow("two lines") << QByteArray("ABC\rDEF") << QByteArrayList{"ABC", "DEF"}
                               << QByteArray("ABC\rDEF");
    QTest::newRow("empty middle line")
        << QByteArray("ABC\r\rDEF") << QByteArrayList{"ABC", "", "DEF"} << QByteArray("ABC\r\rDEF");
    QTest::newRow("trailing break")
        << QByteArray("ABC\r") << QByteArrayList{"ABC"} << QByteArray("ABC");
    QTest::newRow("trailing empty line")
        << QByteArray("ABC\r\r") << QByteArrayList{"ABC", ""} << QByteArray("ABC\r");
    QTest::newRow("one empty line") << QByteArray("\r") << QByteArrayList{""} << QByteArray("");
    QTest::newRow("nothing") << QByteArray("") << QByteArrayList{} << QByteArray("");
    QTest::newRow("escape and latin-1")
        << QByteArray("Hello[127]\r\xe9") << QByteArrayList{"Hello[127]", "\xe9"}
        << QByteArray("Hello[127]\r\xe9");
}

void DialogsTest::previewTextRoundTrip() {
    QFETCH(QByteArray, text);
    QFETCH(QByteArrayList, lines);
    QFETCH(QByteArray, joined);
    Ttestpreviewform dialog;
    dialog.SetPreviewText(text.toStdString());
    TStringList expected;
    for (const QByteArray& line : lines)
        expected.push_back(line.toStdString());
    QCOMPARE(dialog.Lines(), expected);
    QCOMPARE(QByteArray::fromStdString(dialog.GetPreviewText()), joined);
}

void DialogsTest::previewSettingsReportEachChangeOnce() {
    Ttestpreviewform dialog;
    CallbackLog log;
    dialog.SetPreviewText("before"); // unassigned callback: nothing to call
    log.Attach(dialog);

    dialog.SetPreviewText("ABC\rDEF");
    QCOMPARE(log.Take(), std::vector<bool>{false});

    dialog.SetPreviewZoom(3);
    QCOMPARE(log.Take(), std::vector<bool>{true});
    QVERIFY(dialog.zoom3->isChecked() && !dialog.zoom1->isChecked());
    QCOMPARE(dialog.GetPreviewZoom(), 3);

    dialog.SetPreviewZoom(7); // leaves the buttons, still reports
    QCOMPARE(log.Take(), std::vector<bool>{true});
    QCOMPARE(dialog.GetPreviewZoom(), 3);
    dialog.SetPreviewZoom(0);
    QCOMPARE(log.Take(), std::vector<bool>{true});
    QCOMPARE(dialog.GetPreviewZoom(), 3);

    QTest::mouseClick(dialog.zoom2, Qt::LeftButton);
    QCOMPARE(log.Take(), std::vector<bool>{true});
    QCOMPARE(dialog.GetPreviewZoom(), 2);
    QVERIFY(!dialog.zoom3->isChecked());
    QTest::mouseClick(dialog.zoom2, Qt::LeftButton); // stays down, reports again
    QCOMPARE(log.Take(), std::vector<bool>{true});
    QCOMPARE(dialog.GetPreviewZoom(), 2);

    QTest::mouseClick(dialog.endlessloopbutton, Qt::LeftButton);
    QCOMPARE(log.Take(), std::vector<bool>{false});
    QVERIFY(!dialog.GetPreviewEndless());
    dialog.SetPreviewEndless(true);
    QCOMPARE(log.Take(), std::vector<bool>{false});
    QVERIFY(dialog.GetPreviewEndless());

    dialog.PreviewTextEdit->moveCursor(QTextCursor::End);
    QTest::keyClicks(dialog.PreviewTextEdit, "GH");
    QCOMPARE(log.Take(), (std::vector<bool>{false, false}));
    QCOMPARE(dialog.GetPreviewText(), std::string("ABC\rDEFGH"));

    dialog.PreviewTextEdit->setPlainText(QString::fromUtf8("a\u20acb"));
    QCOMPARE(dialog.Lines(), TStringList{"a?b"});
}

void DialogsTest::stripShowsDialogSettings_data() {
    QTest::addColumn<int>("zoom");
    QTest::addColumn<bool>("endless");
    QTest::addColumn<QList<QList<int>>>("rows");
    const QList<int> abc = Codes("ABC"), def = Codes("DEF"), none;
    QTest::newRow("endless") << 1 << true << QList<QList<int>>{abc, def, abc, def, abc};
    QTest::newRow("once") << 1 << false << QList<QList<int>>{abc, def, none, none, none};
    QTest::newRow("zoom 2 once") << 2 << false << QList<QList<int>>{abc, def, none};
}

void DialogsTest::stripShowsDialogSettings() {
    QFETCH(int, zoom);
    QFETCH(bool, endless);
    QFETCH(QList<QList<int>>, rows);
    TFZXFont font;
    MakeCodeFont(font, 127);
    Ttestpreviewform dialog;
    dialog.SetPreviewText("ABC\rDEF");
    dialog.SetPreviewZoom(zoom);
    dialog.SetPreviewEndless(endless);
    TPreviewPaintBox box(font);
    box.SetDialog(&dialog);
    box.resize(64 * zoom, 40);
    const QImage image = box.grab().toImage().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(image.size(), QSize(64 * zoom, 40));
    const QRgb background = box.palette().color(QPalette::Button).rgb();
    for (int r = 0; r < rows.size(); ++r)
        QCOMPARE(ReadRow(image, r, zoom, background), rows[r]);
}

void DialogsTest::stripWithoutDialogAndClicks() {
    TFZXFont font;
    MakeCodeFont(font, 127);
    TPreviewPaintBox box(font);
    QCOMPARE(box.objectName(), QString("PreviewPaintbox"));
    QCOMPARE(box.toolTip(), QString("click to edit preview text settings"));
    box.resize(32, 24);
    const QImage image = box.grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QRgb background = box.palette().color(QPalette::Button).rgb();
    QCOMPARE(ReadRow(image, 0, 1, background), Codes(" !\"#"));
    QCOMPARE(ReadRow(image, 1, 1, background), QList<int>{});

    QSignalSpy clicks(&box, &TPreviewPaintBox::clicked);
    QTest::mouseClick(&box, Qt::LeftButton, {}, QPoint(5, 5));
    QCOMPARE(clicks.count(), 1);
    QTest::mousePress(&box, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseRelease(&box, Qt::LeftButton, {}, QPoint(50, 5)); // let go outside
    QTest::mouseClick(&box, Qt::RightButton, {}, QPoint(5, 5));
    QCOMPARE(clicks.count(), 1);
}

void DialogsTest::scaleFactorsClampPersistAndCancel() {
    TScaleFactorForm form;
    QCOMPARE(form.windowTitle(), QString("Enter scale factors ..."));
    struct Use {
        QString width, height; // typed; empty: leave the field alone
        bool ok;
    };
    const Use uses[] = {{"20", "0.05", true}, {"2", ".5", true}, {"7", "7", false}};
    const double shown[][2] = {{1.0, 1.0}, {10.0, 0.1}, {2.0, 0.5}};
    const double results[][2] = {{10.0, 0.1}, {2.0, 0.5}, {-1, -1}};
    for (int i = 0; i < 3; ++i) {
        double seen[2] = {0, 0};
        ModalAnswerer answer([&](QWidget* w) {
            auto* f = qobject_cast<TScaleFactorForm*>(w);
            QVERIFY(f);
            seen[0] = f->WidthFactorEdit->value();
            seen[1] = f->HeightFactorEdit->value();
            for (auto [edit, text] : {std::pair{f->WidthFactorEdit, uses[i].width},
                                      std::pair{f->HeightFactorEdit, uses[i].height}}) {
                edit->selectAll();
                QTest::keyClicks(edit, text);
                QCOMPARE(edit->text(), text); // typing beyond the limits is not refused
            }
            f->findChild<QPushButton*>(uses[i].ok ? "OKButton" : "CancelButton")->click();
        });
        double w = -1, h = -1;
        QCOMPARE(form.GetScaleFactors(w, h), uses[i].ok);
        QCOMPARE(seen[0], shown[i][0]);
        QCOMPARE(seen[1], shown[i][1]);
        QCOMPARE(w, results[i][0]);
        QCOMPARE(h, results[i][1]);
    }
}

void DialogsTest::copyCharAnswers_data() {
    QTest::addColumn<int>("current");
    QTest::addColumn<QString>("proposed");
    QTest::addColumn<bool>("cancel");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<int>("source"); // -1: refused with the message
    QTest::newRow("letter") << 65 << "A" << false << "B" << 66;
    QTest::newRow("hex") << 65 << "A" << false << "$42" << 66;
    QTest::newRow("digit is a character") << 65 << "A" << false << "5" << 53;
    QTest::newRow("beyond the font") << 32 << "32" << false << "300" << -1;
    QTest::newRow("empty") << 127 << "127" << false << "" << -1;
    QTest::newRow("cancel copies onto itself") << 65 << "A" << true << "" << 65;
}

void DialogsTest::copyCharAnswers() {
    QFETCH(int, current);
    QFETCH(QString, proposed);
    QFETCH(bool, cancel);
    QFETCH(QString, answer);
    QFETCH(int, source);
    TFZXFont font;
    MakeCodeFont(font, 255);
    font.SetCurrent(current - 32);
    font.SetModified(false);
    const int entries = font.UndoList().Count();
    int notes = 0;
    font.OnChange = [&](TFZXFont&) { ++notes; };

    QString shownProposal, message;
    ModalAnswerer answerer([&](QWidget* w) {
        if (auto* input = qobject_cast<QInputDialog*>(w)) {
            QCOMPARE(input->objectName(), QString("CopyCharDialog"));
            QCOMPARE(input->windowTitle(), QString("Copy from another character..."));
            QCOMPARE(input->labelText(),
                     QString("Enter the character or index you want to copy from..."));
            shownProposal = input->textValue();
            if (cancel) return input->reject();
            input->setTextValue(answer);
            input->accept();
        } else if (auto* box = qobject_cast<QMessageBox*>(w)) {
            message = box->text();
            QCOMPARE(box->buttons().size(), 1);
            box->accept();
        }
    });
    CopyCharActionExecute(nullptr, font);

    QCOMPARE(shownProposal, proposed);
    const TFZXChar& glyph = font.Glyph(current - 32);
    if (source < 0) {
        QCOMPARE(message, QString("Invalid input value or index out of range!"));
        QCOMPARE(glyph.Rows(), ByteToBits(static_cast<std::uint8_t>(current)));
        QCOMPARE(font.UndoList().Count(), entries);
        QVERIFY(!font.Modified());
        QCOMPARE(notes, 0);
        return;
    }
    QVERIFY(message.isEmpty());
    QCOMPARE(glyph.Rows(), ByteToBits(static_cast<std::uint8_t>(source)));
    QCOMPARE(font.UndoList().Count(), entries + 1);
    QCOMPARE(font.UndoList().Entry(entries).Action, THistoryKind::CopyCharacter);
    QVERIFY(font.Modified());
    QCOMPARE(notes, 1);
}

void DialogsTest::aboutBox() {
    QString text;
    int buttons = 0;
    ModalAnswerer answerer([&](QWidget* w) {
        auto* box = qobject_cast<QMessageBox*>(w);
        QVERIFY(box);
        text = box->text();
        buttons = int(box->buttons().size());
        box->accept();
    });
    AboutActionExecute(nullptr);
    const QStringList lines = text.split('\n');
    QCOMPARE(lines.size(), 3);
    QCOMPARE(lines[0], QString("Quorrel"));
    QCOMPARE(lines[1], QString("Test release version 0.953"));
    QVERIFY(lines[2].contains("FZX"));
    QCOMPARE(buttons, 1);
}

QTEST_MAIN(DialogsTest)
#include "dialogs_test.moc"
