#include "scripting/items/WholeScript.h"

namespace vl {

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
    return EndScriptItemBatch(table, stopped);
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
    return EndScriptItemBatch(scripting, stopped);
}

template <class R>
DataError CopyScriptItems(Table<R>& table, int32_t from, int32_t to, const ProgressStep& progress)
{
    if (!table.Stream())
        return table.LastError();
    // The source as it stands before the first copy: copies added to the
    // same owner are never copied again.
    std::vector<R> items;
    DataError stopped = ReadScriptItems(table, from, items);
    int32_t offset = 0;
    for (size_t i = 0; i < items.size(); ++i) {
        if (!stopped.Ok())
            break;
        if (progress && !progress(int64_t(i), int64_t(items.size()))) {
            table.Rollback();
            return {};
        }
        const R& item = items[i];
        R copy = item;
        copy.RecordPointer = 0;
        ScriptItemTable<R>::Owner(copy) = to;
        copy.Sequence = item.Sequence + offset;
        while (!table.Add(copy)) {
            if (table.ErrorCode() != kDuplicateKey || offset >= kMaxSequenceOffset) {
                stopped = table.LastError();
                break;
            }
            copy.Sequence = item.Sequence + ++offset;
        }
    }
    return EndScriptItemBatch(table, stopped);
}

template DataError CopyScriptItems(Table<ScriptingRecord>&, int32_t, int32_t, const ProgressStep&);
template DataError CopyScriptItems(Table<ScriptTemplateDetailsRecord>&, int32_t, int32_t, const ProgressStep&);

} // namespace vl
