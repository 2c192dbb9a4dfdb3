#pragma once
// One task of a synchronisation exchange file (SyncSchedule, prefix SSch):
// the Schedule layout with one more flag, BIMONTHLY, stored right after
// LastDayofMonth. Copies between the two tables go field by field
// (CopyScheduleFields), never as one block.

#include <cstdint>

#include "core/dictionary/ScheduleRecord.h"

namespace vl {

struct SyncScheduleRecord : ScheduleRecord {
    uint8_t BIMONTHLY = 0; // BYTE, inside EVERYORDINAL after LastDayofMonth
};

// Copies every task field (and the message) from one task record to another
// of any of the three task tables. The target keeps its record pointer, so it
// still names its own stored row; BIMONTHLY, which only the synchronisation
// table has, is left as it is. A work-table copy's message is cut to its
// 1000 characters when stored.
inline void CopyScheduleFields(const ScheduleRecord& from, ScheduleRecord& to)
{
    const int64_t pointer = to.RecordPointer;
    to = from;
    to.RecordPointer = pointer;
}

// Keys of SyncSchedule.
inline constexpr KeyRef SSCH_KEYID{"SSCH:KEYID"};
inline constexpr KeyRef SSCH_KEYUSER{"SSCH:KEYUSER"};
inline constexpr KeyRef SSCH_KEYDATE{"SSCH:KEYDATE"};
inline constexpr KeyRef SSCH_KEYUSERDATE{"SSCH:KEYUSERDATE"};
inline constexpr KeyRef SSCH_KEYCATEGORY{"SSCH:KEYCATEGORY"};
inline constexpr KeyRef SSCH_KEYCATEGORYDATE{"SSCH:KEYCATEGORYDATE"};
inline constexpr KeyRef SSCH_KEYTASKNAME{"SSCH:KEYTASKNAME"};
inline constexpr KeyRef SSCH_KEYTASKTYPE{"SSCH:KEYTASKTYPE"};
inline constexpr KeyRef SSCH_KEYTASKDATE{"SSCH:KEYTASKDATE"};
inline constexpr KeyRef SSCH_KEYDATEENABLED{"SSCH:KEYDATEENABLED"};
inline constexpr KeyRef SSCH_KEYADVANCED{"SSCH:KEYADVANCED"};
inline constexpr KeyRef SSCH_KEYUSERADVANCED{"SSCH:KEYUSERADVANCED"};
inline constexpr KeyRef SSCH_KEYEXPIRYDATE{"SSCH:KEYEXPIRYDATE"};
inline constexpr KeyRef SSCH_KEYORIGINALID{"SSCH:KEYORIGINALID"};

} // namespace vl
