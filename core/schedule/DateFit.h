#pragma once
// Whether a date is one on which a task may run by its repetition rule: the
// task form and the wizards warn about a typed date that does not fit, and the
// calendar greys the days that do not. Every date that ComputeNextRun gives a
// repeating task fits.

#include "core/dictionary/ScheduleRecord.h"

namespace vl {

// True when the date (0: the task's own date) fits the task's repetition.
// "Once", "Yearly", "Custom" and unknown types fit every date, and so does a
// "Monthly" task that runs once a month. A twice-monthly task fits the 15th
// and the 1st (or, "Twice - 15th, Last", the month's last day), each moved by
// its offset. A "Day of Week" task fits its ticked weekdays, every day when
// none is ticked. A "Day of Month" task fits the last days of months when
// "Month End" is ticked; otherwise a date of a ticked weekday (any weekday
// when none is ticked) in a ticked week of the month (any week when none is
// ticked).
bool DateFitsSchedule(const ScheduleRecord& task, Date date = 0);

} // namespace vl
