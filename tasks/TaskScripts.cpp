#include "tasks/TaskScripts.h"

#include "core/engine/TaskScriptItems.h"
#include "platform/ui/PromptService.h"

namespace vl {

namespace {

bool Reported(const DataError& error, const char* text)
{
    if (error.Ok())
        return true;
    Prompt::Message(QLatin1String(text) + QLatin1Char('|') + error.Describe(), QLatin1String(kScriptErrorCaption),
                    PromptIcon::Stop);
    return false;
}

} // namespace

bool CopyScript(Table<ScriptingRecord>& scripting, int32_t sourceId, int32_t targetId)
{
    return Reported(CopyTaskScript(scripting, sourceId, targetId), kCopyScriptErrorText);
}

bool DeleteScript(Table<ScriptingRecord>& scripting, int32_t taskId)
{
    if (taskId == 0)
        return true;
    return Reported(DeleteTaskScript(scripting, taskId), kDeleteScriptErrorText);
}

} // namespace vl
