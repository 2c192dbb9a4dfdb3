#pragma once
// The graph preferences every Xplore list shares, in section
// "XplorePreferences" of the position INI file: 16 named bar colours in
// their order (the graph uses the first eight, bar 9 takes colour 1 again)
// and the font of the graph's texts.

#include "platform/runtime/IniFile.h"

#include <QString>

#include <array>
#include <optional>

namespace vl {

inline constexpr char kGraphPreferencesSection[] = "XplorePreferences";
inline constexpr int kGraphColourCount = 16;
inline constexpr int kGraphBarColours = 8;
// Colour and font names are kept in this many characters.
inline constexpr int kGraphNameWidth = 20;
// The font size the graph takes when none is stored, and the one the
// preferences window shows then.
inline constexpr int kGraphFontSize = 12;
inline constexpr int kPreferencesFontSize = 8;

using GraphColours = std::array<QString, kGraphColourCount>;

struct GraphPreferences {
    GraphColours colours;
    QString fontName = QStringLiteral("Arial");
    int fontSize = kGraphFontSize;
    int fontColour = 0;  // a stored colour value (0xBBGGRR)
    int fontStyle = 700; // 400 regular, 700 bold, + 4096 italic, + 8192 underline

    bool operator==(const GraphPreferences&) const = default;
};

// "Maroon", "Olive", "Navy", "Silver", "Purple", "Green", "Teal", "Gray",
// "Red", "Yellow", "Blue", "Lime", "Fuschia", "Aqua", "White", "Black".
GraphColours DefaultGraphColours();

// The stored preferences; a key that is absent or unreadable (a size that
// is not a number of points above 0) takes its default.
GraphPreferences ReadGraphPreferences(const IniFile& ini, int defaultFontSize);
// Writes all 20 keys in one rewrite of the file; false when it cannot be
// written (the file is left as it was).
bool WriteGraphPreferences(IniFile& ini, const GraphPreferences& preferences);

// The name of a font style value ("Bold" for 700); nothing for a value
// without one.
std::optional<QString> FontStyleName(int style);
// The sample text of the font: name and size without a blank between them,
// then " pt " and the style name ("Arial8 pt Bold").
QString FontSample(const GraphPreferences& preferences, const QString& styleName);

// Exchanges the colour at an index (0-based) with its neighbour above (-1)
// or below (+1); false at either end, where nothing changes.
bool MoveGraphColour(GraphColours& colours, int index, int step);

// How the colour list paints a name's swatch, as stored colour values (-1
// the list's own colour).
struct ColourSwatch {
    int text = 0;
    int back = -1;
    int selectedText = 0xFFFFFF;
    int selectedBack = -1;

    bool operator==(const ColourSwatch&) const = default;
};
ColourSwatch SwatchOf(const QString& name);

} // namespace vl
