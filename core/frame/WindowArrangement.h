#pragma once
// Window, Tile and Window, Cascade: where the program's open windows go
// within the screen's free area.

#include <QList>
#include <QRect>

namespace vl {

// Tiles count windows over the area in a grid of as many columns as rows
// (one column more when needed), left to right and top to bottom; the last
// row shares its width among the windows left for it.
QList<QRect> TileWindows(int count, const QRect& area);

// Cascades count windows from the area's top left, each one step further
// right and down, all of one size: the area less the room the steps take,
// but no smaller than half the area. Past the bottom the steps start over.
QList<QRect> CascadeWindows(int count, const QRect& area, int step);

} // namespace vl
