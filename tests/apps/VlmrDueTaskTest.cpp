// VLMR as a process performs a task that falls due while it runs: the
// task's program starts, the task moves to its next day, and the run is kept
// as history and in the event log.

#include "core/dictionary/Dictionary.h"
#include "core/schedule/RunTimes.h"
#include "platform/runtime/Clock.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <QDeadlineTimer>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>

namespace vl {
namespace {

// Every task of the data file, read afresh (VLMR writes it meanwhile).
std::vector<ScheduleRecord> StoredTasks()
{
    DictionaryStart();
    std::vector<ScheduleRecord> tasks;
    ScheduleRecord task;
    if (OpenTable(Tables().Schedule))
        for (Tables().Schedule.Set(SCH_KEYID); Tables().Schedule.Next(task);)
            tasks.push_back(task);
    DictionaryEnd();
    return tasks;
}

class VlmrDueTaskTest : public ::testing::Test {
protected:
    void TearDown() override
    {
        vlmr.kill();
        vlmr.waitForFinished();
    }

    // Waits for the condition within a minute, or until the program ends.
    template <class Condition>
    bool Eventually(Condition condition)
    {
        for (const QDeadlineTimer deadline(60'000); !deadline.hasExpired();) {
            if (condition())
                return true;
            if (vlmr.waitForFinished(100))
                break;
        }
        return condition();
    }

    QProcess vlmr;
};

TEST_F(VlmrDueTaskTest, ATaskDueInAFewSecondsRunsOnceAndMovesToItsNextDay)
{
    ScheduleRecord task;
    task.Description = "Write the marker";
    task.TaskType = "Run Program";
    task.Command = "/bin/sh -c \"echo ran >> ran.txt\"";
    task.Path = test::TestDir();
    task.ScheduleType = "Day of Week"; // daily
    task.Date = Today();
    task.Time = Now() + 3 * kClockPerSecond;
    CarryDays(task.Date, task.Time);
    DictionaryStart();
    ASSERT_TRUE(OpenTable(Tables().Schedule) && Tables().Schedule.Add(task));
    DictionaryEnd();
    test::WriteTextFile("vlmr.INI", "[Settings]\nLogEvents=1\n");

    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    environment.insert("XDG_DATA_HOME", test::TestPath("xdg"));
    vlmr.setProcessEnvironment(environment);
    vlmr.setWorkingDirectory(test::TestDir());
    vlmr.start(QStringLiteral(VL_BIN_DIR "/VLMR"), {});
    ASSERT_TRUE(vlmr.waitForStarted()) << vlmr.errorString().toStdString();

    ASSERT_TRUE(Eventually([] { return QFile::exists("ran.txt"); }))
        << test::ReadTextFile("VLMREVNT.LOG").toStdString() << vlmr.readAllStandardError().toStdString();
    ASSERT_TRUE(Eventually([] { return StoredTasks().size() == 2; })) << "the history record";
    const std::vector<ScheduleRecord> tasks = StoredTasks();
    EXPECT_EQ(tasks[0].Date, task.Date + 1);
    EXPECT_EQ(tasks[0].Time, task.Time);
    EXPECT_GE(tasks[0].LastRunDate, task.Date);
    EXPECT_EQ(tasks[1].Date, task.Date);
    EXPECT_EQ(tasks[1].Completed, 1);

    const QString log = test::ReadTextFile("VLMREVNT.LOG");
    EXPECT_TRUE(log.contains("Started")) << log.toStdString();
    EXPECT_EQ(log.count("Run Program"), 1) << log.toStdString();
    EXPECT_EQ(test::ReadTextFile("ran.txt"), "ran\n");
}

} // namespace
} // namespace vl
