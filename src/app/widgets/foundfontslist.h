#pragma once
// The gallery of fonts found inside a Spectrum file: one row per find, best
// first, each drawn as a sample line in its own font with its place, kind,
// codes and score beside it.

#include <QListWidget>
#include <vector>

#include "finder/foundfont.h"

class TFoundFontsList : public QListWidget {
    Q_OBJECT
  public:
    explicit TFoundFontsList(QWidget* parent = nullptr);
    // Shows the finds (in their order) of the areas; the first one chosen.
    void Show(const std::vector<TScanArea>& areas, const std::vector<TFoundFont>& found);
    // The index into the finds of the chosen row, -1 for none.
    int Chosen() const;
};
