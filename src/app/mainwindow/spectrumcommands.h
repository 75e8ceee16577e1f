#pragma once
// The window's Spectrum commands: File > Export for Spectrum... writes a
// tape, snapshot, source or screen file of the font with the preview text,
// and Tools > Run in emulator starts Fuse on a temporary snapshot (disabled,
// with a hint naming what to install, where Fuse is missing), both in the
// colours and at the position the Spectrum screen view shows. One Fuse at a
// time: a new run replaces the one still running, and the window's closing
// ends it.

#include <QObject>
#include <QProcess>
#include <QTemporaryDir>
#include <memory>
#include <string>

class Tmainform;

class TSpectrumCommands : public QObject {
  public:
    // Connects SpectrumExportAction and RunInEmulatorAction of the window.
    explicit TSpectrumCommands(Tmainform& window);
    ~TSpectrumCommands() override;

    // The preview text as the Spectrum prints it: escapes expanded, lines
    // joined by code 13; the font's codes when there is no text.
    std::string SampleText() const;
    // Writes path by its extension; shows what went wrong. True when written.
    bool ExportTo(const QString& path);

  private:
    void ExportActionExecute();
    void RunInEmulatorExecute();
    void UpdateEmulatorAction();
    // Ends the Fuse started here, if it still runs.
    void StopEmulator();

    Tmainform& FWindow;
    // Made at the first run; Fuse reads its snapshot at start, and the
    // folder goes with the window.
    std::unique_ptr<QTemporaryDir> FSnapshots;
    int FRuns = 0;
    std::unique_ptr<QProcess> FFuse;
};
