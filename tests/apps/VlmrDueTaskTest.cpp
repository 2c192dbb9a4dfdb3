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

#include <functional>
#include <optional>

namespace vl {
namespace {

// The task, read afresh from the data file VLMR works on.
std::optional<ScheduleRecord> ReadTask(int32_t id)
{
    DictionaryStart();
    ScheduleRecord task;
    task.ID = id;
    const bool found = OpenTable(Tables().Schedule) && Tables().Schedule.Get(SCH_KEYID, task);
    DictionaryEnd();
    return found ? std::optional(task) : std::nullopt;
}

int HistoryRecords()
{
    DictionaryStart();
    int count = 0;
    if (OpenTable(Tables().Schedule)) {
        ScheduleRecord task;
        Tables().Schedule.Set(SCH_KEYID);
        while (Tables().Schedule.Next(task))
            count += task.Completed;
    }
    DictionaryEnd();
    return count;
}

class VlmrDueTaskTest : public ::testing::Test {
protected:
    void TearDown() override
    {
        if (vlmr.state() != QProcess::NotRunning) {
            vlmr.kill();
            vlmr.waitForFinished();
        }
    }

    // Waits for the condition, or for the program to end, within a minute.
    bool Eventually(const std::function<bool()>& condition)
    {
        const QDeadlineTimer deadline(60'000);
        while (!deadline.hasExpired()) {
            if (condition())
                return true;
            if (vlmr.waitForFinished(100))
                return condition();
        }
        return false;
    }

    QProcess vlmr;
};

TEST_F(VlmrDueTaskTest, ATaskDueInAFewSecondsRunsOnceAndMovesToItsNextDay)
{
    // A daily task due three seconds from now that writes a file.
    ScheduleRecord task;
    task.Description = "Write the marker";
    task.TaskType = "Run Program";
    task.Command = "/bin/sh -c \"echo ran >> ran.txt\"";
    task.Path = test::TestDir();
    task.ScheduleType = "Day of Week";
    task.Date = Today();
    task.Time = Now() + 3 * kClockPerSecond;
    CarryDays(task.Date, task.Time);
    const Date dueDate = task.Date;
    DictionaryStart();
    ASSERT_TRUE(OpenTable(Tables().Schedule));
    ASSERT_TRUE(Tables().Schedule.Add(task));
    DictionaryEnd();
    test::WriteTextFile("vlmr.INI", "[Settings]\nLogEvents=1\n");

    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    environment.insert("XDG_DATA_HOME", test::TestPath("xdg"));
    vlmr.setProcessEnvironment(environment);
    vlmr.setWorkingDirectory(test::TestDir());
    vlmr.start(QStringLiteral(VL_BIN_DIR "/VLMR"), {});
    ASSERT_TRUE(vlmr.waitForStarted()) << vlmr.errorString().toStdString();

    ASSERT_TRUE(Eventually([] { return QFile::exists("ran.txt"); })) << test::ReadTextFile("VLMREVNT.LOG").toStdString() << vlmr.readAllStandardError().toStdString();
    ASSERT_TRUE(Eventually([&] { return HistoryRecords() == 1; }));
    const std::optional<ScheduleRecord> next = ReadTask(task.ID);
    ASSERT_TRUE(next.has_value());
    EXPECT_EQ(next->Date, dueDate + 1);
    EXPECT_EQ(next->Time, task.Time);
    EXPECT_GE(next->LastRunDate, dueDate);

    const QString log = test::ReadTextFile("VLMREVNT.LOG");
    EXPECT_TRUE(log.contains("Started")) << log.toStdString();
    EXPECT_EQ(log.count("Run Program"), 1) << log.toStdString();
    EXPECT_EQ(test::ReadTextFile("ran.txt"), "ran\n") << "started once";
}

} // namespace
} // namespace vl
