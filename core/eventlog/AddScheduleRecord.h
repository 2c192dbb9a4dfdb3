#pragma once
// Storing a copy of a task as a new task (history records, shifted
// occurrences, snoozed messages, quick starts, imported tasks).

#include "core/dictionary/ScheduleRecord.h"
#include "platform/data/Table.h"

namespace vl {

// Adds the record, with its message, to the Schedule table under the next
// free ID: the highest stored ID + 1, or 1 for an empty table. The ID is
// taken and the record added in one write transaction, so two programs
// adding at once never take the same ID. Afterwards the record holds what was
// stored (its new ID and record pointer); false with the table's error when
// the add failed, the record then keeps its former ID. The table must be open
// (or marked for use).
bool AddScheduleRecord(ScheduleRecord& record, Table<ScheduleRecord>& schedule);

} // namespace vl
