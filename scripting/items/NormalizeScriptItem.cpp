#include "scripting/items/NormalizeScriptItem.h"

#include "platform/runtime/FixedText.h"
#include "scripting/items/ScriptActions.h"

namespace vl {
namespace {

namespace A = ScriptAction;

// The four start codes as they act: wait "1" or "0"; priority "1", "3" or
// normal "2"; window mode "2", "3", "7", "8" or normal "1"; translate "1"
// or "0".
QString StartCodes(const QString& stored)
{
    const auto code = [&stored](int index, const char* kept, QChar otherwise) {
        const QChar c = index < stored.size() ? stored[index] : QChar();
        return !c.isNull() && QByteArray(kept).contains(char(c.toLatin1())) && c.unicode() < 128 ? c : otherwise;
    };
    return QString() + code(0, "1", u'0') + code(1, "13", u'2') + code(2, "2378", u'1') + code(3, "1", u'0');
}

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
    } else if (A::IsAction(item.Action, A::FileActions)) {
        const QString subAction = A::FileActionNamed(item.DDEType);
        if (!subAction.isEmpty())
            item.DDEType = subAction;
    } else if (A::IsAction(item.Action, A::DisplayMessage)) {
        if (item.SecondsToWait != 0)
            item.SecondsToWait = 1;
    } else if (A::IsAction(item.Action, A::StartProgram)) {
        item.DDEApplicationName = StartCodes(item.DDEApplicationName);
    } else if (A::IsAction(item.Action, A::StartScript)) {
        // The mode acts by its first letter.
        const QString mode = item.Path.trimmed();
        const QChar letter = mode.isEmpty() ? QChar() : mode.front().toUpper();
        for (const char16_t* name : A::kStartScriptModes) {
            if (letter == QChar(name[0]))
                item.Path = QString::fromUtf16(name);
        }
    }
}

} // namespace

void NormalizeScriptItem(ScriptingRecord& item) { Normalize(item); }
void NormalizeScriptItem(ScriptTemplateDetailsRecord& item) { Normalize(item); }

} // namespace vl
