#pragma once
// The icons of the undo and redo history menus: one per history action number
// 0..37, the all-glyph group headers using 28..37.

#include <QIcon>
#include <QImage>
#include <vector>

class THistoryImageList {
  public:
    int Count() const;
    // The 16 x 16 ARGB32 picture of `action`; a null image outside 0..Count()-1.
    QImage Image(int action) const;
    // Colour for the normal, active and selected modes, embossed when disabled,
    // crisp at device pixel ratios 1 and 2; a null icon outside 0..Count()-1.
    // Made once per action and kept: the menus are rebuilt at every refresh.
    QIcon Icon(int action) const;

  private:
    QIcon MakeIcon(int action) const;
    mutable std::vector<QIcon> FIcons;
};

// The history icon list of the main window, built on first use.
const THistoryImageList& HistoryImageList();
