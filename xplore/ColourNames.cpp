#include "xplore/ColourNames.h"

#include "platform/runtime/FixedText.h"

namespace vl {

std::optional<int> ColourFromName(const QString& name)
{
    const QString clipped = Clip(name);
    for (const ColourName& colour : kColourNames) {
        if (clipped == QLatin1String(colour.name))
            return colour.value;
    }
    return std::nullopt;
}

std::optional<int> ColourPosition(int value)
{
    for (int i = 0; i < kColourNameCount; ++i) {
        if (kColourNames[i].value == value)
            return i + 1;
    }
    return std::nullopt;
}

QStringList ColourPickList()
{
    QStringList names;
    for (const ColourName& colour : kColourNames)
        names << QString::fromLatin1(colour.name);
    return names;
}

} // namespace vl
