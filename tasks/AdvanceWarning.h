#pragma once
// A task's advance warning: derived from its run by the program INI's
// section "Warning" when a date is typed, refused when it lies after the run.

#include "core/dictionary/ScheduleRecord.h"
#include "platform/runtime/IniFile.h"

#include <optional>

namespace vl {

inline constexpr char kWarningSection[] = "Warning";
inline constexpr char kLateAdvanceWarningText[] = "Advanced Warning cannot be after scheduled task.";

// Section "Warning": "Active" (not 0: derive a warning for every date typed),
// "Date" (days before the run) and "Time" (hundredths of a second before it).
// Blank or unreadable entries count as 0.
struct AdvanceWarningSetting {
    bool active = false;
    int64_t days = 0;
    int64_t hundredths = 0;
};

AdvanceWarningSetting ReadAdvanceWarningSetting(const IniFile& programIni);

// When the setting is active, sets the warning to the run less the days and
// the hundredths, borrowing from the date when the time goes below midnight.
// A task without a date, a warning that would fall before the first day of
// the calendar and one that would fall after the run give no warning (both
// fields 0). False when the setting is not active (nothing changes).
bool DeriveAdvanceWarning(ScheduleRecord& task, const AdvanceWarningSetting& setting);

// A warning after the run (a later date, or the same date with a later time)
// is cleared, both fields 0; true when it had to be.
bool ClearLateAdvanceWarning(ScheduleRecord& task);

// The moment of the task's advance warning on a real day: a time below 0
// borrows from the date, a time past the day's end carries into the next
// (a time of 0 is the start of the day). Nothing when the task has no
// warning (date 0), no date of its own, or the warning would fall before the
// first day of the calendar.
struct WarningMoment {
    Date date = 0;
    ClockTime time = 0;
};
std::optional<WarningMoment> AdvanceWarningMoment(const ScheduleRecord& task);

} // namespace vl
