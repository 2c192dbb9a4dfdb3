// The to-do list's rules on a real table: a new item, the done flag and its
// completion stamp, storing from the form, the toggle written back, and the
// message task an item turns into.

#include "core/base/Globals.h"
#include "core/dictionary/Dictionary.h"
#include "pim/TodoRules.h"
#include "platform/runtime/Clock.h"
#include "tests/support/ScriptedPrompt.h"
#include "tests/support/TempDir.h"

#include <QFile>

#include <gtest/gtest.h>

namespace vl {
namespace {

const Date kToday = MakeDate(3, 12, 2025);
const ClockTime kNow = MakeClock(14, 30);
const Date kEarlier = MakeDate(1, 5, 2025);
const ClockTime kEarlierTime = MakeClock(8, 0);

class TodoRulesTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(OpenTable(todo)); }
    void TearDown() override { DictionaryEnd(); }

    TodoRecord Item(const char* text, uint8_t priority = 5)
    {
        TodoRecord item = NewTodoItem(todo, "Work");
        item.ToDo = text;
        item.Priority = priority;
        return item;
    }

    Table<TodoRecord>& todo = (DictionaryStart(), Tables().Todo);
    SettableClock clock{kToday, kNow};
    ClockOverride useClock{clock};
    test::ScriptedPrompt prompt;
};

TEST_F(TodoRulesTest, ANewItemTakesPriorityFiveAndTheCategoryLastChosenElseGeneral)
{
    for (const auto& [chosen, expected] : {std::pair{"", "General"}, std::pair{"   ", "General"},
                                           std::pair{"Home  ", "Home"}}) {
        const TodoRecord item = NewTodoItem(todo, chosen);
        EXPECT_EQ(item.Priority, 5);
        EXPECT_EQ(item.Category, expected) << chosen;
        EXPECT_EQ(item.Done, 0);
    }
}

TEST_F(TodoRulesTest, ItemsThatWillNotOpenForTheListAreLoggedTwice)
{
    GlobalUseLog = true;
    EXPECT_TRUE(OpenTodoList(todo));
    todo.Close();
    EXPECT_FALSE(QFile::exists(test::TestPath("VLMREVNT.LOG"))) << "an open that works logs nothing";

    todo.Close();
    test::WriteTextFile(test::TestPath("junk.TPS"), "not a data file");
    todo.SetName("junk\\!Todo");
    EXPECT_FALSE(OpenTodoList(todo));
    GlobalUseLog = false;
    QStringList logged;
    for (const QString& line : test::ReadTextFile(test::TestPath("VLMREVNT.LOG")).split('\n', Qt::SkipEmptyParts))
        logged << line.mid(22, 32).trimmed() + '|' + line.mid(54).trimmed();
    ASSERT_EQ(logged.size(), 2);
    EXPECT_EQ(logged[0], "ToDoList|File not open error");
    EXPECT_TRUE(logged[1].startsWith("Todo|File not open: ") && logged[1].size() > 20) << logged[1].toStdString();
}

TEST_F(TodoRulesTest, DoneStampsTheCompletionOnlyWhenTheItemBecomesDone)
{
    const struct {
        const char* what;
        uint8_t done;       // before (toggle) or as ticked (form)
        bool form;
        bool doneAtOpen;
        uint8_t doneAfter;
        Date date;
    } cases[] = {
        {"toggle to done", 0, false, false, 1, kToday},
        {"toggle back keeps the completion", 1, false, false, 0, kEarlier},
        {"form ticks an open item", 1, true, false, 1, kToday},
        {"form ticks an item done at open", 1, true, true, 1, kEarlier},
        {"form clears the box", 0, true, true, 0, kEarlier},
    };
    for (const auto& c : cases) {
        TodoRecord item;
        item.Done = c.done;
        item.CompletionDate = kEarlier;
        item.CompletionTime = kEarlierTime;
        if (c.form)
            DoneTicked(item, c.doneAtOpen, kToday, kNow);
        else
            ToggleDone(item, kToday, kNow);
        EXPECT_EQ(item.Done, c.doneAfter) << c.what;
        EXPECT_EQ(item.CompletionDate, c.date) << c.what;
        EXPECT_EQ(item.CompletionTime, c.date == kToday ? kNow : kEarlierTime) << c.what;
    }
}

TEST_F(TodoRulesTest, APriorityOutOfRangeIsRefusedWithTheTablesMessageAndNothingIsStored)
{
    for (uint8_t priority : {0, 11}) {
        TodoRecord item = Item("Call the bank", priority);
        prompt.Answer(1);
        EXPECT_FALSE(StoreTodo(todo, FormRequest::Insert, item, "ann"));
        EXPECT_EQ(prompt.Questions().back().caption, "Range Error");
        EXPECT_TRUE(prompt.Questions().back().text.contains("1 and 10")) << prompt.Questions().back().text.toStdString();
    }
    EXPECT_EQ(todo.Records(), 0);
}

TEST_F(TodoRulesTest, StoringStampsTheChangeAndGivesEachItemAnIdentityNoOtherHolds)
{
    TodoRecord first = Item("Renew passport");
    TodoRecord second = Item("Book dentist");
    ASSERT_TRUE(StoreTodo(todo, FormRequest::Insert, first, "ann"));
    ASSERT_TRUE(StoreTodo(todo, FormRequest::Insert, second, "ann"));
    EXPECT_EQ(first.NETWORKUSER, "ann");
    EXPECT_EQ(first.LASTCHANGEDATE, kToday);
    EXPECT_EQ(first.LASTCHANGETIME, kNow);
    EXPECT_NE(first.ORIGINALID, 0);
    EXPECT_NE(first.ORIGINALID, second.ORIGINALID);

    // After a delete the count of items falls back; a new identity must not.
    ASSERT_TRUE(StoreTodo(todo, FormRequest::Delete, first, "ann"));
    TodoRecord third = Item("Water plants");
    ASSERT_TRUE(StoreTodo(todo, FormRequest::Insert, third, "bob"));
    EXPECT_NE(third.ORIGINALID, second.ORIGINALID);

    // A change keeps the identity and takes the new stamp.
    clock.Set(kToday + 1, kNow);
    third.Priority = 2;
    ASSERT_TRUE(StoreTodo(todo, FormRequest::Change, third, "bob"));
    TodoRecord stored;
    ASSERT_TRUE(todo.Get(third.RecordPointer, stored));
    EXPECT_EQ(stored.Priority, 2);
    EXPECT_EQ(stored.LASTCHANGEDATE, kToday + 1);
    EXPECT_EQ(stored.ORIGINALID, third.ORIGINALID);
    EXPECT_EQ(todo.Records(), 2);
}

TEST_F(TodoRulesTest, TheToggleIsWrittenBackAndAFailedWriteIsReported)
{
    TodoRecord item = Item("File taxes");
    ASSERT_TRUE(StoreTodo(todo, FormRequest::Insert, item, ""));
    ASSERT_TRUE(ToggleStoredDone(todo, item, kToday, kNow));
    TodoRecord stored;
    ASSERT_TRUE(todo.Get(item.RecordPointer, stored));
    EXPECT_EQ(stored.Done, 1);
    EXPECT_EQ(stored.CompletionDate, kToday);
    EXPECT_TRUE(prompt.Questions().empty());

    // Deleted meanwhile by another window: said, not passed over.
    ASSERT_TRUE(todo.Delete(stored));
    prompt.Answer(1);
    EXPECT_FALSE(ToggleStoredDone(todo, item, kToday, kNow));
    ASSERT_EQ(prompt.Questions().size(), 1u);
    EXPECT_TRUE(prompt.Questions()[0].text.contains("File taxes"));
    EXPECT_EQ(todo.Records(), 0);
}

TEST_F(TodoRulesTest, AnItemTurnsIntoAMessageTaskForTomorrow)
{
    const struct {
        const char* text;
        const char* notes;
        Date completed;
        const char* resolution;
        const char* message;
        const char* description;
    } cases[] = {
        {"Call Ann", "Ask about Friday  ", 0, "", "Ask about Friday\r\nPriority 7\r\n", "Call Ann"},
        {"Call Ann", "", MakeDate(2, 3, 2025), "Done by phone",
         "\r\nCompleted 3 Feb 2025\r\nResolution:\r\nDone by phone\r\n", "Call Ann"},
        {"A to-do text that runs on well past forty characters", "n", 0, "  ",
         "n\r\nPriority 7\r\n", "A to-do text that runs on well past fort"},
    };
    for (const auto& c : cases) {
        TodoRecord item = Item(c.text, 7);
        item.Notes = c.notes;
        item.CompletionDate = c.completed;
        item.Resolution = c.resolution;
        const ScheduleRecord task = TodoTaskSeed(item, kToday, kNow);
        EXPECT_EQ(task.Message, c.message) << c.text;
        EXPECT_EQ(task.Description, c.description);
        EXPECT_EQ(task.Category, "Work");
        EXPECT_EQ(task.Date, kToday + 1);
        EXPECT_EQ(task.Time, kNow);
    }
    TodoRecord full = Item("Long notes");
    full.Notes = QString(5000, 'x');
    EXPECT_EQ(TodoTaskMessage(full).size(), 4096);
}

} // namespace
} // namespace vl
