#include "scripting/run/QueueSkips.h"

#include "core/dictionary/ProgramQueues.h"
#include "scripting/items/ScriptActions.h"
#include "platform/runtime/FixedText.h"

namespace vl {
namespace {

QString HeadAction()
{
    return Clip(ScriptQueue.first().RECORD.Action).toLower();
}

bool OpensBlock(const QString& action)
{
    return action.startsWith(QLatin1String("if "));
}

bool ClosesBlock(const QString& action)
{
    return action.startsWith(QLatin1String("end")) || action == QLatin1String("...end if");
}

} // namespace

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
        if (OpensBlock(action)) {
            ++depth;
        } else if (ClosesBlock(action)) {
            if (depth == 0)
                return true;
            --depth;
        }
    }
}

} // namespace vl
