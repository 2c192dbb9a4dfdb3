// The housekeeping buttons of the Options window on real tables: each asks
// first (No is the default), then deletes exactly its set.

#include "platform/widgets/WindowPosition.h"
#include "core/dictionary/TableDefinitions.h"
#include "core/dictionary/ProgramQueues.h"
#include "scheduler/options/Housekeeping.h"
#include "windows/frame/options/OptionsWindow.h"
#include "core/base/Globals.h"
#include "core/settings/Settings.h"
#include "tests/core/settings/SettingsStoreFixture.h"
#include "tests/support/ScriptedPrompt.h"

#include <QFile>
#include <QPushButton>

#include <gtest/gtest.h>

#include <memory>
#include <set>

namespace vl {
namespace {

using test::ScriptedPrompt;

class HousekeepingTest : public test::SettingsStoreFixture {
protected:
    void SetUp() override
    {
        test::SettingsStoreFixture::SetUp();
        LoadSettings();
        ASSERT_TRUE(OpenTable(Tables().Schedule));
        ASSERT_TRUE(OpenTable(Tables().Scripting));
        ASSERT_TRUE(OpenTable(Tables().Todo));
        AddTask("pending", 0, 0);
        AddTask("disabled", 1, 0);
        AddTask("history", 1, 1);
        AddTask("completed only", 0, 1);
        AddTask("disabled twice", 1, 0);
        for (const char* text : {"Buy milk", "Call Bob"}) {
            TodoRecord entry;
            entry.ToDo = text;
            entry.Priority = 1;
            ASSERT_TRUE(Tables().Todo.Add(entry));
        }
        window = std::make_unique<OptionsWindow>();
    }

    // A task with two script items.
    void AddTask(const QString& description, uint8_t disabled, uint8_t completed)
    {
        ScheduleRecord task;
        Tables().Schedule.Clear(task);
        task.Description = description;
        task.TaskType = "Display Message";
        task.Disabled = disabled;
        task.Completed = completed;
        task.Date = MakeDate(5, 1, 2025);
        ASSERT_TRUE(Tables().Schedule.Add(task)) << Tables().Schedule.LastError().Describe().toStdString();
        for (int step = 0; step < 2; ++step) {
            ScriptingRecord item;
            Tables().Scripting.Clear(item);
            item.ID = task.ID;
            item.Action = "Wait";
            ASSERT_TRUE(Tables().Scripting.Add(item)) << Tables().Scripting.LastError().Describe().toStdString();
        }
    }

    std::set<QString> Tasks()
    {
        std::set<QString> names;
        Cursor<ScheduleRecord> cursor(Tables().Schedule, FileOrder);
        ScheduleRecord task;
        while (cursor.Next(task))
            names.insert(task.Description);
        return names;
    }

    // The tasks that own script items, by ID.
    std::set<int32_t> ScriptOwners()
    {
        std::set<int32_t> owners;
        Cursor<ScriptingRecord> cursor(Tables().Scripting, FileOrder);
        ScriptingRecord item;
        while (cursor.Next(item))
            owners.insert(item.ID);
        return owners;
    }

    std::set<int32_t> TaskIds()
    {
        std::set<int32_t> ids;
        Cursor<ScheduleRecord> cursor(Tables().Schedule, FileOrder);
        ScheduleRecord task;
        while (cursor.Next(task))
            ids.insert(task.ID);
        return ids;
    }

    void Press(const QString& text)
    {
        for (QPushButton* button : window->findChildren<QPushButton*>()) {
            if (button->text() == text) {
                button->click();
                return;
            }
        }
        ADD_FAILURE() << "no button " << text.toStdString();
    }

    void TearDown() override
    {
        window.reset(); // it closes its tables
        test::SettingsStoreFixture::TearDown();
    }

    std::unique_ptr<OptionsWindow> window;
};

const std::set<QString> kAllTasks{"pending", "disabled", "history", "completed only", "disabled twice"};

TEST_F(HousekeepingTest, NoChangesNothing)
{
    ScriptQueue = {ScriptQueueEntry{}};
    ScriptedPrompt prompt;
    for (const char* button : {"Clear all disabled tasks", "Clear all completed tasks", "Clear To Do list",
                               "Reset saved window settings", "Clear current script queue"}) {
        prompt.AnswerButton("No");
        Press(button);
    }
    EXPECT_EQ(Tasks(), kAllTasks);
    EXPECT_EQ(Tables().Todo.Records(), 2);
    EXPECT_EQ(ScriptQueue.size(), 1);
    EXPECT_FALSE(QFile::exists(ININame));
    EXPECT_EQ(Tables().Scripting.Records(), 10);
    const std::vector<std::pair<QString, QString>> questions{
        {"Remove disabled tasks?", "Housekeeping"},    {"Remove completed tasks?", "Housekeeping"},
        {"Clear To Do list?", "Housekeeping"},         {"Reset saved window settings?", "Housekeeping"},
        {"Remove active scripts?", "Housekeeping"}};
    ASSERT_EQ(prompt.Questions().size(), questions.size());
    for (size_t i = 0; i < questions.size(); ++i) {
        const test::PromptQuestion& asked = prompt.Questions()[i];
        EXPECT_EQ(asked.text, questions[i].first);
        EXPECT_EQ(asked.caption, questions[i].second);
        EXPECT_EQ(PlainButtonLabel(SplitButtonList(asked.buttons).value(asked.defaultButton - 1)), "No");
    }
    ScriptQueue.clear();
}

TEST_F(HousekeepingTest, DisabledTasksGoWithTheirScripts)
{
    ScriptedPrompt prompt;
    prompt.AnswerButton("Yes").Answer(1);
    Press("Clear all disabled tasks");
    EXPECT_EQ(Tasks(), (std::set<QString>{"pending", "completed only"}));
    EXPECT_EQ(ScriptOwners(), TaskIds());
    ASSERT_EQ(prompt.Questions().size(), 2u);
    EXPECT_EQ(prompt.Questions()[1].text, "Disabled tasks removed.");
    EXPECT_EQ(prompt.Questions()[1].caption, "Housekeeping");
    EXPECT_EQ(Tables().Todo.Records(), 2);
}

TEST_F(HousekeepingTest, CompletedTasksGoWithTheirScripts)
{
    ScriptedPrompt prompt;
    prompt.AnswerButton("Yes").Answer(1);
    Press("Clear all completed tasks");
    EXPECT_EQ(Tasks(), (std::set<QString>{"pending", "disabled", "disabled twice"}));
    EXPECT_EQ(ScriptOwners(), TaskIds());
    EXPECT_EQ(prompt.Questions().back().text, "Completed tasks removed.");
}

TEST_F(HousekeepingTest, TheToDoListIsEmptied)
{
    ScriptedPrompt prompt;
    prompt.AnswerButton("Yes").Answer(1);
    Press("Clear To Do list");
    EXPECT_EQ(Tables().Todo.Records(), 0);
    EXPECT_EQ(Tasks(), kAllTasks);
    EXPECT_EQ(prompt.Questions().back().text, "To Do list removed.");
}

TEST_F(HousekeepingTest, SavedWindowSettingsAreBlankedInBothFiles)
{
    IniFile positions{QString::fromLatin1(kPositionIniFile)};
    ASSERT_TRUE(positions.Put("BrowseSchedule", "Width", "300"));
    ASSERT_TRUE(positions.Put("BrowseSchedule", "Sort", "2"));
    ASSERT_TRUE(positions.Put("ViewAscii:Log", "Width", "400"));
    ASSERT_TRUE(programIni.Put("Main", "?Browse:1", "layout"));
    ASSERT_TRUE(programIni.Put("Settings", "Debug", "1"));
    ScriptedPrompt prompt;
    prompt.AnswerButton("Yes");
    Press("Reset saved window settings");
    EXPECT_EQ(prompt.Questions().size(), 1u); // no message when done
    for (IniFile* ini : {&positions, &programIni}) {
        for (const QString& procedure : WindowSettingsProcedures()) {
            for (const QString& entry : WindowSettingsEntries())
                EXPECT_EQ(ini->Get(procedure, entry, "missing"), "") << procedure.toStdString() << entry.toStdString();
        }
    }
    EXPECT_EQ(WindowSettingsProcedures().size(), 18);
    EXPECT_EQ(positions.Get("BrowseSchedule", "Sort"), "2");
    EXPECT_EQ(positions.Get("ViewAscii:Log", "Width"), "400");
    EXPECT_EQ(programIni.Get("Settings", "Debug"), "1");
}

TEST_F(HousekeepingTest, TheScriptQueueIsEmptied)
{
    ScriptQueue = {ScriptQueueEntry{}, ScriptQueueEntry{}};
    ScriptedPrompt prompt;
    prompt.AnswerButton("Yes").Answer(1);
    Press("Clear current script queue");
    EXPECT_TRUE(ScriptQueue.isEmpty());
    EXPECT_EQ(prompt.Questions().back().text, "All active scripts have been removed");
    EXPECT_EQ(Tasks(), kAllTasks);
}

TEST_F(HousekeepingTest, AFailedDeleteIsReportedAndTheScanGoesOn)
{
    // A file object opened read-only cannot delete: every disabled task fails.
    Table<ScheduleRecord> readOnly(ScheduleDefinition());
    ASSERT_TRUE(readOnly.Open(AccessMode::kReadOnly));
    RelationSet relations;
    ScriptedPrompt prompt;
    prompt.Answer(1).Answer(1).Answer(1);
    EXPECT_EQ(RemoveDisabledTasks(readOnly, relations), 0);
    EXPECT_EQ(Tasks(), kAllTasks);
    ASSERT_EQ(prompt.Questions().size(), 3u);
    for (const test::PromptQuestion& asked : prompt.Questions()) {
        EXPECT_EQ(asked.caption, "Cannot Remove History");
        EXPECT_EQ(asked.text, DataErrorText(kAccessDenied) + " error while removing history");
    }
}

} // namespace
} // namespace vl
