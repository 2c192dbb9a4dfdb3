// The message program: which hand-over record it takes, its settings, its
// window, and the real program started through the main program's hand-over.

#include "core/dictionary/Dictionary.h"
#include "message/MessageHandOff.h"
#include "windows/message/MessageView.h"
#include "core/base/Globals.h"
#include "message/HandOverRead.h"
#include "windows/message/MessageProgramWindow.h"
#include "message/MessageSettings.h"
#include "windows/message/SnoozeMinutesWindow.h"
#include "platform/desktop/X11DesktopBackend.h"
#include "platform/process/ChildProcesses.h"
#include "platform/runtime/Clock.h"
#include "platform/runtime/IniFile.h"
#include "tests/support/ScriptedPrompt.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QScreen>
#include <QTextBlock>
#include <QTextLayout>

#include <QAction>
#include <QApplication>
#include <QPointer>
#include <QPushButton>
#include <QSpinBox>
#include <QThread>

#include <algorithm>
#include <csignal>
#include <set>
#include <thread>

namespace vl {
namespace {

class MessageProgramTest : public ::testing::Test {
protected:
    void AddLinks(std::initializer_list<int32_t> ids)
    {
        ASSERT_TRUE(tables.msgLink.Open(TableFile::kDeclaredMode, true));
        for (int32_t id : ids) {
            MsgLinkRecord record;
            record.ID = id;
            record.TITLE = QStringLiteral("Message %1").arg(id);
            ASSERT_TRUE(tables.msgLink.Add(record));
        }
        tables.msgLink.Close();
    }

    std::set<int32_t> LinkIds()
    {
        std::set<int32_t> ids;
        Table<MsgLinkRecord> msgLink(MsgLinkDefinition());
        MsgLinkRecord record;
        if (msgLink.Open() && msgLink.Set(ML_K_ID))
            while (msgLink.Next(record))
                ids.insert(record.ID);
        return ids;
    }

    void StoreSettings(std::initializer_list<std::pair<const char*, const char*>> settings)
    {
        ASSERT_TRUE(tables.configuration.Open(TableFile::kDeclaredMode, true));
        for (const auto& [key, value] : settings) {
            ConfigurationRecord record;
            record.DATATYPE = key;
            record.DATAVALUE = value;
            ASSERT_TRUE(tables.configuration.Add(record));
        }
        tables.configuration.Close();
    }

    // The window as the program shows it, with the settings stored now.
    MessageProgramWindow* Shown(const ShownMessage& message)
    {
        LoadMessageSettings(tables.configuration);
        auto* window = new MessageProgramWindow(tables, MessageFont{});
        window->setAttribute(Qt::WA_DeleteOnClose);
        window->Present(message);
        return window;
    }

    int64_t ScheduledTasks()
    {
        Table<ScheduleRecord> schedule(ScheduleDefinition());
        return schedule.Open() ? schedule.Records() : 0;
    }

    // The first task in ID order (the snoozed copy); blank when there is none.
    static ScheduleRecord FirstScheduledTask()
    {
        Table<ScheduleRecord> schedule(ScheduleDefinition());
        ScheduleRecord task;
        if (!schedule.Open() || !schedule.Set(SCH_KEYID) || !schedule.Next(task))
            return {};
        return task;
    }

    MessageProgramTables tables;
    test::ScriptedPrompt prompt;
    SettableClock clock{MakeDate(6, 2, 2025), MakeClock(10, 0)};
    ClockOverride useClock{clock};
};

TEST(MessageIdArgument, TakesTheNumberOfIdOrZero)
{
    const struct {
        QStringList arguments;
        int32_t id;
    } cases[] = {
        {{"ID=7"}, 7}, {{"id=12"}, 12}, {{"-x", "ID=3"}, 3}, {{}, 0}, {{"ID=abc"}, 0}, {{"ID="}, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(MessageIdArgument(c.arguments), c.id) << c.arguments.join(' ').toStdString();
}

TEST_F(MessageProgramTest, TakesTheFirstRecordAtOrAboveTheIdOrTheHighest)
{
    AddLinks({5, 9});
    EXPECT_FALSE(TakeHandedOverMessage(tables.msgLink, 10)) << "above every record: nothing";
    std::optional<MsgLinkRecord> taken = TakeHandedOverMessage(tables.msgLink, 7);
    ASSERT_TRUE(taken);
    EXPECT_EQ(taken->ID, 9);
    EXPECT_EQ(taken->TITLE, "Message 9");
    EXPECT_EQ(LinkIds(), std::set<int32_t>{5});

    AddLinks({6, 8});
    taken = TakeHandedOverMessage(tables.msgLink, 0);
    ASSERT_TRUE(taken);
    EXPECT_EQ(taken->ID, 8);
    EXPECT_EQ(LinkIds(), (std::set<int32_t>{5, 6}));
}

TEST_F(MessageProgramTest, TwoProgramsTakingAtOnceNeverTakeTheSameMessage)
{
    constexpr int kMessages = 40;
    for (int32_t id = 1; id <= kMessages; ++id)
        AddLinks({id});
    const auto takeAll = [](std::vector<int32_t>& taken) {
        Table<MsgLinkRecord> msgLink(MsgLinkDefinition()); // a connection of its own per thread
        while (std::optional<MsgLinkRecord> record = TakeHandedOverMessage(msgLink, 0))
            taken.push_back(record->ID);
    };
    std::vector<int32_t> first;
    std::vector<int32_t> second;
    std::thread one(takeAll, std::ref(first));
    std::thread two(takeAll, std::ref(second));
    one.join();
    two.join();

    std::multiset<int32_t> all(first.begin(), first.end());
    all.insert(second.begin(), second.end());
    EXPECT_EQ(all.size(), static_cast<size_t>(kMessages));
    EXPECT_EQ(std::set<int32_t>(all.begin(), all.end()).size(), static_cast<size_t>(kMessages));
    EXPECT_TRUE(LinkIds().empty());
}

TEST_F(MessageProgramTest, WithoutSettingsEmailIsDisabledButtonAndPopupAlike)
{
    QPointer<MessageProgramWindow> window = Shown({"Advanced Warning: Rent", "text", "ring.wav"});
    EXPECT_EQ(window->windowTitle(), "Advanced Warning: Rent");
    EXPECT_FALSE(window->View()->EmailButton()->isEnabled());
    EXPECT_FALSE(window->PopupAction("Send &Email")->isEnabled());
    EXPECT_FALSE(window->windowFlags() & Qt::WindowStaysOnTopHint);
    window->close();

    StoreSettings({{"Sender", "ann@example.test"}, {"Host", "mail.example.test"}, {"UseModalMessage", "1"}});
    window = Shown({"Rent", "text", ""});
    EXPECT_EQ(window->windowTitle(), "Message:  Rent");
    EXPECT_TRUE(window->View()->EmailButton()->isEnabled());
    EXPECT_TRUE(window->PopupAction("Send &Email")->isEnabled());
    EXPECT_TRUE(window->windowFlags() & Qt::WindowStaysOnTopHint);
    window->close();
}

// A right-to-left message is painted from the right edge; the window stays
// on the screen wherever it was put.
TEST_F(MessageProgramTest, ARightToLeftMessageIsRightAlignedAndTheWindowStaysOnTheScreen)
{
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    LoadMessageSettings(tables.configuration);
    MessageProgramWindow window(tables, MessageFont{});
    window.move(area.left(), area.bottom() - 100);
    window.Present({"T", QString::fromUtf8("\xD7\xA9\xD7\x9C\xD7\x95\xD7\x9D"), ""});
    EXPECT_TRUE(area.contains(window.frameGeometry()));
    QPlainTextEdit* text = window.View()->TextBox();
    const QTextLine line = text->document()->firstBlock().layout()->lineAt(0);
    EXPECT_GT(line.naturalTextRect().left(), text->viewport()->width() / 2);
    text->setPlainText("Hello");
    EXPECT_LT(text->document()->firstBlock().layout()->lineAt(0).naturalTextRect().left(), 10);
}

TEST_F(MessageProgramTest, OtherSnoozesOnlyAfterOk)
{
    StoreSettings({{"SnoozeInterval", "15"}});
    QPointer<MessageProgramWindow> window = Shown({"Call Bob", "text", ""});
    EXPECT_EQ(window->SnoozeMinutes(), 15);

    window->PopupAction("Other")->trigger();
    QPointer<SnoozeMinutesWindow> ask = window->findChild<SnoozeMinutesWindow*>();
    ASSERT_TRUE(ask);
    ask->reject(); // closed without OK
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(ScheduledTasks(), 0);
    EXPECT_TRUE(window && window->isVisible());

    window->PopupAction("Other")->trigger();
    ask = window->findChild<SnoozeMinutesWindow*>();
    ASSERT_TRUE(ask);
    ask->MinutesBox()->setValue(25);
    ask->accept();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(window.isNull());
    const ScheduleRecord task = FirstScheduledTask();
    EXPECT_EQ(task.Time, MakeClock(10, 25));
    EXPECT_EQ(task.Description, "Call Bob");
}

TEST_F(MessageProgramTest, OtherClosedWithoutOkSnoozesNothingWithTheIntervalUnset)
{
    StoreSettings({{"SnoozeInterval", "0"}});
    QPointer<MessageProgramWindow> window = Shown({"Call Bob", "text", ""});
    window->PopupAction("Other")->trigger();
    QPointer<SnoozeMinutesWindow> ask = window->findChild<SnoozeMinutesWindow*>();
    ASSERT_TRUE(ask);
    EXPECT_EQ(ask->MinutesBox()->value(), 10);
    ask->close(); // its close box
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(ask.isNull());
    EXPECT_EQ(ScheduledTasks(), 0);
    ASSERT_TRUE(window && window->isVisible());
    EXPECT_EQ(window->SnoozeMinutes(), 0);
    window->close();
}

TEST_F(MessageProgramTest, OnAnEmptyConfigurationTableTheSnoozeIsTenMinutesAndTheAlarmSoundsOnce)
{
    ASSERT_TRUE(tables.configuration.Open(TableFile::kDeclaredMode, true));
    tables.configuration.Close();
    // Values from an earlier load must not survive this one.
    SnoozeInterval = 45;
    RepeatAlarmInterval = 30;
    QPointer<MessageProgramWindow> window = Shown({"Dentist", "At 3 o'clock", "ring.wav"});
    EXPECT_FALSE(window->Alarm().Repeating());
    window->View()->SnoozeButton()->click();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(window.isNull());
    const ScheduleRecord task = FirstScheduledTask();
    EXPECT_EQ(task.Time, MakeClock(10, 10));
    EXPECT_EQ(task.AlarmFile, "ring.wav");
}

TEST_F(MessageProgramTest, ToDoPressedTwiceAddsTwoIdenticalItems)
{
    QPointer<MessageProgramWindow> window = Shown({"Buy milk", "Two litres", ""});
    prompt.Answer(1).Answer(1);
    window->View()->ToDoButton()->click();
    window->View()->ToDoButton()->click();
    EXPECT_EQ(prompt.Questions().size(), 2u);
    ASSERT_TRUE(window && window->isVisible());
    window->close();

    Table<TodoRecord> todo(TodoDefinition());
    ASSERT_TRUE(todo.Open() && todo.Set(TDO_KEYDONE));
    TodoRecord item;
    int items = 0;
    while (todo.Next(item)) {
        ++items;
        EXPECT_EQ(item.ToDo, "Buy milk");
        EXPECT_EQ(item.Notes, "Two litres");
        EXPECT_EQ(item.Category, "General");
        EXPECT_EQ(item.Priority, 5);
    }
    EXPECT_EQ(items, 2);
}

// Waits for the condition while the program under test runs on its own, as
// long as that takes on a busy machine: the suite's timeout bounds the wait.
template <class Condition>
bool Eventually(Condition condition)
{
    while (!condition())
        QThread::msleep(20);
    return true;
}

TEST_F(MessageProgramTest, TheRealProgramShowsTheHandedOverMessage)
{
    // On a display (the test script's Xvfb) the program shows a real window
    // there, which the desktop lists; without one it draws offscreen.
    const std::unique_ptr<X11DesktopBackend> desktop = X11DesktopBackend::Open();
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    qputenv("QT_QPA_PLATFORM", desktop ? "xcb" : "offscreen"); // for the started program
    DictionaryStart();
    qint64 pid = 0;
    {
        MessageProgramOverride starter([&pid](const ProgramStart& start) {
            ProgramStart real = start;
            real.program = QStringLiteral(VL_BIN_DIR "/Pivra");
            const RunResult result = StartProgram(real);
            pid = result.pid;
            return result;
        });
        EXPECT_EQ(HandOffMessage({"Dentist", "At 3 o'clock", ""}), 0);
    }
    DictionaryEnd();
    qputenv("QT_QPA_PLATFORM", platform);
    ASSERT_NE(pid, 0);

    EXPECT_TRUE(Eventually([&] { return LinkIds().empty(); })) << "Pivra took its record";
    if (desktop) {
        EXPECT_TRUE(Eventually([&] {
            const QList<DesktopWindow> windows = desktop->TopLevelWindows();
            return std::any_of(windows.begin(), windows.end(),
                               [](const DesktopWindow& w) { return w.visible && w.title == "Message:  Dentist"; });
        }));
    }
    EXPECT_EQ(ChildExitCode(pid), kStillActive) << "the message stays until it is closed";
    ASSERT_EQ(::kill(static_cast<pid_t>(pid), SIGTERM), 0);
    EXPECT_TRUE(Eventually([&] { return ChildExitCode(pid) != kStillActive; }));
    EXPECT_EQ(ChildExitCode(pid), 0) << "ended by itself, not by the signal";
    ReleaseChild(pid);
    EXPECT_FALSE(IniFile(test::TestPath("pivra.INI")).Get("Preserved", "CurrentFont:Font").isEmpty());
    for (const char* side : {"MsgLink.TPS-wal", "MsgLink.TPS-shm", "VLDB.TPS-wal", "VLDB.TPS-shm"})
        EXPECT_FALSE(QFile::exists(test::TestPath(side))) << side << " left beside a file closed cleanly";
}

} // namespace
} // namespace vl
