// Figures of a task query over 100,000 tasks (with 50,000 script items),
// applied to the task list's model: the filter built and installed, the
// count read and the first page shown.

#include "core/dictionary/QueryFieldCatalogue.h"
#include "core/dictionary/CategoryRecords.h"
#include "core/dictionary/ScheduleRecord.h"
#include "core/dictionary/ScriptingRecord.h"
#include "core/dictionary/TableDefinitions.h"
#include "platform/browse/BrowseModel.h"
#include "platform/data/NoCaseCollation.h"
#include "platform/data/Table.h"

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>

#include <SQLiteCpp/Database.h>
#include <benchmark/benchmark.h>

namespace vl {
namespace {

constexpr int kTasks = 100'000;

// The task, script-item and category tables in a directory of their own.
struct TaskFiles {
    TaskFiles()
    {
        // The caller's directory stays current: the figures' output file may
        // be named relative to it.
        for (TableFile* file : {static_cast<TableFile*>(&schedule), static_cast<TableFile*>(&scripting),
                                static_cast<TableFile*>(&categories)}) {
            file->SetName(dir.filePath(file->Name()));
            file->Open(TableFile::kDeclaredMode, true);
        }
        SQLite::Database db(dir.filePath(QStringLiteral("VLDB.TPS")).toStdString(), SQLite::OPEN_READWRITE);
        RegisterNoCaseCollation(db.getHandle());
        db.exec("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < " + std::to_string(kTasks) +
                ") INSERT INTO s (ID, TaskType, Category, Description, Command, Date, Time, Disabled, Alarm)"
                " SELECT i, 'Run Program', 'Cat ' || (i % 20), printf('Task %06d', (i * 7919) % 100003),"
                " '/usr/bin/true', 80000 + (i * 31) % 3000, (i * 97) % 8640000, i % 3 = 0, i % 5 = 0 FROM n");
        db.exec("WITH RECURSIVE n(i) AS (SELECT 2 UNION ALL SELECT i + 2 FROM n WHERE i < " + std::to_string(kTasks) +
                ") INSERT INTO Script (ID, Sequence, Action) SELECT i, 1,"
                " CASE WHEN i % 6 = 0 THEN 'Send Keys' ELSE 'Wait' END FROM n");
        QString error;
        ScheduleQueryTables(schedule, scripting, categories, tables, error);
    }
    QTemporaryDir dir;
    Table<ScheduleRecord> schedule{ScheduleDefinition()};
    Table<ScriptingRecord> scripting{ScriptingDefinition()};
    Table<CategoriesRecord> categories{CategoriesDefinition()};
    QueryTables tables;
};

TaskFiles& Files()
{
    static TaskFiles files;
    return files;
}

// The task list's model: its columns and date order, as a list opens it.
struct TaskList {
    TaskList() : model(Files().schedule)
    {
        model.SetColumns({{"SCH:Date", "Date", "@d17", true},
                          {"SCH:Time", "Time", "@t3"},
                          {"SCH:Category", "Category", "@s20"},
                          {"SCH:Description", "Description", "@s40"}});
        model.AddOrder("Date", {{{"SCH:Date"}, {"SCH:Time"}}});
    }
    BrowseModel model;
};

// Applies a query and reads what the list shows first: the count and a page.
void Apply(benchmark::State& state, const Query& query)
{
    TaskList list;
    int64_t shown = 0;
    for (auto _ : state) {
        Filter filter;
        QString error;
        if (!QueryFilter(query, Files().tables, {}, filter, error) || !list.model.SetFilter("6 Query", filter)) {
            state.SkipWithError(qPrintable(error + list.model.Error()));
            return;
        }
        shown = list.model.rowCount();
        for (int row = 0; row < std::min<int64_t>(shown, 40); ++row)
            benchmark::DoNotOptimize(list.model.data(list.model.index(row, 3)));
    }
    state.counters["rows"] = static_cast<double>(shown);
}

using Op = QueryOperator;
const QueryOperand kValue = QueryOperand::Value;

BENCHMARK_CAPTURE(Apply, DescriptionContainsAndDateFrom,
                  Query{{Join::And, "SCH:Description", Op::Contains, kValue, "task 01"},
                        {Join::And, "SCH:Date", Op::GreaterEqual, kValue, "81500"}})
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Apply, CategoryOrDisabled,
                  Query{{Join::And, "SCH:Category", Op::Equal, kValue, "cat 7"},
                        {Join::Or, "SCH:Disabled", Op::Checked, kValue, ""}})
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Apply, ScriptItemActionAndNoAlarm,
                  Query{{Join::And, "SCR:Action", Op::Equal, kValue, "Send Keys"},
                        {Join::And, "SCH:Alarm", Op::NotChecked, kValue, ""}})
    ->Unit(benchmark::kMillisecond);

} // namespace
} // namespace vl

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    vl::Files(); // built before any figure is taken
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
