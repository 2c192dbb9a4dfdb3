#include "xplore/GraphPreferences.h"

#include "platform/runtime/FixedText.h"
#include "xplore/ColourNames.h"

namespace vl {

namespace {

const QString kSection = QString::fromLatin1(kGraphPreferencesSection);

QString ColourKey(int index)
{
    return QStringLiteral("Col%1").arg(index + 1, 2, 10, QLatin1Char('0'));
}

int Number(const IniFile& ini, const QString& key, int fallback)
{
    bool ok = false;
    const int value = ini.Get(kSection, key).toInt(&ok);
    return ok ? value : fallback;
}

} // namespace

GraphColours DefaultGraphColours()
{
    return {"Maroon", "Olive", "Navy", "Silver", "Purple", "Green", "Teal", "Gray",
            "Red",    "Yellow", "Blue", "Lime",  "Fuschia", "Aqua", "White", "Black"};
}

GraphPreferences ReadGraphPreferences(const IniFile& ini, int defaultFontSize)
{
    GraphPreferences preferences;
    const GraphColours defaults = DefaultGraphColours();
    for (int i = 0; i < kGraphColourCount; ++i)
        preferences.colours[i] = CutTo(Clip(ini.Get(kSection, ColourKey(i), defaults[i])), kGraphNameWidth);
    const QString font = CutTo(Clip(ini.Get(kSection, QStringLiteral("FontName"))), kGraphNameWidth);
    if (!font.isEmpty())
        preferences.fontName = font;
    // A size of no points would draw no text at all.
    const int size = Number(ini, QStringLiteral("FontSize"), defaultFontSize);
    preferences.fontSize = size > 0 ? size : defaultFontSize;
    preferences.fontColour = Number(ini, QStringLiteral("FontColor"), preferences.fontColour);
    preferences.fontStyle = Number(ini, QStringLiteral("FontStyle"), preferences.fontStyle);
    return preferences;
}

bool WriteGraphPreferences(IniFile& ini, const GraphPreferences& preferences)
{
    QList<IniWrite> writes;
    for (int i = 0; i < kGraphColourCount; ++i)
        writes.append({kSection, ColourKey(i), CutTo(preferences.colours[i], kGraphNameWidth)});
    writes.append({kSection, QStringLiteral("FontName"), CutTo(preferences.fontName, kGraphNameWidth)});
    writes.append({kSection, QStringLiteral("FontSize"), QString::number(preferences.fontSize)});
    writes.append({kSection, QStringLiteral("FontColor"), QString::number(preferences.fontColour)});
    writes.append({kSection, QStringLiteral("FontStyle"), QString::number(preferences.fontStyle)});
    return ini.PutMany(writes);
}

std::optional<QString> FontStyleName(int style)
{
    struct Style {
        int value;
        const char* name;
    };
    static constexpr Style kStyles[] = {
        {400, "Regular"},          {700, "Bold"},           {4096, "Italic"},           {4796, "Bold Italic"},
        {8592, "Regular Underline"}, {8892, "Bold Underline"}, {12288, "Italic Underline"}, {12988, "Bold Italic Underline"},
    };
    for (const Style& known : kStyles) {
        if (known.value == style)
            return QString::fromLatin1(known.name);
    }
    return std::nullopt;
}

QString FontSample(const GraphPreferences& preferences, const QString& styleName)
{
    return Clip(preferences.fontName) + QString::number(preferences.fontSize) + QStringLiteral(" pt ") +
           Clip(styleName);
}

bool MoveGraphColour(GraphColours& colours, int index, int step)
{
    const int target = index + step;
    if (index < 0 || index >= kGraphColourCount || target < 0 || target >= kGraphColourCount)
        return false;
    std::swap(colours[index], colours[target]);
    return true;
}

ColourSwatch SwatchOf(const QString& name)
{
    ColourSwatch swatch;
    const std::optional<int> colour = ColourFromName(name);
    if (!colour)
        return swatch;
    if (Clip(name) == u"Black") {
        swatch.back = 0;
        swatch.text = 0xFFFFFF;
    } else if (Clip(name) == u"White") {
        swatch.back = 0xFFFFFF;
        swatch.selectedText = 0;
    } else {
        swatch.back = *colour;
        swatch.selectedBack = *colour;
    }
    return swatch;
}

} // namespace vl
