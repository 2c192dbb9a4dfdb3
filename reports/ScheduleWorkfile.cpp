#include "reports/ScheduleWorkfile.h"

#include "core/schedule/NextRun.h"
#include "platform/data/DataFileName.h"
#include "platform/runtime/Calendar.h"
#include "platform/runtime/FixedText.h"
#include "reports/WorkfileInserter.h"

#include <QFile>

#include <optional>

namespace vl {
namespace {

// The emptying deletes in batches of this many records; the progress is
// told between them, and every this many records of a filling.
constexpr int kBatch = 500;

constexpr char kScheduleTypeOnce[] = "Once";

bool Later(Date date, ClockTime time, Date thanDate, ClockTime thanTime)
{
    return date > thanDate || (date == thanDate && time > thanTime);
}

// Adds occurrences, numbering them, and keeps count. The work file is
// private to its report run: all of a filling goes in one batch, which stays
// open while the progress is told (nobody else waits for the file).
class WorkfileWriter {
public:
    WorkfileWriter(Table<ScheduleRecord>& workfile, int64_t limit, std::optional<KeyRef> readKey)
        : workfile_(workfile), inserter_(workfile), limit_(limit), readKey_(readKey), next_(workfile.Records() + 1)
    {
    }

    bool Begin()
    {
        if (!inserter_.Ready() || !inserter_.TreatAsScratch())
            return Fail(inserter_.Error());
        if (!workfile_.Stream())
            return Fail(workfile_.LastError());
        open_ = true;
        return inserter_.SetKeysAside() || Fail(inserter_.Error());
    }

    // The task whose occurrences follow.
    void Task(const ScheduleRecord& task) { inserter_.BindTask(task); }

    // False once the limit is reached or a write failed.
    bool Add(const ScheduleRecord& occurrence)
    {
        if (added_ >= limit_)
            return false;
        if (!inserter_.Add(occurrence, int32_t(next_)))
            return Fail(inserter_.Error());
        ++next_;
        ++added_;
        return true;
    }

    // Commits what was added (rolls it back after a failed write).
    bool End()
    {
        if (!open_)
            return true;
        open_ = false;
        if (error_.code != kNoError) {
            workfile_.Rollback();
            added_ = 0;
            return false;
        }
        const bool written = inserter_.Flush() || Fail(inserter_.Error());
        if (!written || !BuildKeys()) {
            workfile_.Rollback();
            added_ = 0;
            return false;
        }
        return workfile_.Flush() || Fail(workfile_.LastError());
    }

    int64_t Added() const { return added_; }
    bool LimitReached() const { return added_ >= limit_; }
    const DataError& Error() const { return error_; }

private:
    bool Fail(const DataError& error)
    {
        error_ = error;
        return false;
    }

    bool BuildKeys()
    {
        if (readKey_)
            return inserter_.BuildKey(*readKey_) || Fail(inserter_.Error());
        return workfile_.RebuildKeys() || Fail(workfile_.LastError());
    }

    Table<ScheduleRecord>& workfile_;
    WorkfileInserter inserter_;
    int64_t limit_;
    std::optional<KeyRef> readKey_; // the only key built; all without
    int64_t next_;
    int64_t added_ = 0;
    bool open_ = false;
    DataError error_;
};

// Moves a repeating task whose next run lies before `from` to its first
// occurrence on or after that day: one step from the last moment of the day
// before (the step rules take whole stretches at once), then single steps
// while it is still short of the range. False when the task stops moving.
bool StepIntoRange(ScheduleRecord& occurrence, Date from, NextRunOperation& operation)
{
    ComputeNextRun(occurrence, from - 1, kClockPerDay, operation);
    while (occurrence.Date < from) {
        const Date lastDate = occurrence.Date;
        const ClockTime lastTime = occurrence.Time;
        ComputeNextRun(occurrence, lastDate, lastTime + 1, operation);
        if (!Later(occurrence.Date, occurrence.Time, lastDate, lastTime))
            return false;
    }
    return true;
}

} // namespace

QString RecordNotDeletedText(const DataError& error)
{
    return QStringLiteral("An error (%1) was experienced when deleting a record from the Process:View file.")
        .arg(error.text);
}

QString WorkfileName(ClockTime now)
{
    return QString::number(now);
}

bool EmptyWorkfile(Table<ScheduleRecord>& workfile, const WorkfileProgress& progress, DataError& error)
{
    const int64_t total = workfile.Records();
    int64_t done = 0;
    ScheduleRecord record;
    workfile.Set(SCW_KEYID);
    bool more = true;
    while (more) {
        if (!workfile.Stream()) {
            error = workfile.LastError();
            return false;
        }
        int inBatch = 0;
        while (inBatch < kBatch && (more = workfile.Next(record))) {
            if (!workfile.Delete(record)) {
                error = workfile.LastError();
                workfile.Rollback();
                return false;
            }
            ++inBatch;
        }
        if (!more && workfile.LastError().WalkFailed()) {
            error = workfile.LastError();
            workfile.Rollback();
            return false;
        }
        if (!workfile.Flush()) {
            error = workfile.LastError();
            return false;
        }
        done += inBatch;
        if (progress && !progress(done, total))
            return false;
    }
    return true;
}

WorkfileResult CreateWorkfile(Table<ScheduleRecord>& schedule, Table<ScheduleRecord>& workfile, Date from, Date to,
                              const WorkfileProgress& progress, int64_t limit, std::optional<KeyRef> readKey)
{
    WorkfileResult result;
    const int64_t total = schedule.Records();
    int64_t read = 0;
    WorkfileWriter writer(workfile, limit, readKey);
    NextRunOperation operation; // "Invalid Units" at most once per filling
    auto finish = [&](WorkfileOutcome outcome, DataError error = {}) {
        if (!writer.End() && outcome != WorkfileOutcome::Failed) {
            outcome = WorkfileOutcome::Failed;
            error = writer.Error();
        }
        result.outcome = outcome;
        result.error = error;
        result.added = writer.Added();
        return result;
    };
    if (!writer.Begin())
        return finish(WorkfileOutcome::Failed, writer.Error());
    // The progress is told every kBatch records added or tasks read.
    int64_t sinceTold = 0;
    auto tell = [&]() -> std::optional<WorkfileOutcome> {
        if (++sinceTold < kBatch)
            return std::nullopt;
        sinceTold = 0;
        if (progress && !progress(read, total))
            return WorkfileOutcome::Cancelled;
        return std::nullopt;
    };
    auto add = [&](const ScheduleRecord& occurrence) -> std::optional<WorkfileOutcome> {
        if (!writer.Add(occurrence))
            return writer.LimitReached() ? WorkfileOutcome::Limited : WorkfileOutcome::Failed;
        return tell();
    };

    // Tasks whose next run lies before the range may repeat into it, so the
    // walk starts at the first dated task.
    ScheduleRecord start;
    start.Date = 1;
    schedule.Set(SCH_KEYDATE, start);
    ScheduleRecord task;
    while (schedule.Next(task)) {
        if (task.Date > to)
            break;
        ++read;
        const bool once = SameTextNoCase(Clip(task.ScheduleType), QLatin1String(kScheduleTypeOnce));
        // Occurrences are stepped on a private copy of the task.
        ScheduleRecord occurrence = task;
        if ((occurrence.Date < from && (once || !StepIntoRange(occurrence, from, operation))) || occurrence.Date > to) {
            if (const auto stop = tell())
                return finish(*stop);
            continue;
        }
        writer.Task(task);
        if (const auto stop = add(occurrence))
            return finish(*stop, writer.Error());
        if (once)
            continue;
        while (true) {
            const Date lastDate = occurrence.Date;
            const ClockTime lastTime = occurrence.Time;
            ComputeNextRun(occurrence, lastDate, lastTime + 1, operation);
            if (occurrence.Date > to || !Later(occurrence.Date, occurrence.Time, lastDate, lastTime))
                break;
            if (const auto stop = add(occurrence))
                return finish(*stop, writer.Error());
        }
    }
    if (schedule.ErrorCode() != kNoError && schedule.ErrorCode() != kRecordNotAvailable)
        return finish(WorkfileOutcome::Failed, schedule.LastError());
    if (!writer.End())
        return finish(WorkfileOutcome::Failed, writer.Error());
    // The last word goes to the progress: all read.
    if (progress && !progress(total, total))
        return finish(WorkfileOutcome::Cancelled);
    return finish(WorkfileOutcome::Completed);
}

void RemoveWorkfile(Table<ScheduleRecord>& workfile)
{
    while (workfile.IsOpen())
        workfile.Close();
    const QString path = ResolveDataFileName(workfile.Name(), workfile.Definition().Label()).path;
    for (const char* suffix : {"", "-wal", "-shm"})
        QFile::remove(path + QLatin1String(suffix));
}

} // namespace vl
