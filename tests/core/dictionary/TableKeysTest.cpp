// Keys, checks and insert defaults of the declared tables, on real data files.

#include <gtest/gtest.h>

#include "core/dictionary/Dictionary.h"
#include "core/dictionary/TableDefinitions.h"
#include "platform/runtime/Clock.h"

#include <QDir>

namespace vl {
namespace {

class TableKeysTest : public ::testing::Test {
protected:
    void TearDown() override { DictionaryEnd(); }
    Dictionary& d = (DictionaryStart(), Tables());
};

TEST_F(TableKeysTest, CategoriesDifferingOnlyInCaseCollide)
{
    ASSERT_TRUE(OpenTable(d.Categories));
    CategoriesRecord work;
    work.Category = QStringLiteral("Work");
    ASSERT_TRUE(d.Categories.Add(work));
    CategoriesRecord shouting;
    shouting.Category = QStringLiteral("WORK");
    EXPECT_FALSE(d.Categories.Add(shouting));
    EXPECT_EQ(d.Categories.ErrorCode(), kDuplicateKey);
    EXPECT_EQ(d.Categories.Records(), 1);
}

TEST_F(TableKeysTest, ToDoTextKeysAreCaseSensitiveButTheCategoryKeyIsNot)
{
    ASSERT_TRUE(OpenTable(d.Todo));
    const char* items[][2] = {{"apple", "home"}, {"Banana", "Home"}, {"Apple", "HOME"}, {"banana", "Work"}};
    for (const auto& item : items) {
        TodoRecord todo;
        todo.Priority = 5;
        todo.ToDo = QLatin1String(item[0]);
        todo.Category = QLatin1String(item[1]);
        ASSERT_TRUE(d.Todo.Add(todo)) << qPrintable(d.Todo.Error());
    }
    QStringList byText;
    TodoRecord todo;
    d.Todo.Set(TDO_KEYTODO);
    while (d.Todo.Next(todo))
        byText << todo.ToDo;
    // Binary order: capitals before small letters.
    EXPECT_EQ(byText, QStringList({"Apple", "Banana", "apple", "banana"}));

    QStringList byCategory;
    d.Todo.Set(TDO_KEYCATEGORY);
    while (d.Todo.Next(todo))
        byCategory << todo.Category;
    // "home", "Home" and "HOME" are one category, ahead of "Work".
    EXPECT_EQ(byCategory.mid(3), QStringList({"Work"}));
    EXPECT_EQ(byCategory.first().toUpper(), "HOME");
}

TEST_F(TableKeysTest, ClipboardByDateRunsNewestFirst)
{
    ASSERT_TRUE(OpenTable(d.Clipboard));
    const int stamps[][2] = {{80000, 500}, {80001, 100}, {80000, 900}, {79999, 9}};
    int hash = 0;
    for (const auto& stamp : stamps) {
        ClipboardRecord clip;
        clip.ClipDate = stamp[0];
        clip.ClipTime = stamp[1];
        clip.ClipHashKey = QString::number(++hash);
        ASSERT_TRUE(d.Clipboard.Add(clip));
    }
    QList<int> order;
    ClipboardRecord clip;
    d.Clipboard.Set(CLI_KEYCLIPDATE);
    while (d.Clipboard.Next(clip))
        order << clip.ClipDate * 1000 + clip.ClipTime;
    EXPECT_EQ(order, QList<int>({80001100, 80000900, 80000500, 79999009}));

    ClipboardRecord twice;
    twice.ClipHashKey = QStringLiteral("1");
    EXPECT_FALSE(d.Clipboard.Add(twice));
    EXPECT_EQ(d.Clipboard.ErrorCode(), kDuplicateKey);
}

TEST_F(TableKeysTest, ToDoPriorityMustLieBetweenOneAndTen)
{
    TodoRecord todo;
    for (int priority : {0, 11}) {
        todo.Priority = static_cast<uint8_t>(priority);
        const auto failure = d.Todo.Validate(todo);
        ASSERT_TRUE(failure.has_value()) << priority;
        EXPECT_EQ(failure->message, "The value of Priority must be between 1 and 10.");
    }
    for (int priority : {1, 10}) {
        todo.Priority = static_cast<uint8_t>(priority);
        EXPECT_FALSE(d.Todo.Validate(todo).has_value()) << priority;
        EXPECT_FALSE(d.SyncTodo.Validate(todo).has_value()) << priority;
    }
    todo.Priority = 0;
    EXPECT_TRUE(d.SyncTodo.Validate(todo).has_value());
}

TEST_F(TableKeysTest, NewTasksStartDisabledAndStampedAndHolidaysAnnualToday)
{
    SettableClock clock(73000, 4'500'001);
    ClockOverride use(clock);
    ScheduleRecord task;
    task.Description = QStringLiteral("left over");
    d.Schedule.Prime(task);
    EXPECT_EQ(task.Disabled, 1);
    EXPECT_EQ(task.LASTCHANGEDATE, 73000);
    EXPECT_EQ(task.LASTCHANGETIME, 4'500'001);
    EXPECT_TRUE(task.Description.isEmpty());

    ScheduleRecord copy;
    d.ScheduleWorkfile.Prime(copy);
    EXPECT_EQ(copy.Disabled, 0); // the twins have no insert defaults

    HolidaysRecord holiday;
    d.Holidays.Prime(holiday);
    EXPECT_EQ(holiday.HolidayDate, 73000);
    EXPECT_EQ(holiday.HOLIDAYTYPE, "Annual");
}

TEST_F(TableKeysTest, ScriptItemsAreNumberedWithinTheirTask)
{
    ASSERT_TRUE(OpenTable(d.Scripting));
    auto add = [this](int32_t task, int32_t sequence) {
        ScriptingRecord item;
        item.ID = task;
        item.Sequence = sequence;
        EXPECT_TRUE(d.Scripting.Add(item)) << qPrintable(d.Scripting.Error());
        return item.Sequence;
    };
    EXPECT_EQ(add(5, 0), 1);
    add(5, 7);
    EXPECT_EQ(add(5, 0), 8);
    EXPECT_EQ(add(6, 0), 1);
}

TEST_F(TableKeysTest, TemplatesNeedDistinctDescriptionsButMayShareAFileName)
{
    ASSERT_TRUE(OpenTable(d.ScriptTemplates));
    ScriptTemplatesRecord first;
    first.DESCRIPTION = QStringLiteral("Logon");
    first.DOSFilename = QStringLiteral("logon.vls");
    ASSERT_TRUE(d.ScriptTemplates.Add(first));
    ScriptTemplatesRecord second;
    second.DESCRIPTION = QStringLiteral("Logoff");
    second.DOSFilename = QStringLiteral("logon.vls");
    EXPECT_TRUE(d.ScriptTemplates.Add(second));
    EXPECT_EQ(second.WIZ_ID, first.WIZ_ID + 1);
    ScriptTemplatesRecord third;
    third.DESCRIPTION = QStringLiteral("LOGON");
    EXPECT_FALSE(d.ScriptTemplates.Add(third));
    EXPECT_EQ(d.ScriptTemplates.ErrorCode(), kDuplicateKey);
}

TEST_F(TableKeysTest, TablesLiveInTheirDataFiles)
{
    for (TableFile* file : std::initializer_list<TableFile*>{&d.Schedule, &d.Configuration, &d.ScriptTemplates,
                                                             &d.MsgLink, &d.SyncSchedule}) {
        ASSERT_TRUE(OpenTable(*file)) << qPrintable(file->Definition().Label());
        file->Close();
    }
    const QStringList files = QDir::current().entryList(QDir::Files);
    for (const char* name : {"VLDB.TPS", "VLTpl.TPS", "MsgLink.TPS", "SyncSch.syn"})
        EXPECT_TRUE(files.contains(QLatin1String(name), Qt::CaseInsensitive)) << name;
    EXPECT_EQ(d.Schedule.Definition().Version(), 11);
    EXPECT_EQ(d.ScheduleWorkfile.Definition().Fields().size(), d.Schedule.Definition().Fields().size());
    EXPECT_EQ(d.SyncSchedule.Definition().Fields().size(), d.Schedule.Definition().Fields().size() + 1);
}

TEST_F(TableKeysTest, TaskCopiesBetweenTheTwinsGoFieldByField)
{
    ASSERT_TRUE(OpenTable(d.Schedule));
    ASSERT_TRUE(OpenTable(d.SyncSchedule));
    ASSERT_TRUE(OpenTable(d.ScheduleWorkfile));
    ScheduleRecord task;
    d.Schedule.Prime(task);
    task.Description = QStringLiteral("Weekly report");
    task.Wednesday = 1;
    task.EveryType = QStringLiteral("week(s)");
    task.Message = QString(1500, QLatin1Char('m'));
    ASSERT_TRUE(d.Schedule.Add(task));

    SyncScheduleRecord exchanged;
    exchanged.BIMONTHLY = 1;
    CopyScheduleFields(task, exchanged);
    EXPECT_EQ(exchanged.RecordPointer, 0); // still a new record of its own table
    EXPECT_EQ(exchanged.BIMONTHLY, 1);
    ASSERT_TRUE(d.SyncSchedule.Add(exchanged));
    SyncScheduleRecord readBack;
    readBack.ID = task.ID;
    ASSERT_TRUE(d.SyncSchedule.Get(SSCH_KEYID, readBack));
    EXPECT_EQ(readBack.Description, "Weekly report");
    EXPECT_EQ(readBack.Wednesday, 1);
    EXPECT_EQ(readBack.EveryType, "week(s)");
    EXPECT_EQ(readBack.BIMONTHLY, 1);

    ScheduleRecord work;
    CopyScheduleFields(readBack, work);
    ASSERT_TRUE(d.ScheduleWorkfile.Add(work));
    ScheduleRecord stored;
    ASSERT_TRUE(d.ScheduleWorkfile.Get(work.RecordPointer, stored));
    EXPECT_EQ(stored.Message.size(), 1000); // the work table's memo is shorter
    EXPECT_EQ(stored.EveryType, "week(s)");

    // Copying back over the stored task leaves it addressing its own row.
    const int64_t own = task.RecordPointer;
    CopyScheduleFields(readBack, task);
    EXPECT_EQ(task.RecordPointer, own);
    EXPECT_TRUE(d.Schedule.Put(task));
}

} // namespace
} // namespace vl
