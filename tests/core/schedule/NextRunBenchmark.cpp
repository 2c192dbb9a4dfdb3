// How fast next runs are computed: one step for each schedule type, a year of
// occurrences of a task that runs every minute, and a task far behind.

#include "core/schedule/NextRun.h"
#include "tests/core/schedule/ScheduleTestTasks.h"

#include <benchmark/benchmark.h>

namespace vl {
namespace {

using test::CustomTask;
using test::TaskOn;
using test::TickWeekdays;

Date Start() { return MakeDate(1, 1, 2025); }

// Runs the task from its own moment again and again, starting over before it
// leaves the years a schedule is used in.
void RunRepeatedly(benchmark::State& state, const ScheduleRecord& start)
{
    ScheduleRecord task = start;
    const Date end = MakeDate(1, 1, 2400);
    for (auto _ : state) {
        ComputeNextRun(task, task.Date, task.Time);
        benchmark::DoNotOptimize(task.Date);
        if (task.Date > end)
            task = start;
    }
}

ScheduleRecord TwiceMonthly()
{
    ScheduleRecord task = TaskOn("Monthly", Start());
    task.MonthRepeat = "Twice - 15th, Last";
    task.Offset = -1;
    return task;
}

ScheduleRecord DayOfWeek()
{
    ScheduleRecord task = TaskOn("Day of Week", Start());
    TickWeekdays(task, {1, 3, 5});
    return task;
}

ScheduleRecord SecondAndLastFriday()
{
    ScheduleRecord task = TaskOn("Day of Month", Start());
    TickWeekdays(task, {5});
    task.Every2nd = task.EveryLast = 1;
    return task;
}

ScheduleRecord MonthEnd()
{
    ScheduleRecord task = TaskOn("Day of Month", Start());
    task.LastDayofMonth = 1;
    return task;
}

BENCHMARK_CAPTURE(RunRepeatedly, Monthly, TaskOn("Monthly", Start()));
BENCHMARK_CAPTURE(RunRepeatedly, TwiceMonthly, TwiceMonthly());
BENCHMARK_CAPTURE(RunRepeatedly, Yearly, TaskOn("Yearly", Start()));
BENCHMARK_CAPTURE(RunRepeatedly, DayOfWeek, DayOfWeek());
BENCHMARK_CAPTURE(RunRepeatedly, DayOfMonthWeeks, SecondAndLastFriday());
BENCHMARK_CAPTURE(RunRepeatedly, DayOfMonthMonthEnd, MonthEnd());
BENCHMARK_CAPTURE(RunRepeatedly, CustomMinutes, CustomTask(90, "minute(s)", Start()));
BENCHMARK_CAPTURE(RunRepeatedly, CustomHours, CustomTask(5, "hour(s)", Start()));
BENCHMARK_CAPTURE(RunRepeatedly, CustomDays, CustomTask(3, "day(s)", Start()));
BENCHMARK_CAPTURE(RunRepeatedly, CustomWeeks, CustomTask(2, "week(s)", Start()));
BENCHMARK_CAPTURE(RunRepeatedly, CustomMonths, CustomTask(1, "month(s)", Start()));
BENCHMARK_CAPTURE(RunRepeatedly, CustomYears, CustomTask(1, "year(s)", Start()));

// Every occurrence of one year of a task that runs every minute.
void YearOfEveryMinute(benchmark::State& state)
{
    const ScheduleRecord start = CustomTask(1, "minute(s)", Start(), MakeClock(0, 0));
    for (auto _ : state) {
        ScheduleRecord task = start;
        while (task.Date < Start() + 365)
            ComputeNextRun(task, task.Date, task.Time);
        benchmark::DoNotOptimize(task.Time);
    }
    state.SetItemsProcessed(state.iterations() * 365 * 1440);
}
BENCHMARK(YearOfEveryMinute)->Unit(benchmark::kMillisecond);

// A task every minute whose last run lies ten years back.
void EveryMinuteTenYearsBehind(benchmark::State& state)
{
    const ScheduleRecord start = CustomTask(1, "minute(s)", Start(), MakeClock(10, 0));
    for (auto _ : state) {
        ScheduleRecord task = start;
        ComputeNextRun(task, Start() + 3652, MakeClock(12, 34, 56));
        benchmark::DoNotOptimize(task.Time);
    }
}
BENCHMARK(EveryMinuteTenYearsBehind);

} // namespace
} // namespace vl

BENCHMARK_MAIN();
