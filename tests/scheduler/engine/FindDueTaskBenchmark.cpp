// How long the scheduler's lookup of the next task takes when 10,000 enabled
// tasks without date and time come first in the due order, against the same
// table without them: while the table stays as it is (the task found last
// is kept), and when it changed before every lookup (the table is read
// again), beside the floor of one read: the engine's own seek on the same
// index of the same file, through the same connection, reading every column
// of the row the lookup finds, with and without the same change before it;
// and getting one task by its pointer through the data layer. A change is
// written through this program's connection, or committed by another
// connection (another program), after which the engine reads the file's
// pages afresh.

#include "core/dictionary/Dictionary.h"
#include "scheduler/engine/DueTask.h"
#include "scheduler/engine/TaskFrame.h"
#include "core/cycle/SchedulerState.h"
#include "platform/data/Connection.h"
#include "platform/runtime/Clock.h"

#include <QDir>
#include <QTemporaryDir>

#include <sqlite3.h>

#include <chrono>
#include <string>
#include <vector>

#include <benchmark/benchmark.h>

namespace vl {
namespace {

const Date kToday = MakeDate(3, 12, 2025);
constexpr int kDatedTasks = 100;

class QuietFrame : public TaskFrame {
public:
    void RestoreFromTray() override {}
    void SetTrayTip(const QString&) override {}
};

void AddTasks(int count, const std::function<void(ScheduleRecord&, int)>& make)
{
    Table<ScheduleRecord>& schedule = Tables().Schedule;
    schedule.Stream();
    for (int i = 0; i < count; ++i) {
        ScheduleRecord task;
        schedule.Prime(task);
        task.TaskType = "Run Program";
        task.ScheduleType = "Day of Week";
        task.Disabled = 0;
        make(task, i);
        if (!schedule.Add(task))
            qFatal("add failed: %s", qPrintable(schedule.LastError().Describe()));
    }
    if (!schedule.Flush())
        qFatal("commit failed: %s", qPrintable(schedule.LastError().Describe()));
}

// A data directory of its own with 100 dated tasks after `undated` tasks
// without date and time, the clock before all of them.
class DueTaskFiles {
public:
    explicit DueTaskFiles(int undated)
    {
        QDir::setCurrent(dir_.path());
        DictionaryStart();
        OpenTable(Tables().Schedule);
        AddTasks(kDatedTasks, [](ScheduleRecord& task, int i) {
            task.Description = QStringLiteral("Dated %1").arg(i);
            task.Date = kToday + 1 + i;
            task.Time = MakeClock(9, 0);
        });
        AddTasks(undated, [](ScheduleRecord& task, int i) {
            task.Description = QStringLiteral("Undated %1").arg(i);
        });
    }
    ~DueTaskFiles()
    {
        DictionaryEnd();
        QDir::setCurrent(home_);
    }
    DueTaskFiles(const DueTaskFiles&) = delete;
    DueTaskFiles& operator=(const DueTaskFiles&) = delete;

private:
    QString home_ = QDir::currentPath();
    QTemporaryDir dir_;
};

// The change made before each timed read: none, one through this program's
// connection, or one committed by another connection. Only the read is
// timed, by the clock around it: pausing the benchmark's timer for the change
// costs more than a microsecond itself, which would count as the read's.
enum Change : int64_t { kNoChange = 0, kOwnChange = 1, kOtherChange = 2 };

using Moment = std::chrono::steady_clock::time_point;

double SecondsSince(Moment start)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

class TableChange {
public:
    TableChange(Change change) : change_(change)
    {
        Table<ScheduleRecord>& schedule = Tables().Schedule;
        last_.ID = kDatedTasks;
        schedule.Get(SCH_KEYID, last_);
        if (change_ != kOtherChange)
            return;
        std::shared_ptr<DataConnection> connection;
        QString table;
        DataError error;
        if (!schedule.Storage(connection, table)
            || !(other_ = DataConnection::ConnectPrivate(connection->Path(), error)))
            qFatal("no other connection");
        update_ = std::make_unique<SQLite::Statement>(
            other_->Db(), QStringLiteral("UPDATE \"%1\" SET \"LASTCHANGETIME\" = \"LASTCHANGETIME\" + 1 WHERE rowid = %2")
                              .arg(table)
                              .arg(last_.RecordPointer)
                              .toStdString());
    }

    // A change the lookup does not depend on.
    void Make()
    {
        if (change_ == kOwnChange) {
            ++last_.LASTCHANGETIME;
            Tables().Schedule.Put(last_);
        } else if (change_ == kOtherChange) {
            update_->exec();
            update_->reset();
        }
    }

private:
    Change change_;
    ScheduleRecord last_;
    std::unique_ptr<DataConnection> other_;
    std::unique_ptr<SQLite::Statement> update_;
};

void BM_FindDueTask(benchmark::State& state)
{
    const DueTaskFiles files(static_cast<int>(state.range(0)));
    const bool changed = state.range(1) != kNoChange;
    TableChange change(static_cast<Change>(state.range(1)));
    SettableClock clock(kToday, MakeClock(10, 0));
    ClockOverride useClock(clock);
    QuietFrame frame;
    TaskFrameOverride useFrame(frame);

    for (auto _ : state) {
        if (changed)
            change.Make();
        const Moment start = std::chrono::steady_clock::now();
        FindDueTask();
        state.SetIterationTime(SecondsSince(start));
    }
    if (NextTaskText != QLatin1String("Next: Dated 0"))
        state.SkipWithError(qPrintable("wrong next task: " + NextTaskText));
}
BENCHMARK(BM_FindDueTask)
    ->ArgNames({"undated", "changed"})
    ->ArgsProduct({{0, 10'000}, {kNoChange, kOwnChange, kOtherChange}})
    ->UseManualTime()
    ->Unit(benchmark::kMicrosecond);

// The first enabled task with a date or a time, sought by the engine itself
// on the program's connection: one statement, prepared once, on the index of
// the due order (forced, so the seek is the one the lookup makes), every
// column of the row read and its texts copied out, as a lookup must hand
// them out after the statement ends. The bound is "at or past (0, 1)": past
// (0, 0) the engine would step over the undated tasks one by one.
class RawSeek {
public:
    RawSeek()
    {
        QString table;
        if (!Tables().Schedule.Storage(connection_, table))
            qFatal("no table");
        const std::string sql =
            QStringLiteral("SELECT * FROM \"%1\" INDEXED BY \"%1|SCH:KEYDATEENABLED\" WHERE \"Disabled\" = 0"
                           " AND (\"Date\", \"Time\") >= (0, 1) ORDER BY \"Date\", \"Time\", \"_ptr\" LIMIT 1")
                .arg(table)
                .toStdString();
        sqlite3* db = connection_->Db().getHandle();
        if (sqlite3_prepare_v3(db, sql.c_str(), -1, SQLITE_PREPARE_PERSISTENT, &statement_, nullptr) != SQLITE_OK)
            qFatal("prepare failed: %s", sqlite3_errmsg(db));
        const int columns = sqlite3_column_count(statement_);
        numbers_.resize(columns);
        texts_.resize(columns);
        for (int i = 0; i < columns; ++i)
            description_ = std::string(sqlite3_column_name(statement_, i)) == "Description" ? i : description_;
    }
    ~RawSeek() { sqlite3_finalize(statement_); }
    RawSeek(const RawSeek&) = delete;
    RawSeek& operator=(const RawSeek&) = delete;

    // The found task's description; empty when none was found.
    const std::string& Seek()
    {
        texts_[description_].clear();
        if (sqlite3_step(statement_) == SQLITE_ROW) {
            for (int i = 0; i < static_cast<int>(texts_.size()); ++i) {
                if (sqlite3_column_type(statement_, i) == SQLITE_TEXT)
                    texts_[i].assign(reinterpret_cast<const char*>(sqlite3_column_text(statement_, i)),
                                     static_cast<size_t>(sqlite3_column_bytes(statement_, i)));
                else
                    numbers_[i] = sqlite3_column_int64(statement_, i);
            }
        }
        sqlite3_reset(statement_);
        benchmark::DoNotOptimize(numbers_.data());
        return texts_[description_];
    }

private:
    std::shared_ptr<DataConnection> connection_;
    sqlite3_stmt* statement_ = nullptr;
    int description_ = 0;
    std::vector<int64_t> numbers_;
    std::vector<std::string> texts_;
};

// The floor of the lookup: the raw seek above, the table changed before every
// seek as in the cases of the lookup.
void BM_RawSeek(benchmark::State& state)
{
    const DueTaskFiles files(static_cast<int>(state.range(0)));
    const bool changed = state.range(1) != kNoChange;
    TableChange change(static_cast<Change>(state.range(1)));
    RawSeek seek;
    bool found = true;
    for (auto _ : state) {
        if (changed)
            change.Make();
        const Moment start = std::chrono::steady_clock::now();
        const std::string& description = seek.Seek();
        state.SetIterationTime(SecondsSince(start));
        found = found && description == "Dated 0";
    }
    if (!found)
        state.SkipWithError("wrong next task");
}
BENCHMARK(BM_RawSeek)
    ->ArgNames({"undated", "changed"})
    ->ArgsProduct({{0, 10'000}, {kNoChange, kOwnChange, kOtherChange}})
    ->UseManualTime()
    ->Unit(benchmark::kMicrosecond);

// The floor of a lookup that reads the table: one task got by its pointer.
void BM_PointerSeek(benchmark::State& state)
{
    const DueTaskFiles files(static_cast<int>(state.range(0)));
    Table<ScheduleRecord>& schedule = Tables().Schedule;
    ScheduleRecord task;
    int64_t pointer = 0;
    for (auto _ : state) {
        pointer = pointer % kDatedTasks + 1;
        if (!schedule.Get(pointer, task))
            state.SkipWithError("get failed");
    }
}
BENCHMARK(BM_PointerSeek)->ArgName("undated")->Arg(0)->Arg(10'000)->Unit(benchmark::kMicrosecond);

// The floor of a lookup after a change: one task got by its pointer, the
// table changed before every get as in the changed cases above (the first
// read after a commit also renews the engine's read mark).
void BM_PointerSeekAfterChange(benchmark::State& state)
{
    const DueTaskFiles files(static_cast<int>(state.range(0)));
    Table<ScheduleRecord>& schedule = Tables().Schedule;
    TableChange change(static_cast<Change>(state.range(1)));
    ScheduleRecord task;
    int64_t pointer = 0;
    for (auto _ : state) {
        change.Make();
        pointer = pointer % kDatedTasks + 1;
        const Moment start = std::chrono::steady_clock::now();
        if (!schedule.Get(pointer, task))
            state.SkipWithError("get failed");
        state.SetIterationTime(SecondsSince(start));
    }
}
BENCHMARK(BM_PointerSeekAfterChange)
    ->ArgNames({"undated", "changed"})
    ->ArgsProduct({{0, 10'000}, {kOwnChange, kOtherChange}})
    ->UseManualTime()
    ->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace vl

BENCHMARK_MAIN();
