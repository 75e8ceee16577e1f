#pragma once
// The picture sheet import dialog: the sheet with its cell grid laid over it
// and a live preview of the first characters, as the user sets the cell
// size, first code, columns, gaps, margins and fitted widths.

#include <QDialog>
#include <QSet>
#include <QWidget>

#include "formats/fontformats.h"
#include "model/font.h"
#include "raster/raster.h"

class QCheckBox;
class QLabel;
class QPushButton;
class QSpinBox;

// The sheet, zoomed, with the cells of the current options outlined; cells
// whose codes lie outside 32..255 are greyed.
class TSheetView : public QWidget {
    Q_OBJECT
  public:
    TSheetView(const TRaster& picture, QWidget* parent = nullptr);
    void SetOptions(const TImportOptions& options);
    int Zoom() const { return FZoom; }
    QSize sizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QImage FImage;
    TImportOptions FOptions;
    int FZoom = 1;
};

class TSheetImportDialog : public QDialog {
    Q_OBJECT
  public:
    // Starts from the layout guessed from the picture (the same guess the
    // command line reads with) and says when that guess is unsure.
    TSheetImportDialog(const TRaster& picture, const QString& fileName, QWidget* parent = nullptr);

    TImportOptions Options() const;
    void SetOptions(const TImportOptions& options);
    // What the current options read from the sheet (empty while they fail).
    const TFZXFont& PreviewFont() const { return FPreview; }

    QSpinBox* CellWidthEdit = nullptr;
    QSpinBox* CellHeightEdit = nullptr;
    QSpinBox* FirstCodeEdit = nullptr;
    QSpinBox* ColumnsEdit = nullptr;
    QSpinBox* GapXEdit = nullptr;
    QSpinBox* GapYEdit = nullptr;
    QSpinBox* MarginXEdit = nullptr;
    QSpinBox* MarginYEdit = nullptr;
    QCheckBox* FitWidthCheck = nullptr;
    QCheckBox* InvertCheck = nullptr;
    QSpinBox* SpacingEdit = nullptr;
    TSheetView* SheetView = nullptr;
    QLabel* PreviewLabel = nullptr;
    QLabel* StatusLabel = nullptr;
    // What the guess found, and in words where it is unsure.
    QLabel* GuessLabel = nullptr;
    QPushButton* OKButton = nullptr;

  private:
    // Reads the sheet with the current options; refreshes grid and preview.
    void OptionsChanged();
    // A new cell width, gap or margin: the columns follow the picture's
    // width, unless the user typed them.
    void ColumnsFollow();
    // A value the user entered: no guess overwrites it.
    void Typed(QSpinBox* box);
    QImage PreviewImage() const;

    const TRaster& FPicture;
    TFZXFont FPreview;
    bool FSetting = false;
    QSet<QSpinBox*> FTyped;
};
