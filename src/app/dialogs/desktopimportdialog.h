#pragma once
// The import dialog of desktop fonts (TrueType, OpenType, PCF): the pixel
// size of an outline face (and hinting) or one of a bitmap font's strikes,
// with a live preview of the sample text and of every character of the
// range as the font comes out at that size.

#include <QDialog>
#include <cstdint>
#include <string>
#include <vector>

#include "desktopfont.h"
#include "formats/fontformats.h"
#include "model/font.h"
#include "text/textrows.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QSpinBox;

class TDesktopImportDialog : public QDialog {
    Q_OBJECT
  public:
    // bytes are the font file's plain bytes, face what it offers; lines the
    // sample text (empty: the font's codes). Starts at 16 pixels for
    // outlines, at the first strike of a bitmap font.
    TDesktopImportDialog(const std::vector<std::uint8_t>& bytes, const TDesktopFace& face,
                         const TImportOptions& options, const TStringList& lines,
                         const QString& fileName, QWidget* parent = nullptr);

    TImportOptions Options() const;
    // What the current options read from the file (empty while they fail).
    const TFZXFont& PreviewFont() const { return FPreview; }

    QSpinBox* SizeEdit = nullptr;      // outline faces
    QCheckBox* HintingCheck = nullptr; // outline faces
    QComboBox* StrikeBox = nullptr;    // bitmap fonts
    QLabel* SampleLabel = nullptr;
    QLabel* CharactersLabel = nullptr;
    QLabel* StatusLabel = nullptr;
    QPushButton* OKButton = nullptr;

  private:
    // Reads the font with the current options; refreshes the previews.
    void OptionsChanged();
    // The preview font setting lines (painting changes its draw settings).
    QImage Preview(const TStringList& lines, int width);
    // Every character of the font, in rows as wide as width.
    QImage CharactersPreview(int width);

    const std::vector<std::uint8_t>& FBytes;
    const TDesktopFace FFace;
    const TImportOptions FBase;
    const TStringList FLines;
    TFZXFont FPreview;
};

// The window's import of a desktop font file: reads it, asks with the dialog
// where the font has outlines or several strikes, and imports into font
// (untouched on failure). False when the user cancels; else error holds ""
// or the message. Throws TFileError when the file cannot be opened.
bool ImportDesktopFontAsked(QWidget* parent, const QString& path, const TImportOptions& options,
                            const TStringList& lines, TFZXFont& font, TImportReport& report,
                            std::string& error);
