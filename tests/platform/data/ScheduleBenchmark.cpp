// Figures of the data file layer on a task table of 100,000 records: adding
// them in one batch, getting by key, a full scan of the due-order key (and,
// as its floor, the same walk as one statement of the engine; both also over
// 1,000,000 records), and finding the first task at or after a date.

#include "platform/data/NoCaseCollation.h"
#include "platform/data/Table.h"
#include "platform/data/TableDeclaration.h"

#include <QDir>
#include <QTemporaryDir>

#include <map>
#include <memory>

#include <SQLiteCpp/Database.h>
#include <SQLiteCpp/Statement.h>

#include <benchmark/benchmark.h>

namespace {

struct TaskRecord : vl::RecordBase {
    QString User;
    int32_t ID = 0;
    QString TaskType;
    QString Category;
    QString Description;
    QString Command;
    QString Path;
    QString ScheduleType;
    uint8_t Sunday = 0;
    uint8_t Monday = 0;
    int32_t Every = 0;
    int32_t Date = 0;
    int32_t Time = 0;
    int32_t LastRunDate = 0;
    int32_t LastRunTime = 0;
    uint8_t Alarm = 0;
    QString AlarmFile;
    uint8_t Disabled = 0;
    uint8_t Completed = 0;
    int32_t LASTCHANGEDATE = 0;
    int32_t LASTCHANGETIME = 0;
    QString Message;
};

constexpr vl::KeyRef TSK_KEYID{"TSK:KEYID"};
constexpr vl::KeyRef TSK_KEYDATE{"TSK:KEYDATE"};
constexpr vl::KeyRef TSK_KEYDATEENABLED{"TSK:KEYDATEENABLED"};
constexpr vl::KeyRef TSK_KEYCATEGORY{"TSK:KEYCATEGORY"};
constexpr int kRecords = 100'000;
constexpr int32_t kFirstDay = 80'000;

std::shared_ptr<const vl::TableDef> TaskDefinition(const QString& dir)
{
    using T = TaskRecord;
    return vl::TableDeclaration<T>("Tasks", "TSK")
        .Version(1)
        .FileName(dir + "/VLDB\\!s")
        .String("TSK:User", &T::User, 40)
        .Long("TSK:ID", &T::ID)
        .String("TSK:TaskType", &T::TaskType, 20)
        .String("TSK:Category", &T::Category, 20)
        .String("TSK:Description", &T::Description, 40)
        .String("TSK:Command", &T::Command, 255)
        .String("TSK:Path", &T::Path, 255)
        .String("TSK:ScheduleType", &T::ScheduleType, 15)
        .Byte("TSK:Sunday", &T::Sunday)
        .Byte("TSK:Monday", &T::Monday)
        .Long("TSK:Every", &T::Every)
        .Long("TSK:Date", &T::Date)
        .Long("TSK:Time", &T::Time)
        .Long("TSK:LastRunDate", &T::LastRunDate)
        .Long("TSK:LastRunTime", &T::LastRunTime)
        .Byte("TSK:Alarm", &T::Alarm)
        .CString("TSK:AlarmFile", &T::AlarmFile, 255)
        .Byte("TSK:Disabled", &T::Disabled)
        .Byte("TSK:Completed", &T::Completed)
        .Long("TSK:LASTCHANGEDATE", &T::LASTCHANGEDATE)
        .Long("TSK:LASTCHANGETIME", &T::LASTCHANGETIME)
        .Memo("TSK:Message", &T::Message, 4096)
        .Key(TSK_KEYID, "By System ID", {"TSK:ID"}, vl::kUnique | vl::kPrimary | vl::kAutoNumber)
        .Key(TSK_KEYDATE, "Date", {"TSK:Date", "TSK:Time"})
        .Key(TSK_KEYDATEENABLED, "Due order", {"TSK:Disabled", "TSK:Date", "TSK:Time"})
        .Key(TSK_KEYCATEGORY, "Category", {"TSK:Category", "TSK:Description"})
        .Build();
}

TaskRecord MakeTask(int i)
{
    TaskRecord task;
    task.TaskType = "Display Message";
    task.Category = QStringLiteral("Category %1").arg(i % 17);
    task.Description = QStringLiteral("Task number %1").arg(i);
    task.Command = "/usr/bin/true";
    task.ScheduleType = "Once";
    const int64_t n = i;
    task.Date = kFirstDay + static_cast<int32_t>(n * 7919 % 3650); // ten years, out of order
    task.Time = 1 + static_cast<int32_t>(n * 104729 % 8'640'000);
    task.Disabled = i % 10 == 0 ? 1 : 0;
    task.Message = QStringLiteral("Reminder text of task %1").arg(i);
    return task;
}

// Fills a new data file with the records in one batch.
void Fill(vl::Table<TaskRecord>& tasks, int count = kRecords)
{
    tasks.Stream();
    for (int i = 0; i < count; ++i) {
        TaskRecord task = MakeTask(i);
        if (!tasks.Add(task))
            qFatal("add failed: %s", qPrintable(tasks.LastError().Describe()));
    }
    tasks.Flush();
}

// A data file of `count` tasks (100,000 unless given), shared by the read
// benchmarks.
struct FilledFile {
    explicit FilledFile(int count) : tasks(TaskDefinition(dir.path()))
    {
        tasks.Open(vl::TableFile::kDeclaredMode, true);
        Fill(tasks, count);
    }
    QTemporaryDir dir;
    vl::Table<TaskRecord> tasks;
};

FilledFile& Filled(int count = kRecords)
{
    static std::map<int, std::unique_ptr<FilledFile>> files;
    std::unique_ptr<FilledFile>& file = files[count];
    if (!file)
        file = std::make_unique<FilledFile>(count);
    return *file;
}

vl::Table<TaskRecord>& FilledTasks()
{
    return Filled().tasks;
}

void BM_AddInOneStream(benchmark::State& state)
{
    for (auto _ : state) {
        QTemporaryDir dir;
        vl::Table<TaskRecord> tasks(TaskDefinition(dir.path()));
        tasks.Open(vl::TableFile::kDeclaredMode, true);
        Fill(tasks);
        tasks.Close();
    }
    state.SetItemsProcessed(state.iterations() * kRecords);
}
BENCHMARK(BM_AddInOneStream)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_GetByKey(benchmark::State& state)
{
    vl::Table<TaskRecord>& tasks = FilledTasks();
    TaskRecord task;
    int i = 0;
    for (auto _ : state) {
        task.ID = 1 + static_cast<int32_t>(int64_t{i++} * 7919 % kRecords);
        if (!tasks.Get(TSK_KEYID, task))
            state.SkipWithError("get failed");
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_GetByKey)->Unit(benchmark::kMicrosecond);

void BM_FullScanOfDueOrder(benchmark::State& state)
{
    const int records = static_cast<int>(state.range(0));
    vl::Table<TaskRecord>& tasks = Filled(records).tasks;
    TaskRecord task;
    for (auto _ : state) {
        int count = 0;
        tasks.Set(TSK_KEYDATEENABLED);
        while (tasks.Next(task))
            ++count;
        if (count != records)
            state.SkipWithError("scan missed records");
    }
    state.SetItemsProcessed(state.iterations() * records);
}
BENCHMARK(BM_FullScanOfDueOrder)->Arg(kRecords)->Arg(10 * kRecords)->Unit(benchmark::kMillisecond);

// The same walk as one statement stepped from start to end, each row read
// into the record as the layer reads it.
void BM_FullScanOneStatement(benchmark::State& state)
{
    const int records = static_cast<int>(state.range(0));
    FilledFile& file = Filled(records);
    const std::vector<vl::FieldDef>& fields = file.tasks.Definition().Fields();
    SQLite::Database db((file.dir.path() + "/VLDB.TPS").toStdString(), SQLite::OPEN_READONLY);
    vl::RegisterNoCaseCollation(db.getHandle());
    std::string columns = "\"_ptr\"";
    for (const vl::FieldDef& field : fields)
        columns += ", \"" + field.column.toStdString() + "\"";
    SQLite::Statement walk(db, "SELECT " + columns + " FROM \"s\" ORDER BY \"Disabled\", \"Date\", \"Time\", \"_ptr\"");
    TaskRecord task;
    for (auto _ : state) {
        int count = 0;
        while (walk.executeStep()) {
            task.RecordPointer = walk.getColumn(0).getInt64();
            for (size_t i = 0; i < fields.size(); ++i) {
                const SQLite::Column column = walk.getColumn(static_cast<int>(i) + 1);
                if (fields[i].IsText())
                    fields[i].set(task, QString::fromUtf8(static_cast<const char*>(column.getBlob()), column.getBytes()));
                else
                    fields[i].set(task, static_cast<int64_t>(column.getInt64()));
            }
            ++count;
        }
        walk.reset();
        if (count != records)
            state.SkipWithError("scan missed records");
    }
    state.SetItemsProcessed(state.iterations() * records);
}
BENCHMARK(BM_FullScanOneStatement)->Arg(kRecords)->Arg(10 * kRecords)->Unit(benchmark::kMillisecond);

void BM_FirstAtOrAfterDate(benchmark::State& state)
{
    vl::Table<TaskRecord>& tasks = FilledTasks();
    TaskRecord position;
    TaskRecord task;
    int i = 0;
    for (auto _ : state) {
        position.Date = kFirstDay + static_cast<int32_t>(int64_t{i++} * 31 % 3650);
        tasks.Set(TSK_KEYDATE, position);
        if (!tasks.Next(task) || task.Date < position.Date)
            state.SkipWithError("no task found");
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_FirstAtOrAfterDate)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
