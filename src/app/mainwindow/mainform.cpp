// Creation, first activation, close and destruction of the main window.

#include "mainwindow/mainform.h"

#include <QAction>
#include <QCloseEvent>
#include <QDockWidget>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QMimeData>
#include <QScreen>
#include <QTimer>
#include <QUrl>

#include "dialogs/previewdialog.h"
#include "dialogs/scalefactordialog.h"
#include "drawing/charranges.h"
#include "icons/appicon.h"
#include "mainwindow/spectrumcommands.h"
#include "panels/valuepanel.h"
#include "platform/application.h"
#include "platform/filepath.h"
#include "platform/fonttext.h"
#include "render/textlayout.h"
#include "spectrum/spectrumscreendock.h"
#include "tools/toolcontroller.h"
#include "widgets/chargrid.h"
#include "widgets/glyphsheet.h"
#include "widgets/previewpaintbox.h"

namespace {
std::vector<std::string> PathArguments(const QStringList& arguments) {
    std::vector<std::string> out;
    for (const QString& a : arguments)
        out.push_back(ToPath(a));
    return out;
}
} // namespace

Tmainform::Tmainform(const QStringList& arguments, QWidget* parent)
    : Tmainform(PathArguments(arguments), parent) {}

Tmainform::Tmainform(const std::vector<std::string>& arguments, QWidget* parent)
    : QMainWindow(parent), FDocument(std::make_unique<TFontDocument>()), FFont(&FDocument->Font()),
      FArguments(arguments) {
    setObjectName("Tmainform");
    setWindowTitle(QStringLiteral("Quorrel v.0.9"));
    setWindowIcon(AppIcon());
    setFont(InterfaceFont());
    setAcceptDrops(true);
    setDockOptions(QMainWindow::AnimatedDocks | QMainWindow::AllowTabbedDocks);

    // The two dialogs live as long as the window, hidden until asked for.
    FPreviewForm = new Ttestpreviewform(this);
    FScaleForm = new TScaleFactorForm(this);

    CreateActions();
    CreateMenus();
    CreateToolBars();
    CreateCentre();
    CreateStatusBar();
    CreateGlyphSheetDock();
    FSpectrumDock =
        new TSpectrumScreenDock(*this, *FFont, Action("ShowSpectrumScreenAction"),
                                [this] { return SampleCodes(*FFont, FPreviewForm->Lines()); });
    CreateComfort();
    WatchDocks();

    // Every change of the font refreshes the window once, whatever its kind;
    // the docked views follow the document themselves.
    FFirstActivation = true;
    for (void (TFontDocument::*changed)() :
         {&TFontDocument::fontReplaced, &TFontDocument::valuesChanged, &TFontDocument::glyphChanged,
          &TFontDocument::fileStateChanged}) {
        connect(FDocument.get(), changed, this, &Tmainform::UpdateControls);
        connect(FDocument.get(), changed, FSheet, &TGlyphSheet::Refresh);
        connect(FDocument.get(), changed, FSpectrumDock, &TSpectrumScreenDock::Refresh);
    }
    FFont->OnGetScaleFactors = [this](double& w, double& h) {
        return FScaleForm->GetScaleFactors(w, h);
    };
    FFont->OnMessage = [this](const std::string& text) { ShowMessage(text); };
    FFont->UndoList().OnUndoRedo = [this](std::uint8_t kind, int steps) {
        UndoRedoSteps(kind, steps);
    };
    FView.CharRanges = ParseCharRanges(ToFontText(FValuePanel->CharLimitsText()));
    FPreviewPaintbox->SetDialog(FPreviewForm);
    FToolController = new TToolController(
        *FFont, FView, *FEditPaintBox, FClipboardBitmap,
        [this](const QString& name) { return Action(name); }, this);

    ConnectCommands();
    ConnectEditors();
    ConnectFileCommands();
    new TSpectrumCommands(*this);
    ConnectImportCommands();
    ConnectFindCommands();
    NewFont();
    JoinClipboardWatch();

    resize(656, 446);
    if (const QScreen* screen = this->screen()) {
        const QRect area = screen->availableGeometry();
        move(area.center() - rect().center());
    }
}

Tmainform::~Tmainform() {
    // The document goes before the widgets that listen to it, and the
    // callbacks point into this window.
    FDocument->disconnect();
    FFont->OnMessage = nullptr;
    FFont->OnGetScaleFactors = nullptr;
    FFont->UndoList().OnUndoRedo = nullptr;
    // The dock reports its hiding while the widgets go, when this window is
    // no longer a Tmainform.
    if (FSheetDock) FSheetDock->disconnect(this);
}

QAction* Tmainform::Action(const QString& name) const {
    const auto it = FActions.find(name);
    return it == FActions.end() ? nullptr : it->second;
}

bool Tmainform::event(QEvent* event) {
    switch (event->type()) {
    case QEvent::WindowActivate:
        ActivateFirstTime();
        break;
    case QEvent::StatusTip:
        // Hints show as tool tips; the status line keeps its fields.
        return true;
    case QEvent::Show:
        // Sent before the window is mapped: the place it comes back to is
        // set while the window manager can still honour it.
        RestoreWindowSettings();
        // Some platforms (offscreen among them) never activate a window;
        // the first activation then happens once the window is shown.
        if (FFirstActivation) QTimer::singleShot(0, this, [this] { ActivateFirstTime(); });
        break;
    default:
        break;
    }
    return QMainWindow::event(event);
}

void Tmainform::ActivateFirstTime() {
    if (!FFirstActivation) return;
    FFirstActivation = false;
    // The list reports its current cell when it is first painted, which
    // comes before the first activation; a file opened now makes the
    // highlighted row's character current itself.
    FGrid->FirstPaintReport();
    ConnectPreviewForm(true);
    LoadSettings();
    const std::string file = ReadCommandLineFile();
    if (!file.empty()) OpenOrImportPath(file);
}

void Tmainform::ConnectPreviewForm(bool connected) {
    if (!connected) {
        FPreviewForm->OnSettingsChanged = nullptr;
        return;
    }
    FPreviewForm->OnSettingsChanged = [this](Ttestpreviewform&, bool zoomChanged) {
        PreviewChanged(zoomChanged);
    };
}

void Tmainform::closeEvent(QCloseEvent* event) {
    if (FormCloseQuery())
        event->accept();
    else
        event->ignore();
}

bool Tmainform::FormCloseQuery() {
    // The window closes only when the changes are dealt with and the
    // settings could be stored.
    if (!QuerySaveChanges()) return false;
    ConnectPreviewForm(false);
    try {
        StoreSettings();
    } catch (const std::exception& e) {
        // A value that cannot be stored keeps the window open.
        ConnectPreviewForm(true);
        ShowErrorBox(this, QString::fromLocal8Bit(e.what()));
        return false;
    }
    return true;
}

void Tmainform::dragEnterEvent(QDragEnterEvent* event) {
    const QMimeData* data = event->mimeData();
    if (data->hasUrls() && data->urls().size() == 1 && data->urls().first().isLocalFile())
        event->acceptProposedAction();
}

void Tmainform::dropEvent(QDropEvent* event) {
    const QList<QUrl> urls = event->mimeData()->urls();
    if (urls.size() != 1 || !urls.first().isLocalFile()) return;
    event->acceptProposedAction();
    const std::string path = UrlToPath(urls.first());
    // Opening asks questions; let the drag finish before it does.
    QTimer::singleShot(0, this, [this, path] { OpenOrImportPath(path); });
}
