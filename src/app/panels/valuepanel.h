#pragma once
// The value editors at the window's right: the font's common values, the
// current character's values, the zoom and the view options. The panel only
// shows values and reports what the user enters; the window applies the
// entries to the font, whose OnChange brings the values back through
// ShowFont.

#include <QWidget>

class QCheckBox;
class QLineEdit;
class TFZXFont;
class TSafeRegistry;
class TValueEdit;

class TValuePanel : public QWidget {
    Q_OBJECT
  public:
    // zoom is the canvas's zoom at start.
    explicit TValuePanel(int zoom, QWidget* parent = nullptr);

    // Shows the font's and the current character's values; each group of
    // editors is off without characters, respectively without a current one.
    // Showing never reports a value. True when the body height shown before
    // differs from the font's.
    bool ShowFont(const TFZXFont& font);
    void ShowZoom(int zoom);
    // Takes values typed but not yet confirmed, so a command run meanwhile
    // sees them; changed ones are reported as entered.
    void CommitTyped();

    bool PreviewTextShown() const;
    bool FileSizeShown() const;
    QString CharLimitsText() const;
    QString GuideLinesText() const;

    // The view options and the zoom in the key the caller opened; each
    // value read takes effect as if the user had set it.
    void LoadSettings(const TSafeRegistry& reg);
    void StoreSettings(TSafeRegistry& reg) const;

  signals:
    void heightEntered(int height);
    void trackingEntered(int tracking);
    void lastCharEntered(int code);
    void widthEntered(int width);
    void kernEntered(int kern);
    void zoomEntered(int zoom);
    void verticalLimitsToggled(bool on);
    void previewTextToggled(bool on);
    void fileSizeToggled(bool on);
    // At most one of the char limits and the guide lines is on.
    void charLimitsToggled(bool on);
    void guideLinesToggled(bool on);
    void charLimitsEdited(const QString& text);
    void guideLinesEdited(const QString& text);

  private:
    void Connect();
    // Enables the two text fields after their check boxes.
    void EnableMarkTextFields();

    TValueEdit* FBaseLineEdit = nullptr;
    TValueEdit* FTrackingEdit = nullptr;
    TValueEdit* FLastCharEdit = nullptr;
    TValueEdit* FCharWidthEdit = nullptr;
    TValueEdit* FKernEdit = nullptr;
    TValueEdit* FZoomEdit = nullptr;
    QCheckBox* FShowVerticalLimits = nullptr;
    QCheckBox* FShowPreviewText = nullptr;
    QCheckBox* FShowFileSize = nullptr;
    QCheckBox* FShowCharLimits = nullptr; // "CheckBox1"
    QCheckBox* FShowGuideLines = nullptr; // "CheckBox2"
    QLineEdit* FCharLimitsEdit = nullptr;
    QLineEdit* FGuideLinesEdit = nullptr;
};
