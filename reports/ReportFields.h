#pragma once
// The texts the printed reports compute from a record before printing it:
// dates in the user's date picture, times, a task's status, the day heading
// of the checklist report and a to-do item's notes.

#include "core/dictionary/ScheduleRecord.h"
#include "core/dictionary/TodoRecord.h"

#include <QString>

namespace vl {

// The date in the user's date picture; blank for 0.
QString ReportDate(Date date);
// The time as "@t3" shows it (blank for 0).
QString ReportTime(ClockTime time);
// Hours and minutes ("@T1"; blank for 0).
QString ReportShortTime(ClockTime time);

// "Done" for a completed task (also when disabled), "Off" for a disabled
// one, else blank.
QString TaskStatusText(const ScheduleRecord& task);

// The weekday's name, one blank and the long date: "Monday January 5, 2026".
QString DayHeading(Date date);

// A to-do item's notes without trailing blanks, followed by a line break and
// its resolution when that is not blank.
QString NotesWithResolution(const TodoRecord& item);

// "X" for a set flag, blank otherwise.
QString Tick(uint8_t flag);

} // namespace vl
