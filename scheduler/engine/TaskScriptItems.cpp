#include "scheduler/engine/TaskScriptItems.h"

namespace vl {

DataError CopyScriptToHistory(Table<ScriptingRecord>& scripting, int32_t taskId, int32_t historyId)
{
    return CopyTaskScript(scripting, taskId, historyId);
}

} // namespace vl
