#pragma once
// The list's own attributes (ListAppearance) read from and given to the list
// widget, and the dialog units its column widths and place are measured in:
// a quarter of the font's average character width across, an eighth of its
// height down.

#include "xplore/ListLayout.h"

#include <QFont>

class QTableView;

namespace vl {

class DialogUnits {
public:
    explicit DialogUnits(const QFont& font);
    int ToPixelsX(int units) const;
    int ToPixelsY(int units) const;
    int FromPixelsX(int pixels) const;
    int FromPixelsY(int pixels) const;

private:
    double across_; // pixels per unit
    double down_;
};

// The font's style as a stored number (ListAppearance::style), and back.
int StoredFontStyle(const QFont& font);
void ApplyStoredFontStyle(QFont& font, int style);

ListAppearance ReadAppearance(const QTableView& list);
// Gives the list the font, line height and scroll bars; with place, also its
// position and size (the size then stays fixed until it is the designed one
// again).
void ApplyAppearance(QTableView& list, const ListAppearance& appearance, const ListAppearance& designed, bool place);

} // namespace vl
