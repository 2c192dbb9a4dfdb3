// The frame's timer tick without a window: the phase cycle, the inactive
// state, the guard against a tick inside a tick, the script status and the
// icons.

#include "core/cycle/SchedulerState.h"
#include "core/cycle/SchedulerCycle.h"
#include "core/cycle/TickFailures.h"
#include "tests/support/ScriptedPrompt.h"
#include "tests/support/TempDir.h"
#include "core/base/Globals.h"
#include "platform/runtime/Clock.h"
#include "platform/runtime/Picture.h"

#include <gmock/gmock.h>

#include <QStringList>

namespace vl {
namespace {

using ::testing::ElementsAre;

// Records what the tick shows.
class RecordingSurface : public TickSurface {
public:
    QString title = QStringLiteral("Velmora 2000 1.91");
    QString status;
    QString indicator;
    QString workingIcon;
    QStringList trayIcons;
    QList<bool> viewScript;
    int trayChoices = 0;
    int notifications = 0;
    int titleChanges = 0;

    QString Title() const override { return title; }
    void SetTitle(const QString& text) override
    {
        title = text;
        ++titleChanges;
    }
    void SetScriptStatus(const QString& text) override { status = text; }
    void SetScriptIndicator(const QString& text) override { indicator = text; }
    void SetWorkingIcon(const QString& icon) override { workingIcon = icon; }
    void SetTrayIcon(const QString& icon) override { trayIcons << icon; }
    void EnableViewCurrentScript(bool enabled) override { viewScript << enabled; }
    void ChooseTrayMinimising() override { ++trayChoices; }
    void NotifyTaskLists() override { ++notifications; }
};

ScriptQueueEntry Step(const QString& action, ClockTime time)
{
    ScriptQueueEntry entry;
    entry.RECORD.Action = action;
    entry.TIME = time;
    return entry;
}

class SchedulerCycleTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        StartUpActive = 1;
        MonitorClipboard = 0;
        ScriptQueue.clear();
        TempScriptingActive = false;
        MailProgressText.clear();
        NextTaskText = QStringLiteral("Next: Backup");

        routines.checkAdvanceWarnings = [this] { calls << QStringLiteral("warnings"); };
        routines.removeExpiredHistory = [this] {
            calls << QStringLiteral("history");
            return historyRemoved;
        };
        routines.findDueTask = [this] { calls << QStringLiteral("due"); };
        routines.collectExitCodes = [this] { calls << QStringLiteral("exit codes"); };
        routines.captureClipboard = [this] { calls << QStringLiteral("clipboard"); };
    }

    void TearDown() override
    {
        StartUpActive = 0;
        ScriptQueue.clear();
        TempScriptingActive = false;
        NextTaskText.clear();
    }

    void Ticks(int count)
    {
        for (int i = 0; i < count; ++i)
            EXPECT_TRUE(cycle.Tick());
    }

    RecordingSurface surface;
    SchedulerRoutines routines;
    SchedulerCycle cycle{surface, routines};
    QStringList calls;
    bool historyRemoved = false;
};

TEST_F(SchedulerCycleTest, PhasesRunTheirRoutinesInTurnAndWrapToOne)
{
    historyRemoved = true;
    routines.rollHolidays = [this] { calls << QStringLiteral("holidays"); };
    Ticks(5);
    EXPECT_THAT(calls, ElementsAre("warnings", "history", "holidays", "due", "exit codes", "warnings"));
    EXPECT_EQ(cycle.Phase(), 1);
    EXPECT_EQ(surface.trayChoices, 2) << "the tray minimising choice is made again on each wrap to phase 1";
    EXPECT_EQ(surface.notifications, 1) << "only a history check that ran refreshes the task lists";
    EXPECT_EQ(surface.title, "Velmora 2000");
    EXPECT_EQ(surface.titleChanges, 1);
    EXPECT_EQ(surface.status, "Next: Backup");
}

TEST_F(SchedulerCycleTest, HistoryAndHolidaysRunAtStartAndWhenTheDateChanges)
{
    SettableClock clock(MakeDate(3, 14, 2026), MakeClock(23, 59, 58));
    const ClockOverride useClock(clock);
    routines.rollHolidays = [this] { calls << QStringLiteral("holidays"); };
    const auto daily = [this] {
        QStringList work;
        for (const QString& call : std::as_const(calls))
            if (call == "history" || call == "holidays")
                work << call;
        calls.clear();
        return work;
    };
    Ticks(12);
    EXPECT_THAT(daily(), ElementsAre("history", "holidays")) << "the first phase 2 of the run";
    clock.Advance(100);
    Ticks(8);
    EXPECT_THAT(daily(), ElementsAre()) << "the same day";
    clock.Advance(100); // midnight
    Ticks(1);
    EXPECT_EQ(cycle.Phase(), 1);
    EXPECT_THAT(daily(), ElementsAre()) << "phase 1 does no daily work";
    Ticks(1);
    EXPECT_THAT(daily(), ElementsAre("history", "holidays")) << "the first phase 2 of the new day";
    Ticks(4);
    EXPECT_THAT(daily(), ElementsAre());
}

TEST_F(SchedulerCycleTest, PhasesWithoutARoutineAreSkipped)
{
    routines.removeExpiredHistory = nullptr;
    routines.collectExitCodes = nullptr;
    routines.rollHolidays = [this] { calls << QStringLiteral("holidays"); };
    Ticks(4);
    EXPECT_THAT(calls, ElementsAre("warnings", "holidays", "due")) << "holidays roll without a history check";
    EXPECT_EQ(surface.notifications, 0);
}

TEST_F(SchedulerCycleTest, InactiveRunsNoPhaseButStillCapturesTheClipboard)
{
    StartUpActive = 0;
    MonitorClipboard = 1;
    Ticks(4);
    EXPECT_THAT(calls, ElementsAre("clipboard", "clipboard", "clipboard", "clipboard"));
    EXPECT_EQ(surface.title, "Velmora 2000 (Inactive)");
    EXPECT_TRUE(surface.title.endsWith(" (Inactive)"));
    EXPECT_EQ(surface.status, "Inactive");
    EXPECT_EQ(surface.workingIcon, "~blank.ico");
    EXPECT_EQ(surface.trayIcons.last(), "tray_ico");
}

TEST_F(SchedulerCycleTest, ATickInsideATickDoesNothing)
{
    // A prompt's own event loop delivers the next timer events while the
    // routine that opened it is still running.
    int nested = 0;
    routines.checkAdvanceWarnings = [&] {
        calls << QStringLiteral("warnings");
        EXPECT_FALSE(cycle.Tick());
        EXPECT_FALSE(cycle.Tick());
        ++nested;
    };
    Ticks(2);
    EXPECT_EQ(nested, 1);
    EXPECT_THAT(calls, ElementsAre("warnings", "history"));
    EXPECT_EQ(cycle.Phase(), 2) << "the refused ticks did not move the cycle on";
    EXPECT_FALSE(cycle.InTick());
}

TEST_F(SchedulerCycleTest, GuardIsReleasedWhenARoutineThrows)
{
    routines.checkAdvanceWarnings = [] { throw std::runtime_error("table gone"); };
    EXPECT_THROW(cycle.Tick(), std::runtime_error);
    EXPECT_FALSE(cycle.InTick());
    EXPECT_TRUE(cycle.Tick());
    EXPECT_THAT(calls, ElementsAre("history"));
}

TEST_F(SchedulerCycleTest, WorkingIconAnimatesThroughSevenFrames)
{
    QStringList icons;
    for (int i = 0; i < 8; ++i) {
        cycle.Tick();
        icons << surface.workingIcon;
    }
    EXPECT_THAT(icons, ElementsAre("~wrka.ico", "~wrkb.ico", "~wrkc.ico", "~wrkd.ico", "~wrke.ico", "~wrkf.ico",
                                   "~wrkg.ico", "~wrka.ico"));
    EXPECT_EQ(WorkingIcon(3, true, false), "~wrkcs.ico");
    EXPECT_EQ(WorkingIcon(7, false, false), "~blank.ico");
}

TEST_F(SchedulerCycleTest, RunningScriptShowsItsStepAndAnimatesTheTrayIcon)
{
    const ClockTime due = 9 * 360000 + 1;
    ScriptQueue << Step(QStringLiteral("Send Keys"), due) << Step(QStringLiteral("**End**"), due + 100);
    routines.describeScriptItem = [](const ScriptingRecord& item) {
        return item.Action == QLatin1String("Send Keys") ? QStringLiteral("Type hello   ") : QString();
    };
    int steps = 0;
    routines.runDueScriptItem = [&] { ++steps; };

    Ticks(5);
    EXPECT_EQ(steps, 5);
    EXPECT_EQ(surface.indicator, "*");
    EXPECT_THAT(surface.viewScript, ElementsAre(true));
    EXPECT_EQ(surface.status, "Send Keys Type hello " + Picture::Format(due, QStringLiteral("@t7")));
    EXPECT_EQ(surface.workingIcon, "~wrkes.ico");
    EXPECT_THAT(surface.trayIcons, ElementsAre("traybus2_ico", "traybusy_ico", "traybus2_ico", "traybus2_ico"))
        << "the fourth busy frame leaves the icon as it is";

    ScriptQueue.removeFirst();
    cycle.Tick();
    EXPECT_EQ(surface.status, "**End** " + Picture::Format(due + 100, QStringLiteral("@t7")))
        << "a step without a summary shows its action and time";

    ScriptQueue.clear();
    cycle.Tick();
    EXPECT_EQ(surface.indicator, "");
    EXPECT_THAT(surface.viewScript, ElementsAre(true, false));
    EXPECT_EQ(surface.status, "Next: Backup");
    EXPECT_EQ(surface.trayIcons.last(), "tray_ico");
}

TEST_F(SchedulerCycleTest, ZoneTwoIsRefreshedAfterTheScriptStep)
{
    ScriptQueue << Step(QStringLiteral("Wait"), 1) << Step(QStringLiteral("**End**"), 2);
    routines.runDueScriptItem = [] { ScriptQueue.removeFirst(); };
    cycle.Tick();
    EXPECT_TRUE(surface.status.startsWith("**End** ")) << surface.status.toStdString();
}

TEST_F(SchedulerCycleTest, MailProgressIsShownOnceInFrontOfTheStep)
{
    ScriptQueue << Step(QStringLiteral("Send Email"), 1);
    // The step reports its progress while it runs; the status shown after
    // the step carries it.
    routines.runDueScriptItem = [] {
        if (ScriptQueue.size() == 1)
            MailProgressText = QStringLiteral("Connecting   ");
    };
    cycle.Tick();
    EXPECT_TRUE(surface.status.startsWith("Connecting...Send Email ")) << surface.status.toStdString();
    EXPECT_TRUE(MailProgressText.isEmpty());
    ScriptQueue << Step(QStringLiteral("**End**"), 2);
    cycle.Tick();
    EXPECT_TRUE(surface.status.startsWith("Send Email ")) << surface.status.toStdString();
}

TEST_F(SchedulerCycleTest, OnDemandScriptRunsToItsEndWhileInactive)
{
    StartUpActive = 0;
    ScriptQueue << Step(QStringLiteral("Wait"), 1) << Step(QStringLiteral("Wait"), 2)
                << Step(QStringLiteral("**End**"), 3);
    routines.runDueScriptItem = [] { ScriptQueue.removeFirst(); };

    cycle.Tick();
    EXPECT_FALSE(cycle.ScriptRunning()) << "an inactive scheduler runs no script of its own";
    EXPECT_EQ(ScriptQueue.size(), 3);

    TempScriptingActive = true;
    Ticks(3);
    EXPECT_TRUE(ScriptQueue.isEmpty()) << "every step ran, not only the first";
    EXPECT_TRUE(TempScriptingActive) << "the flag lasts as long as the queue";
    cycle.Tick();
    EXPECT_FALSE(TempScriptingActive);
    EXPECT_FALSE(cycle.ScriptRunning());
    EXPECT_EQ(surface.status, "Inactive");
}

TEST(TickFailures, EachDistinctFailureIsLoggedAndShownOnce)
{
    test::ScriptedPrompt prompt;
    GlobalUseLog = true;
    TickFailures failures;
    for (const char* message : {"disk I/O error", "disk I/O error", "out of memory", "disk I/O error"})
        failures.Report(message);
    GlobalUseLog = false;
    const QStringList lines = test::ReadTextFile("VLMREVNT.LOG").split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 2);
    EXPECT_TRUE(lines[0].contains("Scheduler Error") && lines[0].trimmed().endsWith("Tick failed:  disk I/O error"));
    EXPECT_TRUE(lines[1].trimmed().endsWith("Tick failed:  out of memory"));
    ASSERT_EQ(prompt.Questions().size(), 2u);
    EXPECT_TRUE(prompt.Questions()[1].text.endsWith("|out of memory"));
}

} // namespace
} // namespace vl
