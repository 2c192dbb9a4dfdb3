// Showing a task's message: handed to the message program, or shown in this
// program's own windows, each holding its own message.

#include "core/dictionary/Dictionary.h"
#include "windows/message/LocalMessageWindow.h"
#include "message/MessageDisplay.h"
#include "message/MessageHandOff.h"
#include "windows/message/MessageView.h"
#include "core/base/Globals.h"
#include "core/base/ProgramStop.h"
#include "platform/runtime/Clock.h"
#include "tests/support/ScriptedPrompt.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>

#include <vector>

namespace vl {
namespace {

ScheduleRecord MessageTask(const QString& title, const QString& text)
{
    ScheduleRecord task;
    task.TaskType = "Display Message";
    task.Description = title;
    task.Message = text;
    return task;
}

class MessageDisplayTest : public ::testing::Test {
protected:
    const LocalMessageWindows messageWindows_;

    void SetUp() override
    {
        DictionaryStart();
        UseExternalMessage = 1;
        UseWinMessage = 0;
        UseModalMessage = 0;
        RepeatAlarmInterval = 0;
        SnoozeInterval = 0;
    }

    void TearDown() override
    {
        for (LocalMessageWindow* window : Windows())
            delete window;
        DictionaryEnd();
    }

    static std::vector<LocalMessageWindow*> Windows()
    {
        std::vector<LocalMessageWindow*> windows;
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (auto* window = qobject_cast<LocalMessageWindow*>(widget))
                windows.push_back(window);
        }
        return windows;
    }

    // Every record of a program-wide table, in the order of the key.
    template <class R>
    static std::vector<R> All(Table<R>& table, KeyRef key)
    {
        std::vector<R> records;
        R record;
        if (table.Open() && table.Set(key))
            while (table.Next(record))
                records.push_back(record);
        if (table.IsOpen())
            table.Close();
        return records;
    }
    static std::vector<MsgLinkRecord> HandedOver() { return All(Tables().MsgLink, ML_K_ID); }

    test::ScriptedPrompt prompt;
    SettableClock clock{MakeDate(6, 2, 2025), MakeClock(10, 0)};
    ClockOverride useClock{clock};
};

TEST_F(MessageDisplayTest, HandOffNumbersTheRecordsAndStartsPivraInTheDataDirectory)
{
    std::vector<ProgramStart> starts;
    MessageProgramOverride starter([&](const ProgramStart& start) {
        starts.push_back(start);
        return RunResult::Success();
    });
    DisplayTaskMessage(MessageTask("Dentist", "At 3 o'clock"));
    DisplayTaskMessage(MessageTask("Rent", "Pay it"));

    ASSERT_EQ(starts.size(), 2u);
    EXPECT_TRUE(starts[0].program.endsWith("/Pivra"));
    EXPECT_EQ(starts[0].arguments, QStringList{"ID=1"});
    EXPECT_EQ(starts[1].arguments, QStringList{"ID=2"});
    EXPECT_EQ(starts[0].workingDirectory, QDir::currentPath());
    const std::vector<MsgLinkRecord> records = HandedOver();
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0].TITLE, "Dentist");
    EXPECT_EQ(records[0].MESSAGE, "At 3 o'clock");
    EXPECT_TRUE(Windows().empty());
}

TEST_F(MessageDisplayTest, AFailedStartLeavesNoRecordAndShowsTheWholeMessageHere)
{
    MessageProgramOverride starter(
        [](const ProgramStart&) { return RunResult::Failure(RunCode::FileNotFound, "no Pivra"); });
    const QString text = QString(4090, 'x') + "[end]";
    DisplayTaskMessage(MessageTask("Long one", text.left(4096)));

    EXPECT_TRUE(HandedOver().empty());
    ASSERT_EQ(Windows().size(), 1u);
    LocalMessageWindow* window = Windows()[0];
    EXPECT_EQ(window->windowTitle(), "Message:  Long one");
    EXPECT_EQ(window->View()->TextBox()->toPlainText(), text.left(4096));
    EXPECT_EQ(OpenMessageDisplays(), 1);
}

TEST_F(MessageDisplayTest, AMessageThatCannotBeHandedOverIsShownHereAndTheProgramGoesOn)
{
    // The hand-over file can be neither opened nor created, as in a data
    // directory that cannot be written.
    ASSERT_TRUE(QDir().mkdir("MsgLink.TPS"));
    int starts = 0;
    MessageProgramOverride starter([&](const ProgramStart&) {
        ++starts;
        return RunResult::Success();
    });
    DisplayTaskMessage(MessageTask("Dentist", "At 3 o'clock")); // any box fails the scripted prompt
    EXPECT_EQ(starts, 0);
    ASSERT_EQ(Windows().size(), 1u);
    EXPECT_EQ(Windows()[0]->windowTitle(), "Message:  Dentist");
    EXPECT_FALSE(ProgramStopRequested());
}

TEST_F(MessageDisplayTest, BeyondSixtyOpenMessagesTheNextIsABoxNobodyWaitsFor)
{
    UseExternalMessage = 0;
    for (int i = 0; i < kMaxMessageDisplays; ++i)
        DisplayTaskMessage(MessageTask(QString::number(i), "text"));
    EXPECT_EQ(Windows().size(), 60u);
    DisplayTaskMessage(MessageTask("Sixty-one", "one too many"));
    EXPECT_EQ(Windows().size(), 60u);
    ASSERT_EQ(prompt.Questions().size(), 1u);
    EXPECT_EQ(prompt.Questions()[0].kind, test::PromptKind::Notice);
    EXPECT_EQ(prompt.Questions()[0].caption, "Sixty-one");
    EXPECT_EQ(prompt.Questions()[0].text, "one too many");
}

TEST_F(MessageDisplayTest, ToDoConfirmsTwiceAndTheWindowStays)
{
    QPointer<LocalMessageWindow> window = MessageWindow({"Buy milk", "Two litres", ""});
    prompt.Answer(1).Answer(1);
    window->View()->ToDoButton()->click();

    ASSERT_EQ(prompt.Questions().size(), 2u);
    EXPECT_EQ(prompt.Questions()[0].caption, "Saved");
    EXPECT_EQ(prompt.Questions()[0].text, "Added to To Do List:|Buy milk");
    EXPECT_EQ(prompt.Questions()[1].caption, "Status");
    EXPECT_EQ(prompt.Questions()[1].text, "Added to To Do List");
    EXPECT_TRUE(window && window->isVisible());
    EXPECT_EQ(All(Tables().Todo, TDO_KEYDONE).size(), 1u);
}

TEST_F(MessageDisplayTest, ToDoPressedTwiceAddsTwoIdenticalItems)
{
    QPointer<LocalMessageWindow> window = MessageWindow({"Buy milk", "Two litres", ""});
    prompt.Answer(1).Answer(1).Answer(1).Answer(1);
    window->View()->ToDoButton()->click();
    window->View()->ToDoButton()->click();

    EXPECT_EQ(prompt.Questions().size(), 4u);
    EXPECT_TRUE(window && window->isVisible());
    const std::vector<TodoRecord> items = All(Tables().Todo, TDO_KEYDONE);
    ASSERT_EQ(items.size(), 2u);
    for (const TodoRecord& item : items) {
        EXPECT_EQ(item.ToDo, "Buy milk");
        EXPECT_EQ(item.Notes, "Two litres");
        EXPECT_EQ(item.Category, "General");
        EXPECT_EQ(item.Priority, 5);
    }
}

TEST_F(MessageDisplayTest, EachWindowSnoozesItsOwnMessageAndCloses)
{
    UseExternalMessage = 0;
    UseModalMessage = 1;
    DisplayTaskMessage(MessageTask("First", "one"));
    DisplayTaskMessage(MessageTask("Second", "two"));
    std::vector<LocalMessageWindow*> windows = Windows();
    ASSERT_EQ(windows.size(), 2u);
    EXPECT_TRUE(windows[0]->windowFlags() & Qt::WindowStaysOnTopHint);
    QPointer<LocalMessageWindow> second = windows[0]->View()->TitleLine()->text() == "Second" ? windows[0] : windows[1];
    QPointer<LocalMessageWindow> first = windows[0] == second ? windows[1] : windows[0];

    second->View()->SnoozeButton()->click();
    first->View()->SnoozeButton()->click();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    EXPECT_TRUE(first.isNull() && second.isNull());
    EXPECT_EQ(OpenMessageDisplays(), 0);
    const std::vector<ScheduleRecord> tasks = All(Tables().Schedule, SCH_KEYID);
    ASSERT_EQ(tasks.size(), 2u);
    EXPECT_EQ(tasks[0].Description, "Second");
    EXPECT_EQ(tasks[0].Message, "two");
    EXPECT_EQ(tasks[1].Description, "First");
    EXPECT_EQ(tasks[1].Message, "one");
    EXPECT_EQ(tasks[1].Time, MakeClock(10, 10));
}

TEST_F(MessageDisplayTest, ASnoozeThatCannotBeWrittenKeepsTheWindowOpen)
{
    QPointer<LocalMessageWindow> window = MessageWindow({"Keep me", "text", ""});
    Tables().Schedule.SetName("no-such-dir/VLDB\\!s");
    prompt.Answer(1);
    window->View()->SnoozeButton()->click();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_EQ(prompt.Questions().size(), 1u);
    EXPECT_EQ(prompt.Questions()[0].caption, "Snooze");
    EXPECT_TRUE(window && window->isVisible());
}

} // namespace
} // namespace vl
