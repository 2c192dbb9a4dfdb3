// The work file of future occurrences on real tables: each schedule type
// expands into the occurrences ComputeNextRun steps to within the range,
// also from a next run before the range, numbered in insertion order; a task every minute over a long range stops
// at the limit instead of running away; the user's stop ends the filling; a
// filling for one key builds that key alone; and the run's work file leaves
// nothing behind.

#include "core/dictionary/Dictionary.h"
#include "core/dictionary/TableDefinitions.h"
#include "core/schedule/NextRun.h"
#include "platform/data/Connection.h"
#include "platform/data/DataFileName.h"
#include "reports/ScheduleWorkfile.h"
#include "tests/support/ScriptedPrompt.h"
#include "tests/support/TempDir.h"

#include <QFile>

#include <map>

#include <SQLiteCpp/Statement.h>

#include <gtest/gtest.h>

namespace vl {
namespace {

const Date kFrom = MakeDate(1, 1, 2026);
const Date kTo = MakeDate(1, 31, 2026);

ScheduleRecord Task(const char* type, Date date, const char* everyType = "", int every = 0)
{
    ScheduleRecord task;
    task.Description = QStringLiteral("Task %1").arg(QLatin1String(type));
    task.ScheduleType = QLatin1String(type);
    task.EveryType = QLatin1String(everyType);
    task.Every = every;
    task.Date = date;
    task.Time = MakeClock(9, 0);
    task.Monday = task.Thursday = 1;
    task.Message = QStringLiteral("not copied");
    return task;
}

class ScheduleWorkfileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        workfile.SetName(WorkfileName(4321));
        ASSERT_TRUE(OpenTable(d.Schedule));
        ASSERT_TRUE(OpenTable(workfile));
    }
    void TearDown() override
    {
        RemoveWorkfile(workfile);
        DictionaryEnd();
    }

    std::vector<ScheduleRecord> Stored()
    {
        std::vector<ScheduleRecord> records;
        ScheduleRecord record;
        workfile.Set(SCW_KEYID);
        while (workfile.Next(record))
            records.push_back(record);
        return records;
    }

    Dictionary& d = (DictionaryStart(), Tables());
    Table<ScheduleRecord> workfile{ScheduleWorkfileDefinition()};
    test::ScriptedPrompt prompt;
};

TEST_F(ScheduleWorkfileTest, EachScheduleTypeExpandsAsNextRunStepsWithinTheRange)
{
    const struct {
        ScheduleRecord task;
        size_t expected; // occurrences in January 2026
    } cases[] = {
        {Task("Once", kFrom + 3), 1},
        {Task("Custom", kFrom, "day(s)", 1), 31},
        {Task("Custom", kFrom + 2, "hour(s)", 12), 58},
        {Task("Day of Week", MakeDate(1, 5, 2026)), 8},
        {Task("Monthly", kFrom + 9), 1},
        // Next run before the range: stepped into it.
        {Task("Custom", kFrom - 1, "day(s)", 1), 31},
        {Task("Custom", kFrom - 400, "hour(s)", 5), 148},
        {Task("Day of Week", kFrom - 30), 9},
        {Task("Monthly", kFrom - 50), 1},
        {Task("Once", kFrom - 1), 0},
        {Task("Custom", kTo + 1, "day(s)", 1), 0},
    };
    for (const auto& c : cases) {
        ScheduleRecord stored = c.task;
        d.Schedule.Clear(stored);
        stored = c.task;
        ASSERT_TRUE(d.Schedule.Add(stored));
        DataError error;
        ASSERT_TRUE(EmptyWorkfile(workfile, {}, error));
        const WorkfileResult result = CreateWorkfile(d.Schedule, workfile, kFrom, kTo, {});
        ASSERT_EQ(result.outcome, WorkfileOutcome::Completed);
        const std::vector<ScheduleRecord> records = Stored();
        EXPECT_EQ(records.size(), c.expected) << c.task.Description.toStdString();
        ScheduleRecord expected = stored;
        while (!records.empty() && expected.Date < kFrom)
            ComputeNextRun(expected, expected.Date, expected.Time + 1);
        for (size_t i = 0; i < records.size(); ++i) {
            if (i > 0)
                ComputeNextRun(expected, expected.Date, expected.Time + 1);
            EXPECT_EQ(records[i].ID, int32_t(i + 1));
            EXPECT_EQ(records[i].Date, expected.Date) << i;
            EXPECT_EQ(records[i].Time, expected.Time) << i;
            EXPECT_EQ(records[i].Description, stored.Description);
            EXPECT_TRUE(records[i].Message.isEmpty());
        }
        ScheduleRecord unchanged;
        ASSERT_TRUE(d.Schedule.Get(stored.RecordPointer, unchanged));
        EXPECT_EQ(unchanged.Date, stored.Date) << "Schedule is only read";
        ASSERT_TRUE(d.Schedule.Delete(unchanged));
    }
}

TEST_F(ScheduleWorkfileTest, EveryMinuteStopsAtTheLimitAndTheUserCanStop)
{
    ScheduleRecord task = Task("Custom", kFrom, "minute(s)", 1);
    ASSERT_TRUE(d.Schedule.Add(task));
    const WorkfileResult limited = CreateWorkfile(d.Schedule, workfile, kFrom, kFrom + 3650, {}, 2000);
    EXPECT_EQ(limited.outcome, WorkfileOutcome::Limited);
    EXPECT_EQ(limited.added, 2000);
    EXPECT_EQ(workfile.Records(), 2000);

    DataError error;
    ASSERT_TRUE(EmptyWorkfile(workfile, {}, error));
    EXPECT_EQ(workfile.Records(), 0);
    const WorkfileResult day = CreateWorkfile(d.Schedule, workfile, kFrom, kFrom, {});
    EXPECT_EQ(day.outcome, WorkfileOutcome::Completed);
    EXPECT_EQ(workfile.Records(), 15 * 60) << "09:00 to 23:59";

    ASSERT_TRUE(EmptyWorkfile(workfile, {}, error));
    int asked = 0;
    const WorkfileResult stopped =
        CreateWorkfile(d.Schedule, workfile, kFrom, kTo, [&](int64_t, int64_t) { return ++asked < 3; });
    EXPECT_EQ(stopped.outcome, WorkfileOutcome::Cancelled);
    EXPECT_LT(stopped.added, 2000);
}

TEST_F(ScheduleWorkfileTest, AFillingForOneKeyBuildsThatKeyAloneAndReadsInItsOrder)
{
    // 31 occurrences each: the records go in across batches of several
    // tasks, and each keeps its own task's fields beside its own time.
    const std::map<QString, ClockTime> times{{"b", MakeClock(9, 0)}, {"C", MakeClock(10, 0)}, {"a", MakeClock(11, 0)}};
    for (const auto& [category, time] : times) {
        ScheduleRecord task = Task("Custom", kFrom, "day(s)", 1);
        task.Category = category;
        task.Time = time;
        ASSERT_TRUE(d.Schedule.Add(task));
    }
    ASSERT_EQ(CreateWorkfile(d.Schedule, workfile, kFrom, kTo, {}, kWorkfileRecordLimit, SCW_KEYCATEGORY).added, 93);
    QStringList categories;
    ScheduleRecord record;
    workfile.Set(SCW_KEYCATEGORY);
    while (workfile.Next(record)) {
        if (categories.isEmpty() || categories.back() != record.Category)
            categories.append(record.Category);
        EXPECT_EQ(record.Time, times.at(record.Category)) << record.ID;
    }
    EXPECT_EQ(categories, QStringList({"a", "b", "C"}));

    std::shared_ptr<DataConnection> connection;
    QString table;
    ASSERT_TRUE(workfile.Storage(connection, table));
    SQLite::Statement keys(connection->Db(), "SELECT name FROM sqlite_master WHERE type = 'index' AND tbl_name = ?");
    keys.bind(1, table.toStdString());
    QStringList built;
    while (keys.executeStep())
        built.append(QString::fromStdString(keys.getColumn(0).getString()));
    EXPECT_EQ(built, QStringList({table + "|SCW:KEYCATEGORY"}));
}

TEST_F(ScheduleWorkfileTest, AFailedDeleteStopsTheEmptyingAndSaysWhy)
{
    ScheduleRecord task = Task("Once", kFrom);
    ASSERT_TRUE(d.Schedule.Add(task));
    ASSERT_EQ(CreateWorkfile(d.Schedule, workfile, kFrom, kTo, {}).added, 1);
    workfile.Close();
    ASSERT_TRUE(workfile.Open(AccessMode::kReadOnly | AccessMode::kDenyNone));
    DataError error;
    EXPECT_FALSE(EmptyWorkfile(workfile, {}, error));
    EXPECT_NE(error.code, kNoError);
    EXPECT_EQ(workfile.Records(), 1);
    EXPECT_FALSE(error.text.isEmpty());
    EXPECT_EQ(RecordNotDeletedText(error),
              QStringLiteral("An error (%1) was experienced when deleting a record from the Process:View file.")
                  .arg(error.text));
}

TEST_F(ScheduleWorkfileTest, RemovedWorkfileLeavesNoFile)
{
    ScheduleRecord task = Task("Once", kFrom);
    ASSERT_TRUE(d.Schedule.Add(task));
    ASSERT_EQ(CreateWorkfile(d.Schedule, workfile, kFrom, kTo, {}).added, 1);
    const QString path = ResolveDataFileName(workfile.Name(), QStringLiteral("ScheduleWorkfile")).path;
    EXPECT_TRUE(QFile::exists(path));
    RemoveWorkfile(workfile);
    EXPECT_FALSE(workfile.IsOpen());
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_FALSE(QFile::exists(path + "-wal"));
}

} // namespace
} // namespace vl
