#pragma once
// The info lines above the canvas: the file size (when asked for) and the
// font's warnings about its height, widths and last character. An empty
// line is hidden and takes no height.

#include <QWidget>

class QLabel;
class TFZXFont;

class TFontInfoLines : public QWidget {
  public:
    explicit TFontInfoLines(QWidget* parent = nullptr);

    // Shows the lines for font; all are off without characters.
    void ShowFont(const TFZXFont& font, bool fileSize);

  private:
    QLabel* FSizeInfo;
    QLabel* FHeightInfo;
    QLabel* FWidthInfo;
    QLabel* FLastCharInfo;
};
