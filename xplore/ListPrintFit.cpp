#include "xplore/ListPrintFit.h"

#include <numeric>

namespace vl {

int ColumnPadding(const XploreColumn& column)
{
    int padding = 1;
    if (column.dataJust == u'L' || column.dataJust == u'R')
        padding += column.dataOffset;
    else if (column.dataJust == u'D')
        padding += 1;
    if (column.hasIcon)
        padding += 11;
    return padding;
}

int PrintedColumnWidth(int textWidth, int titleWidth, int padding)
{
    return titleWidth > textWidth ? titleWidth : textWidth + padding;
}

PrintFontFit FitPrintFont(const std::vector<int>& widths, int borders, int pageWidth, int maxSize, int minSize)
{
    const int columns = std::max<int>(int(widths.size()), 1);
    const int sum = std::accumulate(widths.begin(), widths.end(), 0) + borders;
    auto fit = [&](int size) {
        const int unit = 2 * size;
        return PrintFontFit{size, unit, (pageWidth - sum * unit) / columns};
    };
    for (int size = maxSize; size >= minSize; size -= 2) {
        const PrintFontFit tried = fit(size);
        if (tried.spare > 0)
            return tried;
    }
    return fit(minSize);
}

} // namespace vl
