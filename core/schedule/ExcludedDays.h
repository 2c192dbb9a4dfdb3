#pragma once
// The days a task's exceptions exclude: weekends, weekdays, the dates of the
// Holidays table, and chosen weekdays (EXCEPTOTHER: character 1 = Sunday ..
// 7 = Saturday, "Y" = excluded).

#include "core/dictionary/HolidaysRecord.h"
#include "core/dictionary/ScheduleRecord.h"
#include "platform/data/Table.h"

#include <optional>

namespace vl {

// Whether any day exception is set.
bool HasDayExceptions(const ScheduleRecord& task);

class ExcludedDays {
public:
    // Reads the task's exceptions as they are at each test; the Holidays
    // table is opened on first use and looked up only when it holds records.
    ExcludedDays(const ScheduleRecord& task, Table<HolidaysRecord>& holidays);

    // Tested in the order weekends, weekdays, holidays, chosen weekdays. A
    // Holidays table that cannot be read excludes no day.
    bool IsExcluded(Date date);

private:
    bool IsHoliday(Date date);

    const ScheduleRecord& task_;
    Table<HolidaysRecord>& holidays_;
    std::optional<bool> holidaysStored_;
};

// Moves the task's date to the nearest day on or after it (before it) that is
// not excluded, testing at most 366 days; when all are excluded the date ends
// 366 days from where it started. The time stays.
void MoveToNextValidDay(ScheduleRecord& task, ExcludedDays& excluded);
void MoveToPreviousValidDay(ScheduleRecord& task, ExcludedDays& excluded);

} // namespace vl
