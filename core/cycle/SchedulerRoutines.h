#pragma once
// The routines the frame's timer tick runs. They live in other parts of the
// program (the due-task lookup, the background jobs, the script runner),
// which plug themselves in here when the program starts; a routine that is
// not plugged in is simply not run.
//
//     TickRoutines().findDueTask = [] { FindDueTask(); };

#include "core/dictionary/ScriptingRecord.h"

#include <QString>

#include <functional>

namespace vl {

struct SchedulerRoutines {
    // The four phases of the cycle, one per tick, only while the scheduler
    // is active.
    std::function<void()> checkAdvanceWarnings; // phase 1
    // Phase 2, once a day (at the run's first phase 2 and at the first after
    // the date changes); true when the daily check ran, so the task lists
    // refresh.
    std::function<bool()> removeExpiredHistory;
    // Phase 2 too, after the history check and whether or not it ran: the
    // yearly upkeep of the holiday list, once a day as well.
    std::function<void()> rollHolidays;
    std::function<void()> findDueTask;          // phase 3
    std::function<void()> collectExitCodes;     // phase 4

    // Every tick while the clipboard is monitored, active or not.
    std::function<void()> captureClipboard;
    // Every tick while a script runs: performs the head of the script queue
    // when it is due.
    std::function<void()> runDueScriptItem;
    // The one-line summary of a script item shown in the status bar.
    std::function<QString(const ScriptingRecord&)> describeScriptItem;
};

// The program's routines, read afresh on every tick.
SchedulerRoutines& TickRoutines();

} // namespace vl
