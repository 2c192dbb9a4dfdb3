#include "scheduler/run/QueueSkips.h"

#include "core/dictionary/ProgramQueues.h"
#include "scripting/items/ScriptActions.h"
#include "platform/runtime/FixedText.h"

namespace vl {
namespace {

QString HeadAction()
{
    return Clip(ScriptQueue.first().RECORD.Action).toLower();
}

} // namespace

bool OpensScriptBlock(const QString& action)
{
    return Clip(action).toLower().startsWith(QLatin1String("if "));
}

bool ClosesScriptBlock(const QString& action)
{
    const QString lower = Clip(action).toLower();
    return lower.startsWith(QLatin1String("end")) || lower == QLatin1String("...end if");
}

bool ExitCurrentScript()
{
    do {
        ScriptQueue.removeFirst();
    } while (!ScriptQueue.isEmpty() && Clip(ScriptQueue.first().RECORD.Action) != QStringView(ScriptAction::End));
    return !ScriptQueue.isEmpty();
}

bool SkipFailedTest()
{
    int depth = 0;
    while (true) {
        ScriptQueue.removeFirst();
        if (ScriptQueue.isEmpty())
            return false;
        const QString action = HeadAction();
        if (OpensScriptBlock(action)) {
            ++depth;
        } else if (ClosesScriptBlock(action)) {
            if (depth == 0)
                return true;
            --depth;
        }
    }
}

} // namespace vl
