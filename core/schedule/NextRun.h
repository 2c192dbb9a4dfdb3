#pragma once
// Moving a task to its next occurrence after a given moment, by its
// repetition rule. The scheduler calls it after every run, the exception rules
// to step past an excluded time range, the task form and the wizards when a
// task is saved. The caller loads the task before and stores it afterwards;
// nothing here touches a table.

#include "core/dictionary/ScheduleRecord.h"

namespace vl {

// One operation that computes next runs (one save with its exception steps,
// one pass of a report) shows the "Invalid Units" box at most once, however
// many steps it takes. The caller keeps one of these for the operation.
struct NextRunOperation {
    bool invalidUnitsShown = false;
};

inline constexpr char kInvalidUnitsCaption[] = "Invalid Units";
inline constexpr char kInvalidUnitsText[] = "Custom repetition is not set up properly.  Select units.";

// Sets the task's date and time to its next occurrence after the moment
// (fromDate, fromTime):
// - "Once": only Completed becomes 1; the caller then completes the task.
// - "Monthly", "Yearly", "Day of Week", custom days, weeks, months and years
//   step until the occurrence lies past one minute after the moment (an
//   occurrence already past it stays); "Day of Month" steps until its date is
//   after fromDate; custom minutes and hours step at least once and until the
//   occurrence is later than the moment.
// - Any other schedule type repeats every Every units of EveryType (Every is
//   raised to 1 when below); unknown units show the "Invalid Units" box (once
//   per operation) and move the date to the day after fromDate when it was not
//   later already.
// A step that would leave the calendar (after 31 December 9999) stops there.
void ComputeNextRun(ScheduleRecord& task, Date fromDate, ClockTime fromTime, NextRunOperation& operation);

// The same, as an operation of its own.
void ComputeNextRun(ScheduleRecord& task, Date fromDate, ClockTime fromTime);

} // namespace vl
