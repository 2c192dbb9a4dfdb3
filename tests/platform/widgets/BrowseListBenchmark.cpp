// Figures of a browse list over a task table of 100,000 records: opening it
// (the first page shown), a header sort on a keyed column, a locator jump,
// scrolling one page, and the memory the list takes.

#include "platform/data/NoCaseCollation.h"
#include "platform/data/Table.h"
#include "platform/data/TableDeclaration.h"
#include "platform/data/TableView.h"
#include "platform/widgets/BrowseList.h"

#include <QApplication>
#include <QFile>
#include <QKeyEvent>
#include <QTemporaryDir>

#include <SQLiteCpp/Database.h>
#include <benchmark/benchmark.h>

#include <memory>

namespace {

struct TaskRecord : vl::RecordBase {
    int32_t ID = 0;
    QString TaskType;
    QString Category;
    QString Description;
    QString Command;
    int32_t Date = 0;
    int32_t Time = 0;
    uint8_t Disabled = 0;
    QString Message;
};

constexpr vl::KeyRef TSK_KEYID{"TSK:KEYID"};
constexpr vl::KeyRef TSK_KEYDATE{"TSK:KEYDATE"};
constexpr vl::KeyRef TSK_KEYCATEGORY{"TSK:KEYCATEGORY"};
constexpr vl::KeyRef TSK_KEYTASKNAME{"TSK:KEYTASKNAME"};
constexpr int kRecords = 100'000;

std::shared_ptr<const vl::TableDef> TaskDefinition(const QString& dir)
{
    using T = TaskRecord;
    return vl::TableDeclaration<T>("Tasks", "TSK")
        .Version(1)
        .FileName(dir + "/VLDB\\!s")
        .Long("TSK:ID", &T::ID)
        .String("TSK:TaskType", &T::TaskType, 20)
        .String("TSK:Category", &T::Category, 20)
        .String("TSK:Description", &T::Description, 40)
        .String("TSK:Command", &T::Command, 255)
        .Long("TSK:Date", &T::Date)
        .Long("TSK:Time", &T::Time)
        .Byte("TSK:Disabled", &T::Disabled)
        .Memo("TSK:Message", &T::Message, 4096)
        .Key(TSK_KEYID, "By System ID", {"TSK:ID"}, vl::kUnique | vl::kPrimary | vl::kAutoNumber)
        .Key(TSK_KEYDATE, "Date", {"TSK:Date", "TSK:Time"})
        .Key(TSK_KEYCATEGORY, "Category", {"TSK:Category", "TSK:Description"})
        .Key(TSK_KEYTASKNAME, "Description", {"TSK:Description", "TSK:Category"})
        .Build();
}

// A table of count tasks in a directory of its own.
struct TaskFile {
    explicit TaskFile(int count) : table(TaskDefinition(dir.path()))
    {
        table.Open(vl::TableFile::kDeclaredMode, true);
        SQLite::Database db((dir.path() + "/VLDB.TPS").toStdString(), SQLite::OPEN_READWRITE);
        vl::RegisterNoCaseCollation(db.getHandle());
        db.exec("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < " + std::to_string(count) +
                ") INSERT INTO s (ID, TaskType, Category, Description, Command, Date, Time, Disabled, Message)"
                " SELECT i, 'Run Program', 'Cat ' || (i % 20), printf('Task %06d', (i * 7919) % 100003),"
                " '/usr/bin/true', 80000 + (i * 31) % 3000, (i * 97) % 8640000, i % 2, 'Message ' || i FROM n");
    }
    QTemporaryDir dir;
    vl::Table<TaskRecord> table;
};

TaskFile& Tasks()
{
    static TaskFile tasks(kRecords);
    return tasks;
}

vl::ViewOrder Order(const vl::TableDef& def, const QString& text)
{
    vl::ViewOrder order;
    QString error;
    vl::ParseViewOrder(def, text, order, error);
    return order;
}

// A list window as a list procedure opens it: columns, its key order, shown.
struct OpenList {
    explicit OpenList(vl::TableFile& file) : model(file)
    {
        model.SetColumns({{"TSK:Date", "Date", "@d6", true},
                          {"TSK:Time", "Time", "@t7"},
                          {"TSK:Description", "Description", "@s40"},
                          {"TSK:Category", "Category", "@s20"},
                          {"TSK:TaskType", "Type", "@s20"},
                          {"TSK:ID", "ID", "@n7"}});
        model.SetUserDatePicture("@d17");
        model.AddOrder("Date", Order(file.Definition(), "TSK:Date,TSK:Time"));
        list.resize(900, 600);
        list.SetBrowseModel(&model);
        list.show();
        Paint();
    }
    void Paint() { list.viewport()->grab(); }
    void Key(int key)
    {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(&list, &press);
    }
    vl::BrowseModel model;
    vl::BrowseList list;
};

void BM_OpenList(benchmark::State& state)
{
    for (auto _ : state) {
        OpenList open(Tasks().table);
        benchmark::DoNotOptimize(open.model.rowCount());
    }
}
BENCHMARK(BM_OpenList)->Unit(benchmark::kMillisecond);

// Sorting alternately up and down on a column; the selected task stays in view.
void HeaderSort(benchmark::State& state, const char* column)
{
    OpenList open(Tasks().table);
    open.Key(Qt::Key_PageDown);
    const vl::TableDef& def = Tasks().table.Definition();
    const vl::ViewOrder orders[] = {Order(def, QString("+%1").arg(column)), Order(def, QString("-%1").arg(column))};
    int turn = 0;
    for (auto _ : state) {
        open.model.SetOrder(orders[turn++ % 2]);
        open.Paint();
    }
}
BENCHMARK_CAPTURE(HeaderSort, KeyedColumn, "UPPER(TSK:Description)")->Unit(benchmark::kMillisecond);
// For comparison: a column without a key is sorted by the engine.
BENCHMARK_CAPTURE(HeaderSort, ColumnWithoutKey, "UPPER(TSK:TaskType)")->Unit(benchmark::kMillisecond);

void BM_LocatorJump(benchmark::State& state)
{
    OpenList open(Tasks().table);
    open.model.SetOrder(Order(Tasks().table.Definition(), "UPPER(TSK:Description)"));
    int turn = 0;
    for (auto _ : state) {
        open.list.keyboardSearch(QStringLiteral("task %1").arg((turn++ * 37'717) % 100'000, 6, 10, QLatin1Char('0')));
        open.Paint();
    }
}
BENCHMARK(BM_LocatorJump)->Unit(benchmark::kMillisecond);

void BM_ScrollOnePage(benchmark::State& state)
{
    OpenList open(Tasks().table);
    int pages = 0;
    for (auto _ : state) {
        if (++pages % 2000 == 0) {
            state.PauseTiming();
            open.Key(Qt::Key_Home);
            state.ResumeTiming();
        }
        open.Key(Qt::Key_PageDown);
        open.Paint();
    }
}
BENCHMARK(BM_ScrollOnePage)->Unit(benchmark::kMillisecond);

long ResidentKilobytes()
{
    QFile status("/proc/self/status");
    status.open(QIODevice::ReadOnly);
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').front().toLong();
    }
    return 0;
}

// The list over 100,000 tasks, opened, scrolled to the end and back and
// sorted, against the same list over an empty table.
void BM_ResidentMemoryAboveEmpty(benchmark::State& state)
{
    for (auto _ : state) {
        TaskFile empty(0);
        OpenList emptyList(empty.table);
        const long before = ResidentKilobytes();
        OpenList open(Tasks().table);
        for (int key : {Qt::Key_End, Qt::Key_PageUp, Qt::Key_Home, Qt::Key_PageDown}) {
            open.Key(key);
            open.Paint();
        }
        open.model.SetOrder(Order(Tasks().table.Definition(), "-UPPER(TSK:Description)"));
        open.Paint();
        state.counters["MB"] = static_cast<double>(ResidentKilobytes() - before) / 1024.0;
    }
}
BENCHMARK(BM_ResidentMemoryAboveEmpty)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    Tasks(); // built before any figure is taken
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
