#pragma once
// The work file of future occurrences: for one report run, every occurrence
// of every task within a date range. A task whose next run lies in the range
// gives that run and each later one up to the end of the range; a repeating
// task whose next run lies before the range gives the occurrences it steps
// onto within it. Each record is one occurrence:
// the task's fields with the occurrence's date and time, the records numbered
// 1, 2, 3 ... in the order they were added, without the message text.
// Schedule is only read; occurrences are stepped on a private copy.

#include "core/dictionary/ScheduleRecord.h"
#include "platform/data/DataError.h"
#include "platform/data/Table.h"

#include <functional>
#include <optional>

namespace vl {

// Told the records done so far of the total; answers false to stop.
using WorkfileProgress = std::function<bool(int64_t done, int64_t total)>;

// A range can hold far more occurrences than anyone prints (a task every
// minute over years): the filling stops at this many records and says so.
inline constexpr int64_t kWorkfileRecordLimit = 100'000;
inline constexpr char kWorkfileLimitCaption[] = "Report Too Long";
// "%1": the limit.
inline constexpr char kWorkfileLimitText[] =
    "The tasks repeat more than %1 times within the date range, more than a report can sensibly hold.  "
    "Choose a shorter date range or a category.";

// Said when a record of the work file could not be deleted while emptying it.
inline constexpr char kRecordNotDeletedCaption[] = "Record was not deleted";
// The engine's error text filled in; the file is named as the emptying
// reads it, "Process:View".
QString RecordNotDeletedText(const DataError& error);

enum class WorkfileOutcome { Completed, Cancelled, Limited, Failed };

struct WorkfileResult {
    WorkfileOutcome outcome = WorkfileOutcome::Completed;
    int64_t added = 0;
    DataError error; // a Failed outcome's
};

// The work file's name for a run started at this clock value: its digits.
QString WorkfileName(ClockTime now);

// Deletes every record of the open work file; false when stopped or failed
// (a failure leaves its error in `error`).
bool EmptyWorkfile(Table<ScheduleRecord>& workfile, const WorkfileProgress& progress, DataError& error);

// Fills the open work file (emptied first with EmptyWorkfile) from the open
// Schedule table for the range from..to (inclusive), stopping at `limit`
// records. The work file is a data file of its own (named by WorkfileName)
// and is filled as scratch: its commit is not forced to the disk, and a
// filling cut short by a crash leaves it as it was before.
// With `readKey`, that is the only key the filled file has: a report reads it
// in that one order while it stays open and then removes it, and building
// the other keys would take about three times as long as the rest of the
// filling (reopened, such a file says its keys need rebuilding). Without,
// every key is built.
WorkfileResult CreateWorkfile(Table<ScheduleRecord>& schedule, Table<ScheduleRecord>& workfile, Date from, Date to,
                              const WorkfileProgress& progress, int64_t limit = kWorkfileRecordLimit,
                              std::optional<KeyRef> readKey = std::nullopt);

// Closes the work file and removes its data file from the disk.
void RemoveWorkfile(Table<ScheduleRecord>& workfile);

} // namespace vl
