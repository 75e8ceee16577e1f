#pragma once
// The Spectrum screen dock: the screen view with its settings (ink, paper,
// bright, border, the text's position, zoom and the cell grid). It starts
// hidden at the window's right, shown and hidden by its command; the
// Spectrum export and the emulator take its colours and position.

#include <QDockWidget>
#include <QPointer>
#include <functional>
#include <string>

#include "spectrum/spectrumprogram.h"

class QAction;
class QCheckBox;
class QComboBox;
class QMainWindow;
class QSpinBox;
class TFZXFont;
class TSafeRegistry;
class TSpectrumScreenView;

class TSpectrumScreenDock : public QDockWidget {
    Q_OBJECT
  public:
    // Docks itself into window; show (checkable) shows and hides it and
    // follows the dock's own close button. text gives the codes to set.
    TSpectrumScreenDock(QMainWindow& window, const TFZXFont& font, QAction* show,
                        std::function<std::string()> text);

    TSpectrumScreenView* View() const { return FView; }
    // Colours and position as set here; Text empty.
    TSpectrumOptions Options() const;
    void SetOptions(const TSpectrumOptions& options);
    // The font or the text changed.
    void Refresh();

    // In the store's open key: shown or not, colours, position, zoom, grid.
    // Values out of range read as the defaults.
    void LoadSettings(const TSafeRegistry& reg);
    void StoreSettings(TSafeRegistry& reg) const;

  private:
    void Apply();

    QPointer<QAction> FShow; // the window's, gone first when the window goes
    TSpectrumScreenView* FView = nullptr;
    QComboBox* FInk = nullptr;
    QComboBox* FPaper = nullptr;
    QComboBox* FBorder = nullptr;
    QCheckBox* FBright = nullptr;
    QSpinBox* FX = nullptr;
    QSpinBox* FY = nullptr;
    QComboBox* FZoom = nullptr;
    QCheckBox* FGrid = nullptr;
};
