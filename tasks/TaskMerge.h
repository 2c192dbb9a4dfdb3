#pragma once
// Two edits of one task meet: the form's (mine) and the one stored meanwhile
// by the scheduler or another window (theirs), both made from the task as
// the form read it (base). Field by field, the side that changed a field
// gives its value; a field both changed to different values is a conflict.

#include "core/dictionary/ScheduleRecord.h"

#include <QStringList>

#include <vector>

namespace vl {

struct TaskMerge {
    ScheduleRecord merged;           // conflicts hold mine; the record pointer is theirs
    std::vector<int> conflictFields; // indexes into the Schedule table's fields
    QStringList conflicts;           // their names ("Date", "Description")
};

// Field values are compared as they are stored (clipped, cut).
TaskMerge MergeTaskEdits(const ScheduleRecord& base, const ScheduleRecord& mine, const ScheduleRecord& theirs);

// Resolves the conflicts in favour of the stored values.
void TakeStoredValues(TaskMerge& merge, const ScheduleRecord& theirs);

// Both hold the same stored values.
bool SameStoredTask(const ScheduleRecord& a, const ScheduleRecord& b);

} // namespace vl
