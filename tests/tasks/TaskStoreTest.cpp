// Storing a task from the form on real tables: the edit is merged with what
// the scheduler or another window stored meanwhile, a field both changed is
// asked about, a task deleted meanwhile is stored again only when the user
// says so; reserving and releasing a new task's ID with its script items.

#include "core/dictionary/Dictionary.h"
#include "platform/data/Connection.h"
#include "platform/runtime/Clock.h"
#include "scripting/items/TaskScripts.h"
#include "tasks/ReservedTasks.h"
#include "tasks/TaskStore.h"
#include "tests/support/ScriptedPrompt.h"
#include "tests/tasks/TaskTestRecords.h"

#include <gtest/gtest.h>

namespace vl {
namespace {

using test::ScriptedPrompt;

class TaskStoreTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (TableFile* table : {static_cast<TableFile*>(&d.Schedule), static_cast<TableFile*>(&d.Scripting),
                                 static_cast<TableFile*>(&d.Holidays)})
            ASSERT_TRUE(OpenTable(*table));
        ScheduleRecord task;
        d.Schedule.Prime(task);
        task.TaskType = "Display Message";
        task.ScheduleType = "Once";
        task.Description = "Call Bob";
        task.Date = today;
        task.Time = MakeClock(9, 0);
        task.Disabled = 0;
        ASSERT_TRUE(d.Schedule.Add(task));
        base = task;
    }
    void TearDown() override { DictionaryEnd(); }

    ScheduleRecord Stored(int32_t id) { return ReadTask(d.Schedule, id).value_or(ScheduleRecord()); }

    // Another window, or the scheduler, stores the task meanwhile.
    void StoredElsewhere(void (*change)(ScheduleRecord&))
    {
        ScheduleRecord theirs = Stored(base.ID);
        change(theirs);
        ASSERT_TRUE(d.Schedule.Put(theirs));
    }

    void AddItems(int32_t taskId, int count) { test::AddScriptItems(d.Scripting, taskId, count); }
    int Items(int32_t taskId) { return test::CountScriptItems(d.Scripting, taskId); }

    Date today = MakeDate(3, 2, 2026);
    SettableClock clock{today, MakeClock(8, 0)};
    ClockOverride useClock{clock};
    Dictionary& d = (DictionaryStart(), Tables());
    ScriptedPrompt prompt;
    ScheduleRecord base;
};

TEST_F(TaskStoreTest, EditsMergeWithWhatWasStoredMeanwhile)
{
    ScheduleRecord mine = base;
    mine.Description = "Call Bob at home";
    StoredElsewhere([](ScheduleRecord& t) {
        t.Date += 1;
        t.LastRunDate = t.Date - 1;
    });
    ASSERT_EQ(SaveTask(d, mine, base), TaskSaved::Saved);
    const ScheduleRecord stored = Stored(base.ID);
    EXPECT_EQ(stored.Description, "Call Bob at home");
    EXPECT_EQ(stored.Date, today + 1) << "the scheduler's move is not undone";
    EXPECT_EQ(stored.LastRunDate, today);
    EXPECT_EQ(stored.LASTCHANGETIME, MakeClock(8, 0)) << "completed by DescribeTaskType";
    EXPECT_TRUE(prompt.Questions().empty());
    EXPECT_EQ(base.Date, today + 1) << "the form's base is what it stored";
}

TEST_F(TaskStoreTest, AFieldBothChangedIsAskedAbout)
{
    struct Case { const char* answer; TaskSaved saved; bool myDate; };
    const Case cases[] = {
        {"Keep Mine", TaskSaved::Saved, true},
        {"Take Stored", TaskSaved::Saved, false},
        {"Cancel", TaskSaved::Kept, false},
    };
    for (const Case& c : cases) {
        base = Stored(base.ID);
        ScheduleRecord mine = base;
        mine.Date = base.Date + 30;
        const Date myDate = mine.Date;
        mine.Description = c.answer;
        StoredElsewhere([](ScheduleRecord& t) { t.Date += 1; });
        const ScheduleRecord theirs = Stored(base.ID);
        prompt.AnswerButton(c.answer);
        EXPECT_EQ(SaveTask(d, mine, base), c.saved) << c.answer;
        const ScheduleRecord stored = Stored(base.ID);
        EXPECT_EQ(stored.Date, c.myDate ? myDate : theirs.Date) << c.answer;
        EXPECT_EQ(stored.Description, c.saved == TaskSaved::Saved ? QString(c.answer) : theirs.Description)
            << "a field only the form changed is saved either way";
        EXPECT_EQ(prompt.Questions().back().caption, "Task Changed Meanwhile");
        EXPECT_TRUE(prompt.Questions().back().text.contains("Both changed: Date.")) << c.answer;
    }
}

TEST_F(TaskStoreTest, ATaskDeletedMeanwhileIsStoredAgainOnlyWhenTheUserSaysSo)
{
    ScheduleRecord mine = base;
    mine.Description = "Still wanted";
    ASSERT_TRUE(d.Schedule.Delete(Stored(base.ID)));
    prompt.AnswerButton("No");
    EXPECT_EQ(SaveTask(d, mine, base), TaskSaved::Kept);
    EXPECT_FALSE(ReadTask(d.Schedule, base.ID));
    prompt.AnswerButton("Yes");
    EXPECT_EQ(SaveTask(d, mine, base), TaskSaved::Saved);
    EXPECT_EQ(Stored(base.ID).Description, "Still wanted") << "under its own ID";
    EXPECT_EQ(prompt.Questions().back().caption, "Task Deleted Meanwhile");
}

TEST_F(TaskStoreTest, AReservedTaskIsDisabledUntilSavedAndLeavesNothingWhenReleased)
{
    ScheduleRecord task = base;
    task.ID = 0;
    task.Description = "New";
    ScheduleRecord placeholder;
    ASSERT_TRUE(ReserveTask(d.Schedule, task, placeholder));
    EXPECT_EQ(task.ID, base.ID + 1);
    EXPECT_EQ(task.Disabled, 0);
    EXPECT_EQ(Stored(task.ID).Disabled, 1) << "the scheduler passes over it";
    ASSERT_TRUE(CopyScript(d.Scripting, base.ID, task.ID));
    AddItems(base.ID, 2);
    ASSERT_TRUE(CopyScript(d.Scripting, base.ID, task.ID));
    EXPECT_EQ(Items(task.ID), 2);
    EXPECT_TRUE(ReleaseTask(d, task.ID));
    EXPECT_FALSE(ReadTask(d.Schedule, task.ID));
    EXPECT_EQ(Items(task.ID), 0) << "no orphan script items";
    EXPECT_EQ(Items(base.ID), 2) << "the source keeps its script";

    AddItems(99, 1); // items of a task that was never stored
    EXPECT_TRUE(ReleaseTask(d, 99));
    EXPECT_EQ(Items(99), 0);
}

TEST_F(TaskStoreTest, AFullDiskWhileReservingIsToldAsEveryWriteTellsIt)
{
    std::shared_ptr<DataConnection> connection;
    QString table;
    ASSERT_TRUE(d.Schedule.Storage(connection, table));
    // The file may grow no further: the next new page is a full disk.
    connection->Db().exec("PRAGMA max_page_count = " + connection->Db().execAndGet("PRAGMA page_count").getString());
    test::ScriptedPrompt prompt;
    prompt.Answer(1);
    ScheduleRecord task = base, placeholder;
    std::vector<int32_t> reserved;
    for (int i = 0; i < 1000 && prompt.Questions().empty(); ++i) {
        if (ReserveTask(d.Schedule, task, placeholder))
            reserved.push_back(task.ID);
        else
            ShowReserveFailure(d.Schedule.LastError());
    }
    for (int32_t id : reserved)
        ProgramReservedTasks().Remove(id); // the program's reservations outlive a test
    ASSERT_EQ(prompt.Questions().size(), 1u);
    EXPECT_EQ(prompt.Questions()[0].caption, "Schedule");
    EXPECT_TRUE(prompt.Questions()[0].text.contains("The disk is full")) << prompt.Questions()[0].text.toStdString();
    EXPECT_FALSE(prompt.Questions()[0].text.contains("database")) << "no engine words";
}

TEST_F(TaskStoreTest, DeletingATaskTakesItsScriptAlong)
{
    AddItems(base.ID, 3);
    EXPECT_TRUE(DeleteTask(d, base.ID));
    EXPECT_FALSE(ReadTask(d.Schedule, base.ID));
    EXPECT_EQ(Items(base.ID), 0);
    EXPECT_TRUE(DeleteTask(d, base.ID)) << "a task already gone counts as deleted";
    EXPECT_TRUE(DeleteScript(d.Scripting, 0));
}

} // namespace
} // namespace vl
