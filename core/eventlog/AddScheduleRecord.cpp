#include "core/eventlog/AddScheduleRecord.h"

namespace vl {

bool AddScheduleRecord(ScheduleRecord& record, Table<ScheduleRecord>& schedule)
{
    // SCH:KEYID is auto-numbered: an ID of 0 is numbered inside the add's own
    // transaction.
    const int32_t formerId = record.ID;
    record.ID = 0;
    if (schedule.Add(record))
        return true;
    record.ID = formerId;
    return false;
}

} // namespace vl
