#pragma once
// The font the window edits together with its file: the one way a font
// enters the window (New, Open, Import) and leaves it (Save, Save As,
// Export), the file name, the modified state, the last used files and the
// folder the file dialogs start in. It asks nothing: the window asks for
// names and options, then calls it.
//
// Every change of the font reaches the views through this object's signals,
// sent from the font's one OnChange callback. Each notification sends
// exactly one of them, the first that applies in this order, so a listener
// of a narrower kind listens to the wider ones too:
//   fontReplaced     another font took the old one's place: everything;
//   valuesChanged    height, tracking, last char, the number of characters,
//                    or characters other than the current one;
//   glyphChanged     the current character (pixels, width, kern), which one
//                    is current, or the history alone;
//   fileStateChanged the file name or the modified state only (a Save).
//
// Files are read and written as the format table's readers and writers do:
// each operation returns "" on success or the message to show, and throws
// TFileError for a file that cannot be opened or created. A failed read
// changes nothing; a failed write leaves the font's file and state alone.

#include <QObject>
#include <QString>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "formats/fontformats.h"
#include "model/font.h"
#include "shell/recentfiles.h"
#include "spectrum/spectrumfiles.h"

class TFontDocument : public QObject {
    Q_OBJECT
  public:
    // An empty font without a file; New makes it the editor's first font.
    explicit TFontDocument(QObject* parent = nullptr);
    ~TFontDocument() override;

    TFZXFont& Font() { return *FFont; }
    const TFZXFont& Font() const { return *FFont; }
    // The file the font is saved to, as the system spells it; "" untitled.
    const std::string& FilePath() const { return FFilePath; }
    QString FileName() const;
    bool Modified() const { return FFont->Modified(); }
    TRecentFiles& Recent() { return FRecent; }
    const TRecentFiles& Recent() const { return FRecent; }
    // Where the file dialogs start: the font's folder, else (for an import)
    // the imported file's where it can be written to, else the folder last
    // read from or written to, else the newest recent entry's, else an
    // imported font's home folder; "" for the platform's choice.
    QString DialogFolder() const;
    // The name the save dialogs offer, without extension: the font file's,
    // else the imported file's ("6x13" for 6x13.pcf.gz); "" for a new font.
    QString SuggestedName() const;

    // --- in: each takes the font over with a fresh history and notifies
    // once (fontReplaced) ---
    // An untitled, unmodified font of one empty character (code 32), current.
    void New();
    // Reads path in the editor's own formats (FZX, CHR, UDG) and makes it the
    // font of that file, on top of the last used files; current is the
    // character to make current.
    std::string Open(const std::string& path, int current);
    // Reads path in one of the format table's other formats (not a picture
    // sheet or desktop font: those the window reads by asking) as an
    // untitled font that counts as changed.
    std::string Import(const std::string& path, const TImportOptions& options,
                       TImportReport& report, int current);
    // Takes over read, a font read completely (read is left empty): path
    // names its file, "" makes it an untitled font that counts as changed,
    // read from importedFrom where that is given.
    void Enter(TFZXFont& read, const std::string& path, int current,
               const std::string& importedFrom = std::string());

    // --- out ---
    // Writes the font to path as FZX, CHR or UDG by its extension (any
    // other is refused). path becomes the font's file first, so that a
    // Save that failed tries the same file again; a write that succeeded
    // puts it on top of the last used files, and the font counts as saved.
    std::string Save(const std::string& path);
    // The same, but path becomes the font's file only when written. For
    // assembler source a copy: the font keeps its file and state, and the
    // dialogs start in that folder next time.
    std::string SaveAs(const std::string& path);
    // Writes a copy in one of the format table's other formats; the font
    // keeps its file and state.
    std::string Export(const std::string& path, const TExportOptions& options);
    // Writes a Spectrum program, snapshot, source or screen showing the
    // font, under its file's name ("(untitled)" without one); the font keeps
    // its file and state.
    std::string ExportForSpectrum(const std::string& path, const TSpectrumOptions& options);

  signals:
    void fontReplaced();
    void valuesChanged();
    void glyphChanged();
    void fileStateChanged();

  private:
    // What tells the kinds of change apart, taken after each notification.
    struct TSnapshot {
        int Height = 0;
        int Tracking = 0;
        int LastChar = 0;
        int Count = 0;
        int Current = -1;
        std::vector<std::uint64_t> Revisions; // of each character
        bool Modified = false;
        std::string FilePath;
    };
    TSnapshot Snapshot() const;
    void FontChanged();
    std::string WriteOwn(const std::string& path, bool nameFirst);
    void SetFilePath(const std::string& path);
    void AddToRecent(const std::string& path);

    std::unique_ptr<TFZXFont> FFont;
    std::string FFilePath;
    // Where the last file was: the first Save of a new font starts there.
    QString FLastFolder;
    // The file an untitled font was imported from; "" otherwise.
    std::string FImportedFrom;
    TRecentFiles FRecent;
    TSnapshot FSeen;
    bool FReplacing = false;
};
