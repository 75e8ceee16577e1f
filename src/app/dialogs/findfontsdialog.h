#pragma once
// Finding the fonts inside a Spectrum file (tape, snapshot, ROM image or
// any file): the file is read and scanned in the background with a progress
// bar, the finds come up in a gallery best first, and the one chosen is read
// as a font for the window to enter as an import.

#include <QDialog>
#include <QThread>
#include <atomic>
#include <memory>
#include <string>
#include <vector>

#include "finder/foundfont.h"

class QLabel;
class QProgressBar;
class QPushButton;
class TFZXFont;
class TFoundFontsList;

class TFindFontsDialog : public QDialog {
    Q_OBJECT
  public:
    // Starts scanning path at once.
    explicit TFindFontsDialog(const QString& path, QWidget* parent = nullptr);
    // Stops the scan and waits for it.
    ~TFindFontsDialog() override;

    bool Scanning() const { return FWorker != nullptr; }
    // Reads the chosen find into font (untouched on failure); "" or the
    // message.
    std::string ReadChosen(TFZXFont& font) const;

    QProgressBar* ScanProgress = nullptr;
    TFoundFontsList* FoundFontsList = nullptr;
    QLabel* StatusLabel = nullptr;
    QPushButton* OKButton = nullptr;

  signals:
    // The scan ended, with finds, without or failed; the gallery is filled.
    void scanned();

  private:
    struct TResult {
        std::string Error;
        std::vector<TScanArea> Areas;
        std::vector<TFoundFont> Found;
    };
    void Progress(int permille);
    void Done();

    QString FName;
    std::unique_ptr<TResult> FResult; // written by the worker until it ends
    std::atomic<bool> FCancel{false};
    QThread* FWorker = nullptr;
};
