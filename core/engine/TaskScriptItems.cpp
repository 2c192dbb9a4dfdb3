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

// Reads the task's next item; false at the end of its items, or when the
// read failed (then `stopped` holds why).
bool NextItem(Cursor<ScriptingRecord>& cursor, Table<ScriptingRecord>& scripting, int32_t taskId,
              ScriptingRecord& item, DataError& stopped)
{
    if (cursor.Next(item))
        return item.ID == taskId;
    if (scripting.ErrorCode() != kRecordNotAvailable)
        stopped = scripting.LastError();
    return false;
}

// Commits the batch; the error that stopped the work, else the commit's.
DataError EndBatch(Table<ScriptingRecord>& scripting, const DataError& stopped)
{
    scripting.Flush();
    return stopped.Ok() ? scripting.LastError() : stopped;
}

} // namespace

DataError DeleteTaskScript(Table<ScriptingRecord>& scripting, int32_t taskId)
{
    if (!scripting.Stream())
        return scripting.LastError();
    Cursor<ScriptingRecord> cursor(scripting);
    SetToTask(cursor, taskId);
    DataError stopped;
    ScriptingRecord item;
    while (stopped.Ok() && NextItem(cursor, scripting, taskId, item, stopped)) {
        if (!scripting.Delete(item))
            stopped = scripting.LastError();
    }
    return EndBatch(scripting, stopped);
}

DataError CopyTaskScript(Table<ScriptingRecord>& scripting, int32_t fromTaskId, int32_t toTaskId)
{
    if (fromTaskId == toTaskId)
        return {};
    if (!scripting.Stream())
        return scripting.LastError();
    Cursor<ScriptingRecord> cursor(scripting);
    SetToTask(cursor, fromTaskId);
    int32_t offset = 0;
    DataError stopped;
    ScriptingRecord item;
    while (stopped.Ok() && NextItem(cursor, scripting, fromTaskId, item, stopped)) {
        ScriptingRecord copy = item;
        copy.RecordPointer = 0;
        copy.ID = toTaskId;
        copy.Sequence = item.Sequence + offset;
        while (!scripting.Add(copy)) {
            if (scripting.ErrorCode() != kDuplicateKey || offset >= kMaxSequenceOffset) {
                stopped = scripting.LastError();
                break;
            }
            copy.Sequence = item.Sequence + ++offset;
        }
    }
    return EndBatch(scripting, stopped);
}

DataError CopyScriptToHistory(Table<ScriptingRecord>& scripting, int32_t taskId, int32_t historyId)
{
    return CopyTaskScript(scripting, taskId, historyId);
}

} // namespace vl
