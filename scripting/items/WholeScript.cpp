#include "scripting/items/WholeScript.h"

namespace vl {

namespace {

constexpr int32_t kMaxSequenceOffset = 1000;

// Ends the batch: committed when the work went through, rolled back when it
// stopped. The error that stopped the work, else the commit's.
template <class R>
DataError EndBatch(Table<R>& table, const DataError& stopped)
{
    if (!stopped.Ok()) {
        table.Rollback();
        return stopped;
    }
    table.Flush();
    return table.LastError();
}

} // namespace

template <class R>
DataError DeleteScriptItems(Table<R>& table, int32_t owner)
{
    if (!table.Stream())
        return table.LastError();
    std::vector<R> items;
    DataError stopped = ReadScriptItems(table, owner, items);
    for (const R& item : items) {
        if (!stopped.Ok())
            break;
        if (!table.Delete(item))
            stopped = table.LastError();
    }
    return EndBatch(table, stopped);
}

template DataError DeleteScriptItems(Table<ScriptingRecord>&, int32_t);
template DataError DeleteScriptItems(Table<ScriptTemplateDetailsRecord>&, int32_t);

DataError RestoreTaskScript(Table<ScriptingRecord>& scripting, int32_t taskId,
                            const std::vector<ScriptingRecord>& items)
{
    if (!scripting.Stream())
        return scripting.LastError();
    std::vector<ScriptingRecord> now;
    DataError stopped = ReadScriptItems(scripting, taskId, now);
    for (const ScriptingRecord& item : now) {
        if (!stopped.Ok())
            break;
        if (!scripting.Delete(item))
            stopped = scripting.LastError();
    }
    for (const ScriptingRecord& item : items) {
        if (!stopped.Ok())
            break;
        ScriptingRecord again = item;
        again.RecordPointer = 0;
        again.ID = taskId;
        if (!scripting.Add(again))
            stopped = scripting.LastError();
    }
    return EndBatch(scripting, stopped);
}

DataError CopyTaskScript(Table<ScriptingRecord>& scripting, int32_t fromTaskId, int32_t toTaskId)
{
    if (!scripting.Stream())
        return scripting.LastError();
    // The source as it stands before the first copy: copies added to the
    // same task are never copied again.
    std::vector<ScriptingRecord> items;
    DataError stopped = ReadScriptItems(scripting, fromTaskId, items);
    int32_t offset = 0;
    for (const ScriptingRecord& item : items) {
        if (!stopped.Ok())
            break;
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

} // namespace vl
