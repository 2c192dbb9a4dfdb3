#include "scripting/items/NormalizeScriptItem.h"

#include "platform/runtime/FixedText.h"
#include "scripting/items/ScriptActions.h"

namespace vl {
namespace {

namespace A = ScriptAction;

template <class R>
void Normalize(R& item)
{
    if (Clip(item.Action) == QStringView(A::SendKeystrokes))
        item.Action = QString::fromUtf16(A::SendKeys);
    if (A::IsAction(item.Action, A::IfWindow)) {
        // "Window Exists" and "Window exists" name the test; "Window Doesn't
        // Exist" has no "exists" in it.
        const bool exists = item.WindowExistance.toLower().contains(QLatin1String("exists"));
        item.WindowExistance = QString::fromUtf16(exists ? A::Exists : A::DoesNotExist);
    } else if (A::IsAction(item.Action, A::IfTimeElapsed)) {
        const bool greater = item.IfTimeElapsed.toLower().contains(QLatin1String("grea"));
        item.IfTimeElapsed = QString::fromUtf16(greater ? A::GreaterThan : A::LessThan);
    } else if (A::IsAction(item.Action, A::Wait)) {
        const QString mode = UpperClip(item.DDEApplicationName);
        if (mode == QLatin1String("AND") || mode == QLatin1String("BOTH"))
            item.DDEApplicationName = QString::fromUtf16(A::Both);
        else if (mode == QLatin1String("EITHER"))
            item.DDEApplicationName = QString::fromUtf16(A::Either);
    }
}

} // namespace

void NormalizeScriptItem(ScriptingRecord& item) { Normalize(item); }
void NormalizeScriptItem(ScriptTemplateDetailsRecord& item) { Normalize(item); }

} // namespace vl
