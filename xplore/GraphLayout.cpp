#include "xplore/GraphLayout.h"

#include <algorithm>
#include <cmath>

namespace vl {

int GraphLayout::BarHeight(int count, int largest) const
{
    if (largest <= 0)
        return 0;
    return static_cast<int>(static_cast<long long>(count) * std::max(baseline - 30, 0) / largest);
}

QString GraphLayout::PercentText(double percent) const
{
    if (barWidth + gap <= 25)
        return QStringLiteral("%1").arg(static_cast<int>(std::lround(percent)), 2);
    return QString::number(percent, 'f', 1);
}

GraphLayout ComputeGraphLayout(int width, int height, int bars)
{
    GraphLayout layout;
    layout.bars = std::max(bars, 1);
    const int n = layout.bars;
    if (n > 5) {
        layout.gap = 4;
        layout.barWidth = (width - 80) / n - 4;
        if (layout.barWidth < 10) {
            layout.gap = 2;
            layout.barWidth = (width - 80) / n - 2;
        }
    } else {
        const int unit = (width - 160) / n;
        layout.gap = std::max(unit / 5, 0);
        layout.barWidth = 4 * layout.gap;
    }
    layout.barWidth = std::max(layout.barWidth, 1);
    layout.baseline = height - 50;
    layout.left = static_cast<int>(std::floor((width - (n * layout.barWidth + (n - 1) * layout.gap)) / 2.0)) + 32;
    return layout;
}

} // namespace vl
