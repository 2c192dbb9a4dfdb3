// The script list offscreen on real tables, with an item form that stores
// what it is asked to: the caption and the texts a task without them gets,
// a task without an ID, which buttons may be pressed, and adding, deleting
// and moving items through the buttons.

#include "core/base/Globals.h"
#include "core/base/UserDate.h"
#include "core/dictionary/Dictionary.h"
#include "platform/runtime/Clock.h"
#include "platform/widgets/BrowseList.h"
#include "scripting/items/DescribeScriptItem.h"
#include "windows/scripting/ScriptList.h"
#include "tests/support/ScriptedPrompt.h"
#include "tests/support/TempDir.h"

#include <QLabel>
#include <QMenu>
#include <QPushButton>

#include <gtest/gtest.h>

namespace vl {
namespace {

class ScriptListTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(OpenTable(d.Scripting)); }
    void TearDown() override { DictionaryEnd(); }

    ScheduleRecord Task(int32_t id, const char* command = "", const char* description = "")
    {
        ScheduleRecord task;
        task.ID = id;
        task.Category = "Work";
        task.Command = command;
        task.Description = description;
        return task;
    }
    // Items 1, 2, ... with the actions given.
    void AddItems(int32_t taskId, const QStringList& actions)
    {
        for (int i = 0; i < actions.size(); ++i) {
            ScriptingRecord item;
            item.ID = taskId;
            item.Sequence = i + 1;
            item.Action = actions[i];
            item.Keystrokes = actions[i] + "!";
            ASSERT_TRUE(d.Scripting.Add(item));
        }
    }
    std::unique_ptr<ScriptList> Open(ScheduleRecord& task)
    {
        return std::make_unique<ScriptList>(task, [this](FormRequest request, ScriptingRecord& item, int32_t taskId,
                                                         QWidget*) {
            asked.push_back(request);
            if (request == FormRequest::Delete)
                return d.Scripting.Delete(item);
            item.ID = taskId;
            if (request == FormRequest::Change)
                return item.Action = "Exit Script", d.Scripting.Put(item);
            if (item.Action.isEmpty())
                item.Action = "Wait";
            return d.Scripting.Add(item);
        });
    }
    static QPushButton* Button(const ScriptList& list, const QString& text)
    {
        for (QPushButton* button : list.findChildren<QPushButton*>()) {
            if (button->text() == text)
                return button;
        }
        ADD_FAILURE() << "no button " << text.toStdString();
        return nullptr;
    }
    // The enabled buttons, in the window's order.
    static QStringList Enabled(const ScriptList& list)
    {
        QStringList enabled;
        for (const QPushButton* button : list.findChildren<QPushButton*>()) {
            if (button->isEnabled())
                enabled << button->text();
        }
        return enabled;
    }
    // "Action" of each row, and the highlighted row.
    static QString Shown(const ScriptList& list)
    {
        QStringList rows;
        for (int row = 0; row < list.Model()->rowCount(); ++row) {
            const QString action = list.Model()->index(row, 0).data().toString().trimmed();
            rows << (row == list.List()->CurrentRow() ? "[" + action + "]" : action);
        }
        return rows.join(' ');
    }

    SettableClock clock{MakeDate(3, 2, 2026), MakeClock(9, 0)};
    ClockOverride useClock{clock};
    Dictionary& d = (DictionaryStart(), Tables());
    test::ScriptedPrompt prompt;
    std::vector<FormRequest> asked;
};

TEST_F(ScriptListTest, TheCaptionNamesTheTaskAndABlankTaskGetsTexts)
{
    const struct {
        int32_t id;
        const char* command;
        const char* description;
        QString caption;
        const char* category = "Work";
    } cases[] = {
        {4, "backup.sh  ", "Nightly  ", "Scripting - Work: Nightly backup.sh"},
        {4, "", "", "Scripting - Work: Script " + FormatUserDate(MakeDate(3, 2, 2026)) + " N/A"},
        {0, "run", "Broken", "Scripting - Work: Broken run"},
        {4, "backup.sh", "Nightly", "Scripting - Nightly backup.sh", "   "},
    };
    for (const auto& c : cases) {
        ScheduleRecord task = Task(c.id, c.command, c.description);
        task.Category = c.category;
        if (c.id == 0)
            prompt.Answer(1);
        auto list = Open(task);
        EXPECT_EQ(list->windowTitle(), c.caption);
        EXPECT_TRUE(list->windowTitle().endsWith(" " + task.Command.trimmed())) << "the caller's task is filled in";
    }
    ASSERT_EQ(prompt.Questions().size(), 1u);
    EXPECT_EQ(prompt.Questions()[0].text, "Invalid Schedule ID #0");
    EXPECT_EQ(prompt.Questions()[0].caption, "Internal Error");
}

TEST_F(ScriptListTest, TheEmptyScriptOfACompletedTaskSaysWhy)
{
    const struct {
        uint8_t completed;
        uint8_t saveScripts;
        bool withItem;
        bool noted;
    } cases[] = {
        {1, 0, false, true}, {1, 0, true, false}, {0, 0, false, false}, {1, 1, false, false},
    };
    for (const auto& c : cases) {
        SaveScripts = c.saveScripts;
        ScheduleRecord task = Task(c.withItem ? 8 : 9, "run", "Once");
        task.Completed = c.completed;
        if (c.withItem)
            AddItems(8, {"Send Keys"});
        auto list = Open(task);
        list->show();
        EXPECT_EQ(list->EmptyNote()->isVisible(), c.noted) << int(c.completed) << int(c.saveScripts) << c.withItem;
        if (c.noted) {
            EXPECT_TRUE(list->EmptyNote()->text().contains("removed when it completes"));
            EXPECT_TRUE(list->EmptyNote()->text().contains("\"Save script information on completed tasks\""));
            Button(*list, "&New")->click();
            EXPECT_FALSE(list->EmptyNote()->isVisible()) << "an item added";
        }
    }
    SaveScripts = 0;
}

TEST_F(ScriptListTest, ButtonsFollowTheItemsAndTheHighlightedOne)
{
    AddItems(5, {"Send Keys", "Wait", "Set Focus"});
    AddItems(0, {"Wait"}); // items of no task are never offered
    const struct {
        int32_t task;
        int row;
        const char* enabled;
    } cases[] = {
        {6, -1, "&New &Import E&xport &Template Edit as &Text Cl&ose"},
        {5, 0, "&New Cop&y &Edit &Delete Down Bottom &Import E&xport Clear &Print &Template Edit as &Text Cl&ose"},
        {5, 1, "&New Cop&y &Edit &Delete Up Top Down Bottom &Import E&xport Clear &Print &Template Edit as &Text Cl&ose"},
        {5, 2, "&New Cop&y &Edit &Delete Up Top &Import E&xport Clear &Print &Template Edit as &Text Cl&ose"},
        {0, 0, "Cl&ose"},
    };
    for (const auto& c : cases) {
        ScheduleRecord task = Task(c.task, "x", "y");
        if (c.task == 0)
            prompt.Answer(1);
        auto list = Open(task);
        list->List()->SelectRow(c.row);
        EXPECT_EQ(Enabled(*list).join(' '), QLatin1String(c.enabled)) << c.task << " row " << c.row;
    }
    ScheduleRecord task = Task(5, "x", "y");
    auto list = Open(task);
    EXPECT_EQ(list->Model()->index(0, 1).data().toString(), ScriptItemDetail([] {
                  ScriptingRecord item;
                  item.Action = "Send Keys";
                  item.Keystrokes = "Send Keys!";
                  return item;
              }()));
    QStringList popup;
    emit list->Popup()->aboutToShow();
    for (const QAction* action : list->Popup()->actions())
        popup << action->text() + (action->isEnabled() ? "+" : "-");
    EXPECT_EQ(popup.join(' '), "&Template+ Edit as &Text+ &Print+ &Import+ E&xport+ Cop&y+");
    EXPECT_EQ(Button(*list, "Top")->toolTip(), "Move record to the top");
}

TEST_F(ScriptListTest, NewCopyDeleteAndMovesKeepTheOrderTheUserSees)
{
    AddItems(5, {"A", "B", "C", "D"});
    ScheduleRecord task = Task(5, "x", "y");
    auto list = Open(task);
    const struct {
        int row;
        const char* button;
        const char* shown;
    } steps[] = {
        {1, "&New", "A B [Wait] C D"},
        {0, "Cop&y", "A [A] B Wait C D"},
        {5, "Top", "[D] A A B Wait C"},
        {0, "Down", "A [D] A B Wait C"},
        {1, "Bottom", "A A B Wait C [D]"},
        {2, "&Delete", "A A [Wait] C D"},
        {2, "&Edit", "A A [Exit Script] C D"},
        {4, "&New", "A A Exit Script C D [Wait]"},
    };
    for (const auto& step : steps) {
        list->List()->SelectRow(step.row);
        Button(*list, step.button)->click();
        EXPECT_EQ(Shown(*list), QLatin1String(step.shown)) << step.button;
    }
    std::vector<ScriptingRecord> items;
    ASSERT_TRUE(ReadScriptItems(d.Scripting, 5, items).Ok());
    std::vector<int32_t> numbers;
    for (const ScriptingRecord& item : items)
        numbers.push_back(item.Sequence);
    EXPECT_EQ(numbers, (std::vector<int32_t>{1, 2, 3, 4, 5, 6})) << "no gaps, nothing parked";
    EXPECT_EQ(items[1].Keystrokes, "A!") << "a copy keeps the item's fields";

    prompt.AnswerButton("Yes");
    Button(*list, "Clear")->click();
    EXPECT_EQ(Shown(*list), "");
    EXPECT_EQ(asked.size(), 5u);
}

TEST_F(ScriptListTest, ExportThenImportAppendsTheScriptAndShowsIt)
{
    AddItems(5, {"Send Keys", "Exit Script"});
    ScheduleRecord task = Task(5, "x", "y");
    auto list = Open(task);
    const QString file = test::TestPath("out.vls");
    prompt.AnswerPath(file);
    Button(*list, "E&xport")->click();
    prompt.AnswerPath(file);
    Button(*list, "&Import")->click();
    EXPECT_EQ(Shown(*list), "[Send Keys] Exit Script Send Keys Exit Script");
    EXPECT_EQ(prompt.Questions().at(1).start, file) << "the next dialog starts with the last file";
    EXPECT_TRUE(asked.empty()) << "no item form";
}

} // namespace
} // namespace vl
