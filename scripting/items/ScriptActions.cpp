#include "scripting/items/ScriptActions.h"

namespace vl::ScriptAction {

QString CanonicalAction(QStringView stored)
{
    qsizetype length = stored.size();
    while (length > 0 && stored[length - 1] == QLatin1Char(' ')) {
        --length;
    }
    const QStringView name = stored.first(length);
    if (name == QStringView(SendKeystrokes)) {
        return QString::fromUtf16(SendKeys);
    }
    if (name == QStringView(DdeLong)) {
        return QString::fromUtf16(Dde);
    }
    return name.toString();
}

bool IsAction(QStringView stored, const char16_t* action)
{
    return CanonicalAction(stored) == QStringView(action);
}

} // namespace vl::ScriptAction
