#pragma once
// The pieces of a task's repetition rule that computing its next run and
// testing whether a date fits it share, so that the two always agree.

#include "core/dictionary/ScheduleRecord.h"

namespace vl {

inline constexpr char kScheduleOnce[] = "Once";
inline constexpr char kScheduleMonthly[] = "Monthly";
inline constexpr char kScheduleYearly[] = "Yearly";
inline constexpr char kScheduleDayOfWeek[] = "Day of Week";
inline constexpr char kScheduleDayOfMonth[] = "Day of Month";

// The dates the rules step through: from 1 January of the year 1 to
// 31 December 9999. Dates outside are brought to the nearer end, so that no
// step overflows and no search runs for ages on a corrupt record.
Date FirstScheduleDate();
Date LastScheduleDate();
Date ClampToScheduleDates(int64_t date);

// The schedule type compared whole (trailing blanks aside), case included.
bool HasScheduleType(const ScheduleRecord& task, const char* type);

// Weekday flags (0 = Sunday .. 6 = Saturday).
bool RunsOnWeekday(const ScheduleRecord& task, int weekday);
bool HasWeekdayFlag(const ScheduleRecord& task);
// The next day after the date whose weekday flag is set; the next day when no
// flag is set (the task then runs every day).
Date NextFlaggedDay(const ScheduleRecord& task, Date date);
// The weekday test of a date: its flag is set, or no flag is set at all.
bool FitsWeekdayFlags(const ScheduleRecord& task, Date date);

// Week-of-month flags of a "Day of Month" task: days 1-7 are the first week,
// 8-14 the second, 15-21 the third, 22-28 the fourth; "Last" is the last seven
// days of the month. A date fits when the flag of its week is set, when "Last"
// is set and it lies in the last seven days, or when no week flag is set.
bool FitsWeekOfMonthFlags(const ScheduleRecord& task, Date date);

bool IsLastDayOfMonth(Date date);
Date LastDayOfMonth(Date date);

// A "Monthly" task that runs twice a month ("Twice - 1st, 15th" or
// "Twice - 15th, Last").
bool RunsTwiceMonthly(const ScheduleRecord& task);
// "Twice - 15th, Last": the second run is the month's last day, not the 1st.
bool TwiceMonthlyOnLastDay(const ScheduleRecord& task);
// The offset in days that moves both monthly runs (the base day of a date is
// the date less the offset). A corrupt offset is held within +-1,000,000
// days, which keeps every date of the arithmetic inside 32 bits.
int32_t TwiceMonthlyOffset(const ScheduleRecord& task);

} // namespace vl
