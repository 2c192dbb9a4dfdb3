#pragma once
// Where the graph of a column draws its bars and texts, in pixels of the
// chart window's client area (width W, height H): the bars stand on a
// baseline 50 pixels above the bottom, centred across the window and moved
// 32 pixels right, with the counts and percentages under them. Up to five
// bars share four fifths of the width left by 160 pixels; more take the
// width left by 80 pixels, 4 pixels apart, or 2 when bars would be
// narrower than 10.

#include <QString>

namespace vl {

struct GraphLayout {
    int bars = 0;
    int gap = 0;
    int barWidth = 0;
    int baseline = 0;
    int left = 0;

    // The left edge of bar i (1-based).
    int BarX(int i) const { return left + (i - 1) * (barWidth + gap); }
    // The height of a bar of a count, the largest count reaching 30 pixels
    // below the top.
    int BarHeight(int count, int largest) const;
    // The length of the axis under the bars.
    int AxisLength() const { return bars * (barWidth + gap) - gap + 1; }
    // A percentage as the bar shows it: whole, in two characters, when a bar
    // and its gap are 25 pixels or less, else with its decimal.
    QString PercentText(double percent) const;
};

// For at least one bar; a window too narrow for the bars still gives each
// one pixel.
GraphLayout ComputeGraphLayout(int width, int height, int bars);

} // namespace vl
