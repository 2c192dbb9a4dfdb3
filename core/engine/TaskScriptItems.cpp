#include "core/engine/TaskScriptItems.h"

#include <limits>

namespace vl {

namespace {

constexpr int32_t kMaxSequenceOffset = 1000;

// Positions a cursor before the first item of the task.
void SetToTask(Cursor<ScriptingRecord>& cursor, int32_t taskId)
{
    ScriptingRecord position;
    position.ID = taskId;
    position.Sequence = std::numeric_limits<int32_t>::min();
    cursor.Set(SCR_KEYID, position);
}

// Ends a batch, keeping the error that ended the work (if any) as the
// outcome.
bool EndBatch(Table<ScriptingRecord>& scripting, bool ok)
{
    const bool flushed = scripting.Flush();
    return ok && flushed;
}

} // namespace

bool DeleteTaskScript(Table<ScriptingRecord>& scripting, int32_t taskId)
{
    if (!scripting.Stream())
        return false;
    Cursor<ScriptingRecord> cursor(scripting);
    SetToTask(cursor, taskId);
    bool ok = true;
    ScriptingRecord item;
    while (ok && cursor.Next(item) && item.ID == taskId)
        ok = scripting.Delete(item);
    if (ok && scripting.ErrorCode() != kNoError && scripting.ErrorCode() != kRecordNotAvailable)
        ok = false;
    return EndBatch(scripting, ok);
}

bool CopyTaskScript(Table<ScriptingRecord>& scripting, int32_t fromTaskId, int32_t toTaskId)
{
    if (fromTaskId == toTaskId)
        return true;
    if (!scripting.Stream())
        return false;
    Cursor<ScriptingRecord> cursor(scripting);
    SetToTask(cursor, fromTaskId);
    int32_t offset = 0;
    bool ok = true;
    ScriptingRecord item;
    while (ok && cursor.Next(item) && item.ID == fromTaskId) {
        ScriptingRecord copy = item;
        copy.RecordPointer = 0;
        copy.ID = toTaskId;
        for (;;) {
            copy.Sequence = item.Sequence + offset;
            if (scripting.Add(copy))
                break;
            if (scripting.ErrorCode() != kDuplicateKey || offset >= kMaxSequenceOffset) {
                ok = false;
                break;
            }
            ++offset;
        }
    }
    if (ok && scripting.ErrorCode() != kNoError && scripting.ErrorCode() != kRecordNotAvailable)
        ok = false;
    return EndBatch(scripting, ok);
}

bool CopyScriptToHistory(Table<ScriptingRecord>& scripting, int32_t taskId, int32_t historyId)
{
    return CopyTaskScript(scripting, taskId, historyId);
}

} // namespace vl
