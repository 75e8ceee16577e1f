// Latency of the real editor window, driven offscreen: refresh after an edit,
// repaints of the canvas and the character list, an all-glyph command, a
// pointer move of a line stroke, start-up to the first painted window, and
// an edit shown on the glyph sheet and on the Spectrum screen.
// Every timed span ends after the event loop has painted what the step
// scheduled; paint events are counted to show that it did.
//
//   quorrel_gui_latency [repetitions [step]]   (default 40, every step)
//
// A step number (1 to 8) runs that step alone, for a profiler.
//
// The offscreen platform gets a 1920 x 1080 screen unless QT_QPA_PLATFORM
// names another platform. `--startup-child` is the process the whole-process
// start-up figure runs: it exits as soon as the canvas has been painted.

#include <QAction>
#include <QApplication>
#include <QDateTime>
#include <QFile>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

#include "benchfonts.h"
#include "mainwindow/mainform.h"
#include "model/updatescope.h"
#include "platform/application.h"
#include "spectrum/spectrumscreendock.h"
#include "spectrum/spectrumscreenview.h"
#include "widgets/chargrid.h"
#include "widgets/editcanvas.h"
#include "widgets/glyphsheet.h"
#include "widgets/previewpaintbox.h"

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

double MsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// Counts paint events per widget, so each row can show what its span painted.
class TPaintCounter : public QObject {
  public:
    void Watch(QWidget* widget) { widget->installEventFilter(this); }
    int Count(const QObject* widget) const {
        auto it = std::find_if(FCounts.begin(), FCounts.end(),
                               [widget](const auto& c) { return c.first == widget; });
        return it == FCounts.end() ? 0 : it->second;
    }
    void Reset() { FCounts.clear(); }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            auto it = std::find_if(FCounts.begin(), FCounts.end(),
                                   [watched](const auto& c) { return c.first == watched; });
            if (it == FCounts.end())
                FCounts.emplace_back(watched, 1);
            else
                ++it->second;
        }
        return false;
    }

  private:
    std::vector<std::pair<QObject*, int>> FCounts;
};

// Runs every posted event, the repaints among them (they are posted at low
// priority to the window), and whatever those post in turn.
void Drain() {
    for (int i = 0; i < 3; ++i)
        QCoreApplication::processEvents(QEventLoop::AllEvents);
}

struct TStats {
    double Min = 0, Median = 0, P90 = 0, Max = 0;
};

TStats Summarise(std::vector<double> samples) {
    TStats s;
    if (samples.empty()) return s;
    std::sort(samples.begin(), samples.end());
    const std::size_t n = samples.size();
    s.Min = samples.front();
    s.Median = n % 2 ? samples[n / 2] : (samples[n / 2 - 1] + samples[n / 2]) / 2;
    s.P90 = samples[std::min(n - 1, (n * 9) / 10)];
    s.Max = samples.back();
    return s;
}

struct TRow {
    std::string Name;
    std::string Painted;
    std::size_t Count;
    TStats Stats;
    double Target; // 0: none
};

std::vector<TRow> Rows;

void Report(const std::string& name, const std::vector<double>& samples, double target,
            const std::string& painted) {
    Rows.push_back({name, painted, samples.size(), Summarise(samples), target});
    const TRow& r = Rows.back();
    std::fprintf(stderr, "  %-52s median %8.2f ms\n", name.c_str(), r.Stats.Median);
}

void PrintTable() {
    std::printf("\n| step | runs | min | median | p90 | max | target | painted per run |\n");
    std::printf("|---|---|---|---|---|---|---|---|\n");
    for (const TRow& r : Rows) {
        char target[32] = "";
        if (r.Target > 0)
            std::snprintf(target, sizeof target, "%g ms %s", r.Target,
                          r.Stats.Median <= r.Target ? "met" : "MISSED");
        std::printf("| %s | %zu | %.2f ms | %.2f ms | %.2f ms | %.2f ms | %s | %s |\n",
                    r.Name.c_str(), r.Count, r.Stats.Min, r.Stats.Median, r.Stats.P90, r.Stats.Max,
                    target, r.Painted.c_str());
    }
}

// The largest font, glyph by glyph, into the window's own font: one
// notification, no history.
void LoadLargestInto(TFZXFont& font, const TFZXFont& source) {
    {
        TFontUpdate update(font);
        font.SetHeight(source.Height());
        font.SetLastChar(source.LastChar());
        for (int i = 0; i < source.Count() && i < font.Count(); ++i)
            font.Glyph(i).Assign(source.Glyph(i));
        font.SetModified(true);
    }
}

// 5000 entries, the history's limit, each a snapshot of a full-size glyph.
void FillHistory(TFZXFont& font) {
    const int limit = font.UndoList().MaxEntries();
    for (int i = 0; i < limit; ++i)
        font.RecordUndoFor(i % 2 ? THistoryKind::KernChanged : THistoryKind::PixelsChanged,
                           i % font.Count(), 0);
}

// Runs the event loop until the widget has had a paint event; false when
// none came within ten seconds.
bool WaitForPaint(const TPaintCounter& counter, const QWidget* widget) {
    const Clock::time_point start = Clock::now();
    while (counter.Count(widget) == 0) {
        if (MsSince(start) > 10000) return false;
        QCoreApplication::processEvents();
    }
    return true;
}

// The first paint of the canvas of a freshly built window; the span runs
// from the constructor through show() and the event loop until that paint
// has ended (including the first activation, which loads the settings).
double StartUpOnce(const QString& settingsFile) {
    const Clock::time_point start = Clock::now();
    auto w = std::make_unique<Tmainform>();
    w->SetSettingsFile(settingsFile);
    TPaintCounter counter;
    counter.Watch(w->EditPaintBox());
    w->show();
    const double ms = WaitForPaint(counter, w->EditPaintBox()) ? MsSince(start) : -1;
    w.reset();
    Drain();
    return ms;
}

int StartUpChild(int argc, char** argv) {
    TQuorrelApplication app(argc, argv);
    QTemporaryDir dir;
    Tmainform w;
    w.SetSettingsFile(dir.filePath("settings.ini"));
    TPaintCounter counter;
    counter.Watch(w.EditPaintBox());
    w.show();
    const bool painted = WaitForPaint(counter, w.EditPaintBox());
    // Tearing down is not part of start-up.
    _exit(painted ? 0 : 1);
}

// Whole processes of this program in --startup-child mode: spawn to exit.
std::vector<double> WholeProcessStartUps(const char* self, int runs) {
    std::vector<double> samples;
    for (int i = 0; i < runs; ++i) {
        char arg0[] = "quorrel_gui_latency";
        char arg1[] = "--startup-child";
        char* args[] = {arg0, arg1, nullptr};
        const Clock::time_point start = Clock::now();
        pid_t pid = 0;
        if (posix_spawn(&pid, self, nullptr, nullptr, args, environ) != 0) break;
        int status = 0;
        waitpid(pid, &status, 0);
        const double ms = MsSince(start);
        if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) break;
        samples.push_back(ms);
    }
    return samples;
}

std::string PaintedText(const TPaintCounter& counter, int runs,
                        const std::vector<std::pair<const char*, QWidget*>>& widgets) {
    std::string text;
    for (const auto& [name, widget] : widgets) {
        char part[64];
        std::snprintf(part, sizeof part, "%s%s %.1f", text.empty() ? "" : ", ", name,
                      double(counter.Count(widget)) / runs);
        text += part;
    }
    return text;
}

void SetUpPlatform(QTemporaryDir& dir) {
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    if (!platform.isEmpty() && platform != "offscreen") return;
    const QString config = dir.filePath("screen.json");
    QFile file(config);
    if (!file.open(QIODevice::WriteOnly)) return;
    file.write(R"({"screens": [{"name": "bench", "x": 0, "y": 0, "width": 1920, "height": 1080,
                   "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
    file.close();
    qputenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + config).toLocal8Bit());
}

// The window every step but start-up works on: 1920 x 1080, the largest
// font, a full history, zoom 80, the first glyph current.
struct TBench {
    Tmainform& W;
    TFZXFont& Font;
    const TFZXFont& Largest;
    int Runs;
    TEditPaintBox* Canvas;
    QWidget* List;
    QWidget* Strip;
    TPaintCounter Counter;
    std::vector<std::pair<const char*, QWidget*>> All;

    TBench(Tmainform& w, const TFZXFont& largest, int runs)
        : W(w), Font(w.Font()), Largest(largest), Runs(runs), Canvas(w.EditPaintBox()),
          List(w.CharList()->viewport()),
          Strip(w.findChild<TPreviewPaintBox*>()), All{{"canvas", Canvas},
                                                       {"list", List},
                                                       {"strip", Strip}} {
        for (const auto& entry : All)
            Counter.Watch(entry.second);
    }

    // An edit of the current glyph: its kern toggled, recorded in the full
    // history; the font's notification runs UpdateControls.
    void Edit() {
        std::vector<double> total, call;
        Counter.Reset();
        for (int i = 0; i < Runs; ++i) {
            const int kern = Font.GetCurrent()->Kern() ? 0 : 1;
            const Clock::time_point start = Clock::now();
            Font.SetCurrentKern(kern);
            call.push_back(MsSince(start));
            Drain();
            total.push_back(MsSince(start));
        }
        Report("1. edit (kern toggle) to end of repaints", total, 8,
               PaintedText(Counter, Runs, All));
        Report("1a. of which the edit call with UpdateControls", call, 0, "");
    }

    // repaint() paints synchronously, clipped to the visible part.
    void Repaint(const char* name, QWidget* widget, QSize painted) {
        std::vector<double> samples;
        for (int i = 0; i < Runs; ++i) {
            const Clock::time_point start = Clock::now();
            widget->repaint();
            samples.push_back(MsSince(start));
        }
        if (painted.isEmpty()) painted = widget->visibleRegion().boundingRect().size();
        Report(name, samples, 8,
               std::to_string(painted.width()) + " x " + std::to_string(painted.height()) + " px");
    }

    // Bold on every glyph from its action; the font is put back between
    // runs (untimed), so every run bolds the same glyphs.
    void AllGlyphCommand() {
        std::vector<double> total, call;
        int paints[3] = {0, 0, 0};
        for (int i = 0; i < Runs; ++i) {
            Counter.Reset();
            const Clock::time_point start = Clock::now();
            W.Action("BoldAllAction")->trigger();
            call.push_back(MsSince(start));
            Drain();
            total.push_back(MsSince(start));
            for (int k = 0; k < 3; ++k)
                paints[k] += Counter.Count(All[k].second);
            LoadLargestInto(Font, Largest);
            Drain();
        }
        char painted[96];
        std::snprintf(painted, sizeof painted, "canvas %.1f, list %.1f, strip %.1f",
                      double(paints[0]) / Runs, double(paints[1]) / Runs, double(paints[2]) / Runs);
        Report("4. BoldAllAction to end of repaints", total, 50, painted);
        Report("4a. of which the action (command and UpdateControls)", call, 0, "");
    }

    // A line stroke from glyph pixel (0, 0); each move goes to another end.
    void PointerMoves() {
        W.Action("LineAction")->trigger();
        Drain();
        const TRect a = Canvas->GlyphArea();
        const int z = W.Zoom();
        const auto at = [&](int column, int row) {
            return QPoint(a.Left + column * z + z / 2, a.Top + row * z + z / 2);
        };
        QTest::mousePress(Canvas, Qt::LeftButton, Qt::NoModifier, at(0, 0));
        Drain();
        std::vector<double> samples;
        Counter.Reset();
        for (int i = 0; i < Runs; ++i) {
            const QPoint to = i % 2 ? at(12, 9) : at(9, 4 + i % 5);
            const Clock::time_point start = Clock::now();
            QTest::mouseMove(Canvas, to);
            Drain();
            samples.push_back(MsSince(start));
        }
        const std::string painted = PaintedText(Counter, Runs, All);
        QTest::mouseRelease(Canvas, Qt::LeftButton, Qt::NoModifier, at(12, 9));
        Drain();
        Report("6. line stroke pointer move to end of repaints", samples, 8, painted);
    }

    // The glyph sheet shown beside everything else: an edit of the current
    // glyph repaints its one cell (and the canvas, list and strip).
    void GlyphSheetEdit() {
        W.Action("ShowGlyphSheetAction")->setChecked(true);
        Drain();
        TGlyphSheet* sheet = W.GlyphSheet();
        Counter.Watch(sheet);
        std::vector<double> total, own;
        Counter.Reset();
        for (int i = 0; i < Runs; ++i) {
            const int kern = Font.GetCurrent()->Kern() ? 0 : 1;
            const Clock::time_point start = Clock::now();
            Font.SetCurrentKern(kern);
            Drain();
            total.push_back(MsSince(start));
        }
        auto watched = All;
        watched.emplace_back("sheet", sheet);
        const std::string painted = PaintedText(Counter, Runs, watched);
        // The sheet's own share: finding the stale cell and painting it.
        const QRect cell = sheet->CellRect(Font.CurrentIndex() + 32);
        for (int i = 0; i < Runs; ++i) {
            {
                TFontUpdate update(Font, false);
                Font.GetCurrent()->SetKern(Font.GetCurrent()->Kern() ? 0 : 1);
            }
            const Clock::time_point start = Clock::now();
            sheet->Refresh();
            sheet->repaint(cell);
            own.push_back(MsSince(start));
        }
        Report("7. edit with the glyph sheet shown, to end of repaints", total, 0, painted);
        Report("7a. glyph sheet after an edit: stale cell found and repainted", own, 8,
               std::to_string(cell.width()) + " x " + std::to_string(cell.height()) + " px");
        W.Action("ShowGlyphSheetAction")->setChecked(false);
        Drain();
    }

    // The Spectrum screen shown: the edited glyph (code 32, the first the
    // preview's code sequence sets, at the top left) is set again on it.
    void SpectrumScreenEdit() {
        W.Action("ShowSpectrumScreenAction")->setChecked(true);
        Drain();
        TSpectrumScreenDock* dock = W.SpectrumScreenDock();
        TSpectrumScreenView* screen = dock->View();
        Counter.Watch(screen);
        std::vector<double> total, own;
        Counter.Reset();
        for (int i = 0; i < Runs; ++i) {
            const int kern = Font.GetCurrent()->Kern() ? 0 : 1;
            const Clock::time_point start = Clock::now();
            Font.SetCurrentKern(kern);
            Drain();
            total.push_back(MsSince(start));
        }
        auto watched = All;
        watched.emplace_back("screen", screen);
        const std::string painted = PaintedText(Counter, Runs, watched);
        // The screen's own share: text set into screen memory, the picture
        // made and painted.
        for (int i = 0; i < Runs; ++i) {
            {
                TFontUpdate quiet(Font, false);
                Font.GetCurrent()->SetKern(Font.GetCurrent()->Kern() ? 0 : 1);
            }
            const Clock::time_point start = Clock::now();
            dock->Refresh();
            screen->repaint();
            own.push_back(MsSince(start));
        }
        Report("8. edit with the Spectrum screen shown, to end of repaints", total, 0, painted);
        Report("8a. Spectrum screen after an edit: set again and repainted", own, 8,
               std::to_string(screen->width()) + " x " + std::to_string(screen->height()) + " px");
        W.Action("ShowSpectrumScreenAction")->setChecked(false);
        Drain();
    }
};

void QuietMessages(QtMsgType type, const QMessageLogContext&, const QString& text) {
    // The offscreen platform's notes say nothing about the window.
    if (type == QtDebugMsg || text.contains("propagateSizeHints") ||
        text.contains("XDG_RUNTIME_DIR"))
        return;
    std::fprintf(stderr, "%s\n", qPrintable(text));
}

} // namespace

int main(int argc, char** argv) {
    qInstallMessageHandler(QuietMessages);
    QTemporaryDir platformDir;
    SetUpPlatform(platformDir);
    if (argc > 1 && std::string(argv[1]) == "--startup-child") return StartUpChild(argc, argv);
    const int runs = argc > 1 ? std::max(5, std::atoi(argv[1])) : 40;
    const int only = argc > 2 ? std::atoi(argv[2]) : 0;
    const auto wanted = [only](int step) { return only == 0 || only == step; };

    const Clock::time_point appStart = Clock::now();
    TQuorrelApplication app(argc, argv);
    const double appMs = MsSince(appStart);
    QTemporaryDir dir;

    // Start-up first: the first window of a process is the cold case.
    std::vector<double> startUps;
    if (wanted(5))
        for (int i = 0; i < runs; ++i) {
            startUps.push_back(StartUpOnce(dir.filePath("start.ini")));
            if (startUps.back() < 0) {
                std::fprintf(stderr, "a new window was never painted\n");
                return 1;
            }
        }

    Tmainform w;
    w.SetSettingsFile(dir.filePath("settings.ini"));
    w.show();
    QTest::qWait(50); // the first activation
    w.resize(1920, 1080);
    Drain();
    const std::unique_ptr<TFZXFont> largest = MakeLargestFont();
    TFZXFont& font = w.Font();
    LoadLargestInto(font, *largest);
    font.SetCurrent(0);
    w.CharList()->SelectRow(1);
    FillHistory(font);
    w.SetZoom(80);
    w.UpdateControls();
    Drain();

    TBench bench(w, *largest, runs);
    const QWidget* viewport = bench.Canvas->parentWidget();
    std::printf("window %d x %d, canvas viewport %d x %d, glyph %d x %d at zoom %d, history %d "
                "entries\n",
                w.width(), w.height(), viewport->width(), viewport->height(),
                font.GetCurrent()->Width(), font.Height(), w.Zoom(), font.UndoList().Count());

    if (wanted(1)) bench.Edit();
    if (wanted(2))
        bench.Repaint("2. canvas repaint(), zoom 80, 256 x 192 glyph", bench.Canvas,
                      bench.Canvas->LastPaintedRasterSize());
    if (wanted(3)) bench.Repaint("3. list viewport repaint()", bench.List, QSize());
    if (wanted(4)) bench.AllGlyphCommand();
    if (wanted(6)) bench.PointerMoves();
    if (wanted(7)) bench.GlyphSheetEdit();
    if (wanted(8)) bench.SpectrumScreenEdit();
    if (wanted(5)) {
        Report("5. start-up to first canvas paint, first window", {startUps.front()}, 300, "");
        startUps.erase(startUps.begin());
        Report("5a. start-up to first canvas paint, later windows", startUps, 300, "");
        const std::vector<double> processes = WholeProcessStartUps("/proc/self/exe", runs / 2);
        if (!processes.empty())
            Report("5b. whole process: spawn to first canvas paint", processes, 300, "");
    }

    std::printf("%s, Qt %s, %s, %d cores, QApplication %.1f ms\n",
                qPrintable(QDateTime::currentDateTime().toString(Qt::ISODate)), qVersion(),
                qPrintable(QSysInfo::prettyProductName()), QThread::idealThreadCount(), appMs);
    PrintTable();
    return 0;
}
