// Figures of the work file of future occurrences: 10,000 daily tasks over a
// year, filled up to the 100,000-record limit with all its keys or with the
// one a report reads it in, against SQLite copying the same 100,000 rows from
// one work file into an empty one (same columns and keys) in one statement
// and one transaction, building the keys as the filling does or copying them
// ready-sorted.

#include "core/dictionary/TableDefinitions.h"
#include "platform/data/DataFileName.h"
#include "platform/data/NoCaseCollation.h"
#include "reports/ScheduleWorkfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <optional>

#include <SQLiteCpp/Database.h>
#include <SQLiteCpp/Statement.h>
#include <SQLiteCpp/Transaction.h>
#include <benchmark/benchmark.h>

namespace vl {
namespace {

constexpr int kTasks = 10'000;
const Date kFrom = MakeDate(1, 1, 2026);
const Date kTo = MakeDate(12, 31, 2026);

// The task table in a directory of its own, with daily tasks whose next
// runs spread over the fortnight before the range.
struct TaskFile {
    TaskFile()
    {
        QDir::setCurrent(dir.path());
        schedule.Open(TableFile::kDeclaredMode, true);
        schedule.Stream();
        for (int i = 1; i <= kTasks; ++i) {
            ScheduleRecord task;
            task.Description = QStringLiteral("Task %1").arg(i, 5, 10, QLatin1Char('0'));
            task.Category = QStringLiteral("Cat %1").arg(i % 20);
            task.TaskType = QStringLiteral("Run Program");
            task.Command = QStringLiteral("/usr/bin/true");
            task.ScheduleType = QStringLiteral("Custom");
            task.EveryType = QStringLiteral("day(s)");
            task.Every = 1;
            task.Date = kFrom - i % 14;
            task.Time = 1 + (i * 97) % 8'640'000;
            schedule.Add(task);
        }
        schedule.Flush();
    }
    QTemporaryDir dir;
    Table<ScheduleRecord> schedule{ScheduleDefinition()};
};

TaskFile& Tasks()
{
    static TaskFile file;
    return file;
}

QString PathOf(const Table<ScheduleRecord>& workfile)
{
    return ResolveDataFileName(workfile.Name(), workfile.Definition().Label()).path;
}

// All keys, or the one a report reads the work file in (by date).
std::optional<KeyRef> KeysOf(bool reportKey)
{
    return reportKey ? std::optional<KeyRef>(SCW_KEYDATE) : std::nullopt;
}

void FillWorkfile(benchmark::State& state, bool reportKey)
{
    int run = 0;
    int64_t added = 0;
    for (auto _ : state) {
        Table<ScheduleRecord> workfile{ScheduleWorkfileDefinition()};
        workfile.SetName(QStringLiteral("fill%1").arg(++run));
        workfile.Open(TableFile::kDeclaredMode, true);
        const WorkfileResult result =
            CreateWorkfile(Tasks().schedule, workfile, kFrom, kTo, {}, kWorkfileRecordLimit, KeysOf(reportKey));
        added = result.added;
        state.PauseTiming();
        RemoveWorkfile(workfile);
        state.ResumeTiming();
    }
    state.counters["records"] = double(added);
    state.counters["per_record"] = benchmark::Counter(double(added), benchmark::Counter::kIsIterationInvariantRate |
                                                                         benchmark::Counter::kInvert);
}

// The same records copied by SQLite alone from a filled work file into a new
// file holding the same tables, in one transaction. With `buildKeys` the
// copy's keys are made once its rows are in, by the statements that make
// them in the data files (SQLite sorts each key, as the filling must);
// without, the keys exist before and SQLite copies their entries already
// sorted from the source's keys, so no key is built.
void RawSqliteCopy(benchmark::State& state, bool reportKey, bool buildKeys)
{
    Table<ScheduleRecord> source{ScheduleWorkfileDefinition()};
    source.SetName(QStringLiteral("source"));
    source.Open(TableFile::kDeclaredMode, true);
    CreateWorkfile(Tasks().schedule, source, kFrom, kTo, {}, kWorkfileRecordLimit, KeysOf(reportKey));
    const std::string sourcePath = PathOf(source).toStdString();
    source.Close();
    SQLite::Database(sourcePath, SQLite::OPEN_READWRITE).exec("PRAGMA wal_checkpoint(TRUNCATE)");

    int run = 0;
    int64_t copied = 0;
    for (auto _ : state) {
        state.PauseTiming();
        const std::string copyPath = QDir::current().absoluteFilePath(QStringLiteral("copy%1.db").arg(++run)).toStdString();
        std::string table;
        {
            SQLite::Database db(copyPath, SQLite::OPEN_READWRITE | SQLite::OPEN_CREATE);
            RegisterNoCaseCollation(db.getHandle());
            db.exec("PRAGMA journal_mode=WAL; PRAGMA synchronous=NORMAL");
            db.exec("ATTACH DATABASE '" + sourcePath + "' AS src");
            SQLite::Statement schema(db, "SELECT type, name, sql FROM src.sqlite_master WHERE sql IS NOT NULL "
                                         "AND name NOT LIKE 'sqlite_%' ORDER BY type DESC");
            std::vector<std::string> tables;
            std::vector<std::string> keys;
            int64_t most = 0;
            while (schema.executeStep()) {
                const bool isTable = schema.getColumn(0).getString() == "table";
                (isTable ? tables : keys).push_back(schema.getColumn(2).getString());
                if (isTable) {
                    SQLite::Statement count(db, "SELECT count(*) FROM src.\"" + schema.getColumn(1).getString() + "\"");
                    count.executeStep();
                    if (count.getColumn(0).getInt64() > most) {
                        most = count.getColumn(0).getInt64();
                        table = schema.getColumn(1).getString();
                    }
                }
            }
            schema.reset();
            for (const std::string& sql : tables)
                db.exec(sql);
            if (!buildKeys) {
                for (const std::string& sql : keys)
                    db.exec(sql);
            }
            state.ResumeTiming();
            SQLite::Transaction transaction(db);
            copied = db.exec("INSERT INTO main.\"" + table + "\" SELECT * FROM src.\"" + table + "\"");
            if (buildKeys) {
                for (const std::string& sql : keys)
                    db.exec(sql);
            }
            transaction.commit();
            state.PauseTiming();
        }
        for (const char* suffix : {"", "-wal", "-shm"})
            QFile::remove(QString::fromStdString(copyPath) + QLatin1String(suffix));
        state.ResumeTiming();
    }
    RemoveWorkfile(source);
    state.counters["records"] = double(copied);
    state.counters["per_record"] = benchmark::Counter(double(copied), benchmark::Counter::kIsIterationInvariantRate |
                                                                          benchmark::Counter::kInvert);
}

BENCHMARK_CAPTURE(FillWorkfile, AllKeys, false)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();
BENCHMARK_CAPTURE(RawSqliteCopy, AllKeysBuilt, false, true)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();
BENCHMARK_CAPTURE(RawSqliteCopy, AllKeysCopiedSorted, false, false)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3)
    ->UseRealTime();
BENCHMARK_CAPTURE(FillWorkfile, ReportKey, true)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();
BENCHMARK_CAPTURE(RawSqliteCopy, ReportKeyBuilt, true, true)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();
BENCHMARK_CAPTURE(RawSqliteCopy, ReportKeyCopiedSorted, true, false)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3)
    ->UseRealTime();

} // namespace
} // namespace vl

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    vl::Tasks(); // built before any figure is taken
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
