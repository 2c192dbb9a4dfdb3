// How long the task form and the task wizards take to open on a task table
// of 100,000 tasks: the form on a new task (its ID reserved) and on an
// existing one, a wizard on a new task and the special event wizard on a
// copy, from construction until the window has been shown and painted (and,
// untimed, cancelled again).

#include "core/dictionary/Dictionary.h"
#include "windows/tasks/TaskWizard.h"
#include "windows/tasks/UpdateSchedule.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

constexpr int kTasks = 100'000;
constexpr int kCategories = 20;

// The data directory with its 100,000 tasks, made once.
void FillData()
{
    static QTemporaryDir dir;
    static const bool filled = [] {
        QDir::setCurrent(dir.path());
        vl::DictionaryStart();
        vl::Dictionary& tables = vl::Tables();
        vl::OpenTable(tables.Schedule);
        vl::OpenTable(tables.Categories);
        tables.Categories.Stream();
        for (int i = 0; i < kCategories; ++i) {
            vl::CategoriesRecord category;
            category.Category = QStringLiteral("Category %1").arg(i);
            tables.Categories.Add(category);
        }
        tables.Categories.Flush();
        // Small batches: a batch whose changed pages of the fourteen keys
        // outgrow the page cache spills them to the file and its journal
        // again and again, and filling takes many minutes.
        for (int i = 0; i < kTasks; ++i) {
            if (i % 200 == 0) {
                tables.Schedule.Flush();
                tables.Schedule.Stream();
            }
            vl::ScheduleRecord task;
            tables.Schedule.Prime(task);
            task.TaskType = "Display Message";
            task.Category = QStringLiteral("Category %1").arg(i % kCategories);
            task.Description = QStringLiteral("Task number %1").arg(i);
            task.ScheduleType = "Day of Week";
            task.Monday = 1;
            task.Date = 82'000 + i % 3650;
            task.Time = 1 + static_cast<int>(int64_t{i} * 104'729 % 8'640'000);
            task.Message = QStringLiteral("Reminder text of task %1").arg(i);
            if (!tables.Schedule.Add(task))
                qFatal("add failed: %s", qPrintable(tables.Schedule.LastError().Describe()));
        }
        tables.Schedule.Flush();
        return true;
    }();
    (void)filled;
}

template <class Window, class... Args>
void Open(benchmark::State& state, Args... args)
{
    FillData();
    for (auto _ : state) {
        auto* form = new Window(args...);
        form->show();
        QApplication::processEvents();
        state.PauseTiming();
        if (!form->Opened())
            state.SkipWithError("the window did not open");
        form->reject();
        delete form;
        state.ResumeTiming();
    }
}

void BM_OpenNewTask(benchmark::State& state)
{
    Open<vl::UpdateSchedule>(state, vl::TaskFormRequest{vl::FormRequest::Insert});
}
BENCHMARK(BM_OpenNewTask)->Unit(benchmark::kMillisecond);

void BM_OpenExistingTask(benchmark::State& state)
{
    Open<vl::UpdateSchedule>(state, vl::TaskFormRequest{vl::FormRequest::Change, kTasks / 2});
}
BENCHMARK(BM_OpenExistingTask)->Unit(benchmark::kMillisecond);

void BM_OpenTaskWizard(benchmark::State& state)
{
    Open<vl::TaskWizard>(state, vl::TaskWizardKind::Task, 0);
}
BENCHMARK(BM_OpenTaskWizard)->Unit(benchmark::kMillisecond);

void BM_OpenSpecialEventWizard(benchmark::State& state)
{
    Open<vl::TaskWizard>(state, vl::TaskWizardKind::SpecialEvent, kTasks / 2);
}
BENCHMARK(BM_OpenSpecialEventWizard)->Unit(benchmark::kMillisecond);

} // namespace
