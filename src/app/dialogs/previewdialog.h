#pragma once
// The preview text settings dialog: sample text, zoom 1..4 and the endless
// loop switch of the strip under the edit canvas. Created once and kept; every
// change is reported through OnSettingsChanged while it is open.

#include <QDialog>
#include <functional>
#include <string>

#include "text/textrows.h"

class QAbstractButton;
class QButtonGroup;
class QPlainTextEdit;
class QToolButton;

class Ttestpreviewform : public QDialog {
    Q_OBJECT
  public:
    explicit Ttestpreviewform(QWidget* parent = nullptr);

    // Receives the dialog and whether the zoom (and so the strip's height)
    // changed; unassigned at start.
    std::function<void(Ttestpreviewform&, bool zoomChanged)> OnSettingsChanged;

    // 1..4: the zoom button that is down (1 if none is).
    int GetPreviewZoom() const;
    bool GetPreviewEndless() const;
    // The memo's lines in font text (one byte per character), joined by '\r'.
    std::string GetPreviewText() const;
    // The memo's lines in font text; a last empty line after a final line
    // break does not count, so an empty memo has no lines.
    TStringList Lines() const;

    // 1..4 puts that button down, other values leave the buttons; then
    // SettingsChanged(true) in every case, exactly once.
    void SetPreviewZoom(int zoom);
    // Sets the toggle, then SettingsChanged(false) once.
    void SetPreviewEndless(bool endless);
    // Makes the '\r'-separated parts the memo's lines (Lines() gives them
    // back unchanged); the memo's change runs SettingsChanged(false) once.
    void SetPreviewText(const std::string& text);
    // Calls OnSettingsChanged if assigned.
    void SettingsChanged(bool zoomChanged);

    QPlainTextEdit* PreviewTextEdit = nullptr; // object name "Memo1"
    QToolButton* zoom1 = nullptr;
    QToolButton* zoom2 = nullptr;
    QToolButton* zoom3 = nullptr;
    QToolButton* zoom4 = nullptr;
    QToolButton* endlessloopbutton = nullptr;

  public slots:
    // SetPreviewZoom with the button's tag (its zoom).
    void zoomClick(QAbstractButton* button);
    void endlessloopbuttonClick();
    void PreviewTextChanged();

  private:
    QButtonGroup* FZoomGroup = nullptr;
};
