// The end of the session: the question is answered "may end" and reaches
// the frame as event 1041; the end, or SIGTERM/SIGHUP, ends the program
// without the frame's close steps, its place saved and nothing lost.

#include "windows/frame/session/EndSessionHook.h"
#include "core/session/TerminationSignals.h"
#include "platform/ui/EventNumbers.h"
#include "platform/widgets/NumberedEvents.h"
#include "tests/windows/frame/frame/MainFrameFixture.h"
#include "tests/support/ScriptedPrompt.h"

#include <gmock/gmock.h>

#include <QCoreApplication>
#include <QFile>
#include <QEventLoop>
#include <QWidget>

#include <csignal>
#include <memory>

namespace vl {
namespace {

using ::testing::ElementsAre;

// Handles events until the condition holds or a bounded number of rounds
// has passed; the self-pipe is read by the event loop's socket notifier.
template <class Condition>
bool ProcessUntil(Condition condition)
{
    for (int round = 0; round < 200 && !condition(); ++round)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    return condition();
}

class EndSessionHookTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        connect();
        hook.SetQuit([this] { ++quits; });
    }

    void connect()
    {
        QObject::connect(NumberedEvents::Of(&window), &NumberedEvents::Received, &window,
                         [this](int number) { received << number; });
    }

    QWidget window;
    EndSessionHook hook;
    QList<int> received;
    int quits = 0;
};

TEST_F(EndSessionHookTest, QueryIsAnsweredAtOnceAndReachesTheWindow)
{
    hook.Attach(&window, true);
    EXPECT_TRUE(hook.QueryEnd());
    EXPECT_EQ(quits, 0) << "the question alone ends nothing";
    QCoreApplication::sendPostedEvents();
    EXPECT_THAT(received, ElementsAre(EventNumber::kSessionEndQuery));

    hook.Attach(&window, false);
    EXPECT_FALSE(hook.QueryEnd());
}

TEST_F(EndSessionHookTest, SessionManagersQuitEndsTheProgramOnlyAfterAYes)
{
    hook.Attach(&window, true);
    int ending = 0;
    QObject::connect(&hook, &EndSessionHook::SessionEnding, [&ending] { ++ending; });

    // The application's events pass the hook's filter first.
    QObject& filter = hook;
    QEvent early(QEvent::Quit);
    EXPECT_FALSE(filter.eventFilter(QCoreApplication::instance(), &early));
    EXPECT_EQ(ending, 0) << "no session end was announced";

    hook.QueryEnd();
    QEvent quit(QEvent::Quit);
    EXPECT_TRUE(filter.eventFilter(QCoreApplication::instance(), &quit)) << "the windows are not closed one by one";
    EXPECT_EQ(ending, 1);
    EXPECT_EQ(quits, 1);
    QCoreApplication::sendPostedEvents();
    EXPECT_THAT(received, ElementsAre(EventNumber::kSessionEndQuery, EventNumber::kSessionEnd));
}

TEST_F(EndSessionHookTest, TerminationSignalsEndTheProgramWhileAttached)
{
    hook.Attach(&window, true);
    int ending = 0;
    QObject::connect(&hook, &EndSessionHook::SessionEnding, [&ending] { ++ending; });
    ASSERT_EQ(std::raise(SIGTERM), 0);
    EXPECT_TRUE(ProcessUntil([&] { return quits == 1; }));
    ASSERT_EQ(std::raise(SIGHUP), 0);
    EXPECT_TRUE(ProcessUntil([&] { return quits == 2; }));
    ASSERT_EQ(std::raise(SIGINT), 0);
    EXPECT_TRUE(ProcessUntil([&] { return quits == 3; }));
    EXPECT_EQ(ending, 3);
    EXPECT_THAT(received, ElementsAre(EventNumber::kSessionEndQuery, EventNumber::kSessionEnd,
                                      EventNumber::kSessionEndQuery, EventNumber::kSessionEnd,
                                      EventNumber::kSessionEndQuery, EventNumber::kSessionEnd));
}

// Stands for whatever handled the signal before the hook.
volatile std::sig_atomic_t gPreviousHandlerCalls = 0;
void PreviousHandler(int)
{
    gPreviousHandlerCalls = gPreviousHandlerCalls + 1;
}

TEST_F(EndSessionHookTest, DetachGivesTheSignalsTheirPreviousHandling)
{
    struct sigaction previous {};
    struct sigaction mine {};
    mine.sa_handler = PreviousHandler;
    sigemptyset(&mine.sa_mask);
    sigaction(SIGHUP, &mine, &previous);
    gPreviousHandlerCalls = 0;

    hook.Attach(&window, true);
    hook.Detach();
    ASSERT_EQ(std::raise(SIGHUP), 0);
    EXPECT_EQ(gPreviousHandlerCalls, 1);
    QCoreApplication::processEvents();
    EXPECT_EQ(quits, 0);
    sigaction(SIGHUP, &previous, nullptr);
}

TEST(TerminationSignalsTest, TheNewestCatcherHearsTheSignalsAndTheOneBeforeItAfterIt)
{
    QList<int> heard;
    TerminationSignals first; // the program's start
    QObject::connect(&first, &TerminationSignals::Received, [&heard] { heard << 1; });
    auto second = std::make_unique<TerminationSignals>(); // the frame's hook
    QObject::connect(second.get(), &TerminationSignals::Received, [&heard] { heard << 2; });
    ASSERT_EQ(std::raise(SIGTERM), 0);
    ASSERT_TRUE(ProcessUntil([&] { return !heard.isEmpty(); }));
    second.reset();
    ASSERT_EQ(std::raise(SIGINT), 0);
    ASSERT_TRUE(ProcessUntil([&] { return heard.size() >= 2; }));
    QCoreApplication::processEvents();
    EXPECT_THAT(heard, ElementsAre(2, 1));
}

class FrameSessionTest : public test::MainFrameFixture {};

TEST_F(FrameSessionTest, SessionEndSkipsTheCloseStepsEvenWhenMinimisingOnClose)
{
    Settings("LogEvents=1\nMinimizeOnCloseRequest=1\n");
    OpenFrame();
    int quits = 0;
    frame->SessionHook().SetQuit([&] { ++quits; });
    int closed = 0;
    QObject::connect(frame.get(), &MainFrame::Closed, [&closed] { ++closed; });
    frame->move(40, 30);
    QFile::remove("POSITION.INI");

    EXPECT_TRUE(frame->SessionHook().QueryEnd());
    ASSERT_EQ(std::raise(SIGTERM), 0);
    ASSERT_TRUE(ProcessUntil([&] { return quits == 1; }));

    EXPECT_EQ(closed, 1);
    EXPECT_TRUE(frame->SessionEnded());
    EXPECT_TRUE(frame->close()) << "a close during the logout is not refused";
    EXPECT_THAT(LoggedLabels(), ElementsAre("Started")) << "no close steps: no \"Exit Velmora\"";
    EXPECT_TRUE(Tables().Categories.IsOpen()) << "the tables close with the program, not with the frame";
    IniFile saved("POSITION.INI");
    EXPECT_EQ(saved.Get("Main", "XPosit").toInt(), frame->normalGeometry().x()) << "the place is saved before the end";
}

} // namespace
} // namespace vl
