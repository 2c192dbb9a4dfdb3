#include "scripting/items/TaskScripts.h"

#include "platform/ui/PromptService.h"
#include "scripting/items/WholeScript.h"

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

template <class R>
bool DeleteAll(Table<R>& table, int32_t owner)
{
    if (owner == 0)
        return true;
    return Reported(DeleteScriptItems(table, owner), kDeleteScriptErrorText);
}

template <class R>
bool ClearAll(Table<R>& table, int32_t owner)
{
    const StandardButton answer = Prompt::Ask(QLatin1String(kClearAllText), QLatin1String(kClearAllCaption),
                                              PromptIcon::Question, ButtonYes | ButtonNo, ButtonNo);
    return answer == ButtonYes && owner != 0 && DeleteAll(table, owner);
}

} // namespace

bool CopyScript(Table<ScriptingRecord>& scripting, int32_t sourceId, int32_t targetId)
{
    return Reported(CopyTaskScript(scripting, sourceId, targetId), kCopyScriptErrorText);
}

bool DeleteScript(Table<ScriptingRecord>& scripting, int32_t taskId)
{
    return DeleteAll(scripting, taskId);
}

bool DeleteScriptTemplateDetails(Table<ScriptTemplateDetailsRecord>& details, int32_t templateId)
{
    return DeleteAll(details, templateId);
}

bool ClearScriptItems(Table<ScriptingRecord>& scripting, int32_t taskId)
{
    return ClearAll(scripting, taskId);
}

bool ClearScriptItems(Table<ScriptTemplateDetailsRecord>& details, int32_t templateId)
{
    return ClearAll(details, templateId);
}

} // namespace vl
