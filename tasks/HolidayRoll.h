#pragma once
// The yearly upkeep of the holiday list: a default list the first time,
// then every holiday whose date has passed moves on to its next date by its
// rule (HolidayRules.h), and a "Once" holiday that has passed is removed.
// It runs once a day from the frame's cycle, whether or not old history is
// being removed, so holiday exceptions keep working year after year.
//
// A day holds one holiday. A default holiday, or a holiday moving on, that
// meets another on its date is not stored there: the user is told which and
// why in one notice, and the holiday stays as it was. Notices never wait for
// the user: the frame's tick goes on while they are shown.

#include "core/dictionary/HolidaysRecord.h"
#include "platform/data/Table.h"

namespace vl {

// Configuration key set to "Y" once the default holidays were added.
inline constexpr char kDefaultHolidaysKey[] = "DEFHOL";
inline constexpr char kDefaultHolidaysCaption[] = "Default Holidays";
inline constexpr char kHolidayRollCaption[] = "Holidays";

// Fills an empty holiday list with the default holidays dated by the year
// of today (Christmas, New Year, national days, the Easter holidays of this
// year; some with past dates, which the roll-forward brings up to date); a
// list that holds holidays is left as it is. False when a file error stopped
// it (a notice says which).
bool SeedDefaultHolidays(Table<HolidaysRecord>& holidays, Date today);

// Moves every holiday dated before today on to its next date. One whose next
// date another holiday holds moves on year by year to the first date that is
// free, and says so (event log and notice). False when a file error stopped
// it (a notice says which).
bool RollHolidaysForward(Table<HolidaysRecord>& holidays, Date today);

// Victoria Day as older versions stored it: "Day of Month", which drifts a
// week in some years and meets Memorial Day. Such a holiday (its name starts
// "Victoria Day", a Monday in May) takes the rule "On or Before 24" and, when
// that day is free, the Monday before 25 May of its year; each change is
// logged. False when the table could not be read or written.
bool MendVictoriaDayRule(Table<HolidaysRecord>& holidays);

// The upkeep on the program's Holidays table: the old Victoria Day mended,
// the default list once (configuration "DEFHOL"), then the roll-forward. A
// table that cannot be opened or mended is said in a notice and left as it is.
void RollHolidays();

// Plugs the upkeep into the frame's cycle, to run on the first tick of
// phase 2 of each day.
void InstallHolidayRoutines();

} // namespace vl
