#pragma once
// The options of an export in one dialog: for picture sheets the columns,
// grid and captions, for the other formats the Spectrum's own characters.

#include <QDialog>

#include "formats/fontformats.h"

class QCheckBox;
class QPushButton;
class QSpinBox;

class TExportOptionsDialog : public QDialog {
    Q_OBJECT
  public:
    // Shows the options that apply to format, starting from options.
    TExportOptionsDialog(const TFontFormat& format, const TExportOptions& options,
                         QWidget* parent = nullptr);
    TExportOptions Options() const;

    QSpinBox* ColumnsEdit = nullptr;
    QCheckBox* GridCheck = nullptr;
    QCheckBox* CaptionsCheck = nullptr;
    QCheckBox* ZxCharsetCheck = nullptr;
    QPushButton* OKButton = nullptr;
};
