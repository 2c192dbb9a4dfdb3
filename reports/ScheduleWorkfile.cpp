#include "reports/ScheduleWorkfile.h"

#include "core/schedule/NextRun.h"
#include "platform/data/DataFileName.h"
#include "platform/runtime/FixedText.h"

#include <QFile>

#include <optional>

namespace vl {
namespace {

// Writes go in batches of this many records; progress is told between them
// (never inside a batch, since a prompt may follow).
constexpr int kBatch = 500;

constexpr char kScheduleTypeOnce[] = "Once";

bool Later(Date date, ClockTime time, Date thanDate, ClockTime thanTime)
{
    return date > thanDate || (date == thanDate && time > thanTime);
}

// Adds occurrences in batches, numbering them, and keeps count.
class WorkfileWriter {
public:
    WorkfileWriter(Table<ScheduleRecord>& workfile, int64_t limit)
        : workfile_(workfile), limit_(limit), next_(workfile.Records() + 1)
    {
    }

    // False once the limit is reached or a write failed.
    bool Add(const ScheduleRecord& task)
    {
        if (added_ >= limit_)
            return false;
        if (inBatch_ == 0 && !workfile_.Stream())
            return Fail();
        ScheduleRecord copy = task;
        copy.RecordPointer = 0;
        copy.ID = int32_t(next_);
        copy.Message.clear();
        if (!workfile_.Add(copy)) {
            const DataError error = workfile_.LastError();
            workfile_.Rollback();
            error_ = error;
            inBatch_ = 0;
            return false;
        }
        ++next_;
        ++added_;
        ++inBatch_;
        return true;
    }

    // Commits the batch when it is full (or always); false when that failed.
    bool Commit(bool always)
    {
        if (inBatch_ == 0 || (!always && inBatch_ < kBatch))
            return true;
        inBatch_ = 0;
        return workfile_.Flush() || Fail();
    }

    bool BatchOpen() const { return inBatch_ > 0; }
    int64_t Added() const { return added_; }
    bool LimitReached() const { return added_ >= limit_; }
    const DataError& Error() const { return error_; }

private:
    bool Fail()
    {
        error_ = workfile_.LastError();
        return false;
    }

    Table<ScheduleRecord>& workfile_;
    int64_t limit_;
    int64_t next_;
    int64_t added_ = 0;
    int inBatch_ = 0;
    DataError error_;
};

} // namespace

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
                              const WorkfileProgress& progress, int64_t limit)
{
    WorkfileResult result;
    DataError emptyError;
    EmptyWorkfile(workfile, progress, emptyError); // its outcome does not stop the filling

    const int64_t total = schedule.Records();
    int64_t read = 0;
    WorkfileWriter writer(workfile, limit);
    NextRunOperation operation; // "Invalid Units" at most once per filling
    auto finish = [&](WorkfileOutcome outcome, DataError error = {}) {
        if (!writer.Commit(true) && outcome != WorkfileOutcome::Failed) {
            outcome = WorkfileOutcome::Failed;
            error = writer.Error();
        }
        result.outcome = outcome;
        result.error = error;
        result.added = writer.Added();
        return result;
    };
    // After each record: commits a full batch and, between batches, asks
    // whether to go on.
    auto checkpoint = [&]() -> std::optional<WorkfileOutcome> {
        if (!writer.Commit(false))
            return WorkfileOutcome::Failed;
        if (!writer.BatchOpen() && progress && !progress(read, total))
            return WorkfileOutcome::Cancelled;
        return std::nullopt;
    };
    auto add = [&](const ScheduleRecord& occurrence) -> std::optional<WorkfileOutcome> {
        if (!writer.Add(occurrence))
            return writer.LimitReached() ? WorkfileOutcome::Limited : WorkfileOutcome::Failed;
        return checkpoint();
    };

    ScheduleRecord start;
    start.Date = from;
    schedule.Set(SCH_KEYDATE, start);
    ScheduleRecord task;
    while (schedule.Next(task)) {
        if (task.Date > to)
            break;
        ++read;
        if (task.Date < from)
            continue;
        if (const auto stop = add(task))
            return finish(*stop, writer.Error());
        if (SameTextNoCase(Clip(task.ScheduleType), QLatin1String(kScheduleTypeOnce)))
            continue;
        // Later occurrences, stepped on a private copy of the task.
        ScheduleRecord occurrence = task;
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
