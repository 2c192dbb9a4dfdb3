// How fast "Scheduled Tasks" opens on 100,000 tasks (on "All by Date" at
// today, as the FullSchedule setting asks) and switches between its tabs,
// each until the window has been shown and painted.

#include "core/base/Globals.h"
#include "core/dictionary/Dictionary.h"
#include "platform/data/NoCaseCollation.h"
#include "platform/runtime/Clock.h"
#include "windows/tasks/BrowseSchedule.h"

#include <QApplication>
#include <QDir>
#include <QTabWidget>
#include <QTemporaryDir>

#include <SQLiteCpp/Database.h>
#include <benchmark/benchmark.h>

namespace {

constexpr int kTasks = 100'000;

// The data directory with its 100,000 tasks over ten years, made once.
void FillData()
{
    static QTemporaryDir dir;
    static const bool filled = [] {
        QDir::setCurrent(dir.path());
        vl::DictionaryStart();
        vl::Dictionary& tables = vl::Tables();
        vl::OpenTable(tables.Schedule);
        vl::OpenTable(tables.Categories);
        vl::OpenTable(tables.Scripting);
        SQLite::Database db("VLDB.TPS", SQLite::OPEN_READWRITE);
        vl::RegisterNoCaseCollation(db.getHandle());
        const std::string today = std::to_string(vl::Today());
        db.exec("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < " + std::to_string(kTasks) +
                ") INSERT INTO s (ID, TaskType, ScheduleType, Monday, Category, Description, Command, Date, Time,"
                " Disabled, Completed, SkipNextTime)"
                " SELECT i, CASE i % 3 WHEN 0 THEN 'Run Program' WHEN 1 THEN 'Display Message' ELSE 'Both' END,"
                " 'Day of Week', 1, 'Category ' || (i % 20), printf('Task %06d', (i * 7919) % 100003), '/usr/bin/true',"
                " " + today + " - 1825 + i % 3650, (i * 97) % 8640000, i % 7 = 0, i % 11 = 0, i % 13 = 0 FROM n");
        db.exec("INSERT INTO Categories (Category) SELECT DISTINCT Category FROM s");
        return true;
    }();
    (void)filled;
}

void BM_OpenOnAllByDateAtToday(benchmark::State& state)
{
    FillData();
    vl::FullSchedule = 1;
    for (auto _ : state) {
        auto* list = new vl::BrowseSchedule;
        list->show();
        QApplication::processEvents();
        state.PauseTiming();
        if (list->Model()->rowCount() != kTasks)
            state.SkipWithError("not every task listed");
        delete list;
        state.ResumeTiming();
    }
    vl::FullSchedule = 0;
}
BENCHMARK(BM_OpenOnAllByDateAtToday)->Unit(benchmark::kMillisecond);

void BM_SwitchTab(benchmark::State& state)
{
    FillData();
    vl::BrowseSchedule list;
    list.show();
    list.SetCategory(QStringLiteral("Category 7"));
    QApplication::processEvents();
    int tab = 0;
    for (auto _ : state) {
        tab = (tab + 1) % 4;
        list.Tabs()->setCurrentIndex(tab);
        QApplication::processEvents();
    }
}
BENCHMARK(BM_SwitchTab)->Unit(benchmark::kMillisecond);

} // namespace
