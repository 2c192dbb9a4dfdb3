#pragma once
// The colours of tab sheets: every window shows its selected tab in the
// default colours and the other tabs on grey, so that the selected one stands
// out. Colour values are kept as the program stores colours everywhere.

#include <QColor>
#include <QString>

namespace vl {

// A stored colour value: red, green and blue in the low three bytes with
// blue highest (0xBBGGRR); a negative value is the default colour, returned
// as an invalid QColor.
QColor StoredColour(qint32 value);

struct TabColours {
    qint32 selectedTab = -1;
    qint32 selectedText = -1;
    qint32 unselectedTab = 10987431; // grey: red, green and blue 167 each
    qint32 unselectedText = -1;
};

// The style sheet that gives a tab bar these colours; empty when every
// colour is the default.
QString TabStyleSheet(const TabColours& colours);

} // namespace vl
