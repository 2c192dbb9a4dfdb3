#pragma once
// How a printed list fits its page: each column as wide as its widest text
// (or its title, when that is wider), in the list's width units, and the
// largest font size at which all columns fit the page's width. A width unit
// prints as 2 x size thousandths of an inch; what the columns leave of the
// page is shared out among them equally.

#include "xplore/XploreColumn.h"

#include <vector>

namespace vl {

// The room a column keeps beside its text, in width units: one unit, the
// data offset of a left or right justified column (one unit for a decimal
// one), and the room of an icon.
int ColumnPadding(const XploreColumn& column);

// The printed width of a column: its title's width when that is wider than
// its widest text, else the text's width with the column's padding.
int PrintedColumnWidth(int textWidth, int titleWidth, int padding);

struct PrintFontFit {
    int size = 0;  // points
    int unit = 0;  // thousandths of an inch per width unit
    int spare = 0; // thousandths of an inch each column gets beyond its width; negative: taken off
};

// Tries sizes from maxSize down in steps of 2 while not below minSize; the
// first at which the columns (plus one unit per border line) leave room to
// spare on a page of pageWidth thousandths of an inch is used. When none
// does, minSize is used and the columns are narrowed to fit.
PrintFontFit FitPrintFont(const std::vector<int>& widths, int borders, int pageWidth, int maxSize = 14,
                          int minSize = 6);

} // namespace vl
