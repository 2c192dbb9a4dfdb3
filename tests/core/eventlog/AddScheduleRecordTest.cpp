#include "core/eventlog/AddScheduleRecord.h"
#include "tests/core/schedule/ScheduleTablesFixture.h"
#include "tests/core/schedule/ScheduleTestTasks.h"

#include <QSet>

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

namespace vl {
namespace {

using AddScheduleRecordTest = test::ScheduleTablesFixture;

TEST_F(AddScheduleRecordTest, TakesTheHighestIdPlusOne)
{
    ScheduleRecord task = test::TaskOn("Monthly", MakeDate(3, 15, 2025));
    task.ID = 42; // the source task's ID is not kept
    task.Description = "History of the rent";
    task.Message = QString(4096, 'm');
    ASSERT_TRUE(AddScheduleRecord(task, schedule));
    EXPECT_EQ(task.ID, 1);
    EXPECT_NE(task.RecordPointer, 0);
    EXPECT_EQ(Read(1).Description, "History of the rent");
    EXPECT_EQ(Read(1).Message.size(), 4096);

    ASSERT_TRUE(AddScheduleRecord(task, schedule));
    EXPECT_EQ(task.ID, 2);
    ScheduleRecord five = task;
    five.ID = 5;
    Stored(five);
    ASSERT_TRUE(AddScheduleRecord(task, schedule));
    EXPECT_EQ(task.ID, 6);
    EXPECT_EQ(AllTasks().size(), 4u);
}

TEST_F(AddScheduleRecordTest, TwoProgramsAddingAtOnceLoseNoRecord)
{
    constexpr int kAddsEach = 50;
    schedule.Close();
    holidays.Close();
    const auto addAll = [](const char* who) {
        Table<ScheduleRecord> mine(ScheduleDefinition());
        if (!mine.Open())
            return kAddsEach;
        int failures = 0;
        for (int i = 0; i < kAddsEach; ++i) {
            ScheduleRecord task = test::TaskOn("Once", MakeDate(1, 1, 2026));
            task.Description = QStringLiteral("%1 %2").arg(QLatin1String(who)).arg(i);
            failures += AddScheduleRecord(task, mine) ? 0 : 1;
        }
        return failures;
    };
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0)
        _exit(std::min(addAll("child"), 100));
    const int parentFailures = addAll("parent");
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_EQ(parentFailures, 0);

    ASSERT_TRUE(schedule.Open());
    QSet<int32_t> ids;
    QSet<QString> descriptions;
    for (const ScheduleRecord& task : AllTasks()) {
        ids.insert(task.ID);
        descriptions.insert(task.Description);
    }
    EXPECT_EQ(descriptions.size(), 2 * kAddsEach);
    EXPECT_EQ(ids.size(), 2 * kAddsEach);
    EXPECT_TRUE(ids.contains(2 * kAddsEach));
}

} // namespace
} // namespace vl
