#include "platform/widgets/ThreadRegistry.h"

#include "platform/ui/EventNumbers.h"
#include "platform/widgets/NumberedEvents.h"

#include <QApplication>
#include <QPointer>
#include <QWidget>

#include <gtest/gtest.h>

#include <vector>

namespace vl {
namespace {

// A window that keeps the numbers it receives, as later windows will react.
class RecordingWindow : public QWidget {
public:
    RecordingWindow()
    {
        connect(NumberedEvents::Of(this), &NumberedEvents::Received, this,
                [this](int number) { received.push_back(number); });
    }
    std::vector<int> received;
};

class ThreadRegistryTest : public ::testing::Test {
protected:
    void TearDown() override
    {
        for (QWidget* window : QApplication::topLevelWidgets())
            delete window;
    }

    RecordingWindow* Window(int thread) { return static_cast<RecordingWindow*>(registry.Window(thread)); }

    static void DeliverPostedEvents() { QCoreApplication::sendPostedEvents(); }

    static void FinishClosing(QWidget* window)
    {
        window->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    ProcedureStart Start(const QString& procedure)
    {
        return registry.StartProcedure(procedure, [this] {
            ++created;
            return new RecordingWindow;
        });
    }

    ThreadRegistry registry;
    int created = 0;
};

TEST_F(ThreadRegistryTest, SecondStartBringsTheOpenWindowForward)
{
    const ProcedureStart first = Start("BrowseSchedule");
    ASSERT_TRUE(first.opened);
    RecordingWindow* window = Window(first.thread);
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());

    // Another procedure is a window of its own; it takes the focus.
    const ProcedureStart other = Start("BrowseHolidays");
    EXPECT_TRUE(other.opened);
    EXPECT_NE(other.thread, first.thread);
    EXPECT_EQ(created, 2);
    registry.Window(other.thread)->activateWindow();
    window->showMinimized();
    QCoreApplication::processEvents();
    ASSERT_TRUE(window->isMinimized());
    ASSERT_FALSE(window->isActiveWindow());

    const ProcedureStart second = Start("BrowseSchedule");
    EXPECT_FALSE(second.opened);
    EXPECT_EQ(second.thread, first.thread);
    EXPECT_EQ(created, 2);
    EXPECT_TRUE(window->received.empty()) << "the event is posted, not sent";

    DeliverPostedEvents();
    EXPECT_EQ(window->received, std::vector<int>{EventNumber::kBringForward});
    EXPECT_FALSE(window->isMinimized());
    EXPECT_TRUE(window->isVisible());
    QCoreApplication::processEvents();
    EXPECT_TRUE(window->isActiveWindow());
}

TEST_F(ThreadRegistryTest, ClosingAWindowFreesItsProcedureAndThread)
{
    const ProcedureStart first = Start("BrowseScheduleCategories");
    QPointer<QWidget> window = registry.Window(first.thread);
    registry.Join(ThreadGroup::TaskLists, first.thread);

    FinishClosing(window);
    EXPECT_TRUE(window.isNull()) << "a registered window is deleted when it closes";
    EXPECT_EQ(registry.ProcedureThread("BrowseScheduleCategories"), 0);
    EXPECT_EQ(registry.Window(first.thread), nullptr);
    EXPECT_TRUE(registry.Members(ThreadGroup::TaskLists).isEmpty());
    EXPECT_FALSE(registry.Post(first.thread, EventNumber::kRefreshTaskList));

    const ProcedureStart again = Start("BrowseScheduleCategories");
    EXPECT_TRUE(again.opened);
    EXPECT_NE(again.thread, first.thread);
    EXPECT_EQ(created, 2);
    EXPECT_EQ(registry.ProcedureThread("BrowseScheduleCategories"), again.thread);
}

TEST_F(ThreadRegistryTest, AFactoryThatMakesNoWindowRegistersNothing)
{
    const ProcedureStart start = registry.StartProcedure("BrowseHotKeys", [] { return nullptr; });
    EXPECT_FALSE(start.opened);
    EXPECT_EQ(start.thread, 0);
    EXPECT_EQ(registry.ProcedureThread("BrowseHotKeys"), 0);
}

TEST_F(ThreadRegistryTest, PostReachesOnlyTheAddressedWindow)
{
    auto* frame = new RecordingWindow;
    auto* list = new RecordingWindow;
    EXPECT_EQ(registry.RegisterFrame(frame), ThreadRegistry::kFrameThread);
    const int listThread = registry.Register(list);
    EXPECT_NE(listThread, ThreadRegistry::kFrameThread);
    EXPECT_EQ(registry.Register(list), listThread);
    EXPECT_EQ(registry.RegisterFrame(list), 0) << "thread 1 is taken by the frame";
    EXPECT_EQ(registry.ThreadOf(list), listThread);

    EXPECT_TRUE(registry.Post(ThreadRegistry::kFrameThread, EventNumber::kRegisterHotKeys));
    EXPECT_TRUE(registry.Post(listThread, EventNumber::kWindowOpened));
    EXPECT_TRUE(registry.Post(ThreadRegistry::kFrameThread, EventNumber::kStopScripts));
    EXPECT_FALSE(registry.Post(999, EventNumber::kStopScripts));
    DeliverPostedEvents();

    EXPECT_EQ(frame->received, (std::vector<int>{EventNumber::kRegisterHotKeys, EventNumber::kStopScripts}));
    EXPECT_EQ(list->received, std::vector<int>{EventNumber::kWindowOpened});
}

TEST_F(ThreadRegistryTest, BroadcastReachesEveryTaskListAndNothingElse)
{
    auto* frame = new RecordingWindow;
    auto* browse = new RecordingWindow;
    auto* explore = new RecordingWindow;
    auto* holidays = new RecordingWindow;
    registry.RegisterFrame(frame);
    const int browseThread = registry.Register(browse);
    const int exploreThread = registry.Register(explore);
    registry.Register(holidays);
    registry.Join(ThreadGroup::TaskLists, browseThread);
    registry.Join(ThreadGroup::TaskLists, exploreThread);
    registry.Join(ThreadGroup::TaskLists, exploreThread);
    registry.Join(ThreadGroup::TaskLists, 999); // no such thread: not a member

    EXPECT_EQ(registry.Members(ThreadGroup::TaskLists), QList<int>({browseThread, exploreThread}));
    EXPECT_EQ(registry.Broadcast(ThreadGroup::TaskLists, EventNumber::kRefreshTaskList), 2);
    DeliverPostedEvents();
    EXPECT_EQ(browse->received, std::vector<int>{EventNumber::kRefreshTaskList});
    EXPECT_EQ(explore->received, std::vector<int>{EventNumber::kRefreshTaskList});
    EXPECT_TRUE(frame->received.empty());
    EXPECT_TRUE(holidays->received.empty());

    registry.Leave(ThreadGroup::TaskLists, browseThread);
    FinishClosing(explore);
    EXPECT_EQ(registry.Broadcast(ThreadGroup::TaskLists, EventNumber::kRefreshTaskList), 0);
    DeliverPostedEvents();
    EXPECT_EQ(browse->received.size(), 1u);
}

TEST_F(ThreadRegistryTest, EventsForAClosedWindowAreDropped)
{
    auto* list = new RecordingWindow;
    const int thread = registry.Register(list);
    registry.Post(thread, EventNumber::kRefreshTaskList);
    FinishClosing(list);
    DeliverPostedEvents(); // must not reach the deleted window
    EXPECT_EQ(registry.Window(thread), nullptr);
}

} // namespace
} // namespace vl
