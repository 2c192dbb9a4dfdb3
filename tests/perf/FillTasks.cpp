// Makes a data directory for the start-up and idle figures: the task table
// with the given number of tasks, all due on days to come (none falls due
// while the figures are taken), and settings stored as given.
//
//   perf_fill_tasks DIRECTORY COUNT [KEY=VALUE...]

#include "core/config/ConfigStore.h"
#include "core/dictionary/Dictionary.h"
#include "platform/runtime/Clock.h"

#include <QCoreApplication>
#include <QDir>

#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() < 3) {
        std::fprintf(stderr, "usage: perf_fill_tasks DIRECTORY COUNT [KEY=VALUE...]\n");
        return 2;
    }
    QDir().mkpath(arguments.at(1));
    QDir::setCurrent(arguments.at(1));
    const int count = arguments.at(2).toInt();
    vl::DictionaryStart();
    vl::Table<vl::ScheduleRecord>& schedule = vl::Tables().Schedule;
    if (!vl::OpenTable(schedule))
        return 1;
    const vl::Date tomorrow = vl::Today() + 1;
    schedule.Stream();
    for (int i = 0; i < count; ++i) {
        vl::ScheduleRecord task;
        schedule.Prime(task);
        const int64_t n = i;
        task.TaskType = QStringLiteral("Display Message");
        task.ScheduleType = QStringLiteral("Once");
        task.Category = QStringLiteral("Category %1").arg(i % 17);
        task.Description = QStringLiteral("Task number %1").arg(i);
        task.Message = QStringLiteral("Reminder text of task %1").arg(i);
        task.Date = tomorrow + static_cast<vl::Date>(n * 7919 % 3650);
        task.Time = 1 + static_cast<vl::ClockTime>(n * 104729 % 8'640'000);
        task.Disabled = i % 10 == 0 ? 1 : 0;
        if (!schedule.Add(task)) {
            std::fprintf(stderr, "add failed: %s\n", qPrintable(schedule.LastError().Describe()));
            return 1;
        }
    }
    if (!schedule.Flush())
        return 1;
    schedule.Close();
    for (int i = 3; i < arguments.size(); ++i) {
        const QString setting = arguments.at(i);
        const qsizetype equals = setting.indexOf(QLatin1Char('='));
        if (equals > 0)
            vl::PutConfigValue(setting.left(equals), setting.mid(equals + 1));
    }
    vl::Tables().CloseAll();
    vl::DictionaryEnd();
    return 0;
}
