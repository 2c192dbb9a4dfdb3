// How long the scheduler's lookup of the next task takes when 10,000 enabled
// tasks without date and time come first in the due order, against the same
// table without them.

#include "core/dictionary/Dictionary.h"
#include "core/engine/DueTask.h"
#include "core/engine/TaskFrame.h"
#include "core/cycle/SchedulerState.h"
#include "platform/runtime/Clock.h"

#include <QDir>
#include <QTemporaryDir>

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

void BM_FindDueTask(benchmark::State& state)
{
    const QString home = QDir::currentPath();
    QTemporaryDir dir;
    QDir::setCurrent(dir.path());
    DictionaryStart();
    OpenTable(Tables().Schedule);
    AddTasks(kDatedTasks, [](ScheduleRecord& task, int i) {
        task.Description = QStringLiteral("Dated %1").arg(i);
        task.Date = kToday + 1 + i;
        task.Time = MakeClock(9, 0);
    });
    AddTasks(static_cast<int>(state.range(0)), [](ScheduleRecord& task, int i) {
        task.Description = QStringLiteral("Undated %1").arg(i);
    });
    SettableClock clock(kToday, MakeClock(10, 0));
    ClockOverride useClock(clock);
    QuietFrame frame;
    TaskFrameOverride useFrame(frame);

    for (auto _ : state)
        FindDueTask();
    if (NextTaskText != QLatin1String("Next: Dated 0"))
        state.SkipWithError(qPrintable("wrong next task: " + NextTaskText));
    DictionaryEnd();
    QDir::setCurrent(home);
}
BENCHMARK(BM_FindDueTask)->Arg(0)->Arg(10'000)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace vl

BENCHMARK_MAIN();
