#include "core/frame/WindowArrangement.h"

#include <algorithm>
#include <cmath>

namespace vl {

QList<QRect> TileWindows(int count, const QRect& area)
{
    QList<QRect> places;
    if (count <= 0 || area.isEmpty())
        return places;
    const int columns = static_cast<int>(std::ceil(std::sqrt(static_cast<double>(count))));
    const int rows = (count + columns - 1) / columns;
    const int height = area.height() / rows;
    for (int row = 0; row < rows; ++row) {
        const int inRow = std::min(columns, count - row * columns);
        const int width = area.width() / inRow;
        for (int column = 0; column < inRow; ++column)
            places << QRect(area.left() + column * width, area.top() + row * height, width, height);
    }
    return places;
}

QList<QRect> CascadeWindows(int count, const QRect& area, int step)
{
    QList<QRect> places;
    if (count <= 0 || area.isEmpty() || step <= 0)
        return places;
    const int width = std::max(area.width() / 2, area.width() - step * (count - 1));
    const int height = std::max(area.height() / 2, area.height() - step * (count - 1));
    // Steps that still keep the window inside the area.
    const int room = std::min(area.height() - height, area.width() - width);
    const int steps = room / step + 1;
    for (int i = 0; i < count; ++i) {
        const int offset = (i % steps) * step;
        places << QRect(area.left() + offset, area.top() + offset, width, height);
    }
    return places;
}

} // namespace vl
