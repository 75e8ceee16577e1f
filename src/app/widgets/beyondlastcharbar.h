#pragma once
// The note shown above the canvas while the current character lies beyond
// Last char, and so would not be saved, with a button that raises Last char
// to it.

#include <QWidget>

class QLabel;
class QPushButton;
class TFZXFont;

class TBeyondLastCharBar : public QWidget {
  public:
    // font must outlive the bar; the button changes it, which notifies.
    explicit TBeyondLastCharBar(TFZXFont& font, QWidget* parent = nullptr);

    // Shows the note for the font's current character, or hides it.
    void ShowFont();

  private:
    TFZXFont& FFont;
    QLabel* FLabel;
    QPushButton* FRaise;
};
