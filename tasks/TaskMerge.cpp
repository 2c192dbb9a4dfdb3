#include "tasks/TaskMerge.h"

#include "core/dictionary/TableDefinitions.h"

namespace vl {

namespace {

const TableDef& Schedule()
{
    return *ScheduleDefinition();
}

bool SameField(int field, const ScheduleRecord& a, const ScheduleRecord& b)
{
    return Schedule().StoredValue(field, a) == Schedule().StoredValue(field, b);
}

void CopyField(int field, const ScheduleRecord& from, ScheduleRecord& to)
{
    const FieldDef& def = Schedule().Fields().at(field);
    def.set(to, def.get(from));
}

} // namespace

TaskMerge MergeTaskEdits(const ScheduleRecord& base, const ScheduleRecord& mine, const ScheduleRecord& theirs)
{
    TaskMerge merge;
    merge.merged = mine;
    merge.merged.RecordPointer = theirs.RecordPointer;
    const int fields = static_cast<int>(Schedule().Fields().size());
    for (int field = 0; field < fields; ++field) {
        if (SameField(field, base, theirs) || SameField(field, mine, theirs))
            continue;
        if (SameField(field, base, mine)) {
            CopyField(field, theirs, merge.merged);
        } else {
            merge.conflictFields.push_back(field);
            merge.conflicts << Schedule().Fields().at(field).column;
        }
    }
    return merge;
}

void TakeStoredValues(TaskMerge& merge, const ScheduleRecord& theirs)
{
    for (const int field : merge.conflictFields)
        CopyField(field, theirs, merge.merged);
}

bool SameStoredTask(const ScheduleRecord& a, const ScheduleRecord& b)
{
    const int fields = static_cast<int>(Schedule().Fields().size());
    for (int field = 0; field < fields; ++field) {
        if (!SameField(field, a, b))
            return false;
    }
    return true;
}

} // namespace vl
