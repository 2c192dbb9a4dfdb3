#include "core/dictionary/Dictionary.h"
#include "core/dictionary/ProgramQueues.h"
#include "core/engine/DueTask.h"
#include "core/engine/DueTaskRules.h"
#include "core/engine/TaskFrame.h"
#include "core/eventlog/UserDate.h"
#include "core/frame/FrameGlobals.h"
#include "core/frame/SchedulerCycle.h"
#include "core/settings/Globals.h"
#include "platform/runtime/Clock.h"
#include "platform/sound/RecordingSoundPlayer.h"
#include "tests/support/ScriptedPrompt.h"
#include "tests/support/TempDir.h"

#include <SQLiteCpp/Database.h>
#include <gtest/gtest.h>

#include <QCoreApplication>

namespace vl {
namespace {

const Date kToday = MakeDate(3, 12, 2025);

class RecordingFrame : public TaskFrame {
public:
    void RestoreFromTray() override { ++restores; }
    void SetTrayTip(const QString& text) override { tip = text; }
    int restores = 0;
    QString tip;
};

class DueTaskTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        savedLockWait = LockWait();
        SetLockWait(50);
        DictionaryStart();
        for (TableFile* table : {static_cast<TableFile*>(&Tables().Schedule), static_cast<TableFile*>(&Tables().Scripting),
                                 static_cast<TableFile*>(&Tables().Holidays)})
            ASSERT_TRUE(table->Open(TableFile::kDeclaredMode, true));
        GlobalUseLog = true;
    }

    void TearDown() override
    {
        DictionaryEnd();
        SetLockWait(savedLockWait);
        ScriptQueue.clear();
        NextTaskText.clear();
        GlobalUseLog = false;
        SaveScripts = UseWinMessage = StartUpActive = 0;
    }

    // A daily "Run Program" task that starts nothing ("N/A"), so its runs
    // show in the log as "Run Program".
    static ScheduleRecord Daily(const char* description, Date date, ClockTime time)
    {
        ScheduleRecord task;
        task.Description = QString::fromLatin1(description);
        task.TaskType = kRunProgramType;
        task.Command = "N/A";
        task.ScheduleType = "Day of Week";
        task.Date = date;
        task.Time = time;
        return task;
    }

    ScheduleRecord Stored(ScheduleRecord task, int scriptItems = 0)
    {
        EXPECT_TRUE(Tables().Schedule.Add(task));
        for (int sequence = 1; sequence <= scriptItems; ++sequence) {
            ScriptingRecord item;
            item.ID = task.ID;
            item.Sequence = sequence;
            item.Action = "Send Keys";
            EXPECT_TRUE(Tables().Scripting.Add(item));
        }
        return task;
    }

    static std::optional<ScheduleRecord> Find(int32_t id)
    {
        ScheduleRecord task;
        task.ID = id;
        return Tables().Schedule.Get(SCH_KEYID, task) ? std::optional(task) : std::nullopt;
    }

    static std::vector<ScheduleRecord> HistoryOf(const QString& description)
    {
        std::vector<ScheduleRecord> found;
        ScheduleRecord task;
        Tables().Schedule.Set(SCH_KEYID);
        while (Tables().Schedule.Next(task))
            if (task.Completed && task.Description.endsWith(description))
                found.push_back(task);
        return found;
    }

    static int ScriptItems(int32_t id)
    {
        int count = 0;
        ScriptingRecord item;
        Tables().Scripting.Set(SCR_KEYID);
        while (Tables().Scripting.Next(item))
            count += item.ID == id;
        return count;
    }

    // "label|text" of every logged event.
    static QStringList Logged()
    {
        QStringList events;
        for (const QString& line : test::ReadTextFile("VLMREVNT.LOG").split('\n', Qt::SkipEmptyParts))
            events << line.mid(22, 32).trimmed() + '|' + line.mid(54).trimmed();
        return events;
    }

    void Run(int32_t id) { ExecuteTask(*Find(id)); }

    int savedLockWait = 0;
    SettableClock clock{kToday, MakeClock(10, 0)};
    ClockOverride clockOverride{clock};
    RecordingSoundPlayer sound;
    SoundOverride soundOverride{sound};
    RecordingFrame frame;
    TaskFrameOverride frameOverride{frame};
    test::ScriptedPrompt prompt;
};

TEST_F(DueTaskTest, LateTasksAreSkippedOnlyWhenOverdueAndCountTheNextRunFromNow)
{
    struct Case {
        const char* name;
        Date due;
        ClockTime dueTime;
        ClockTime now;
        bool scriptRunning;
        const char* logged; // the run, or the skip
        Date next;
        ClockTime nextTime;
    };
    const Case cases[] = {
        {"11 late", kToday, MakeClock(10, 0), MakeClock(10, 11), false, kOverdueSkippedLabel, kToday + 1,
         MakeClock(10, 0)},
        {"9 late", kToday, MakeClock(10, 0), MakeClock(10, 9), false, "Run Program", kToday + 1, MakeClock(10, 0)},
        // Two minutes late across midnight; counted from the start of today.
        {"midnight", kToday - 1, MakeClock(23, 59), MakeClock(0, 1), false, "Run Program", kToday,
         MakeClock(23, 59)},
        {"yesterday", kToday - 1, MakeClock(0, 3), MakeClock(0, 6), false, kOverdueSkippedLabel, kToday,
         MakeClock(0, 3)},
        {"script", kToday, MakeClock(10, 0), MakeClock(10, 0), true, kSkippedDuringScriptLabel, kToday + 1,
         MakeClock(10, 0)},
    };
    for (const Case& c : cases) {
        ScheduleRecord task = Daily(c.name, c.due, c.dueTime);
        task.SkipIfMissed = task.SkipIfScriptActive = 1;
        task = Stored(task);
        clock.Set(kToday, c.now);
        ScriptQueue.clear();
        if (c.scriptRunning)
            ScriptQueue.append(ScriptQueueEntry());
        Run(task.ID);

        const bool ran = QString::fromLatin1(c.logged) == "Run Program";
        const QString text = ran ? QString("N/A") : QString::fromLatin1(c.name);
        EXPECT_TRUE(Logged().contains(QString::fromLatin1(c.logged) + '|' + text)) << c.name << qPrintable(Logged().join(";"));
        const ScheduleRecord next = *Find(task.ID);
        EXPECT_EQ(next.Date, c.next) << c.name;
        EXPECT_EQ(next.Time, c.nextTime) << c.name;
        EXPECT_EQ(next.LastRunTime, c.now) << c.name;
        const auto history = HistoryOf(QString::fromLatin1(c.name));
        ASSERT_EQ(history.size(), 1u) << c.name;
        EXPECT_EQ(history[0].Description, ran ? QString(c.name) : "(Skipped) " + QString(c.name));
        EXPECT_EQ(history[0].Skipped, ran ? 0 : 1) << c.name;
        EXPECT_EQ(history[0].Disabled, 1);
        EXPECT_EQ(history[0].Date, c.due);
    }
    EXPECT_EQ(Logged().count("Run Program|N/A"), 2);
}

TEST_F(DueTaskTest, OnlyAProgramTaskTwoDaysLateAsksWhetherToRunStill)
{
    UseWinMessage = 1;
    struct Case {
        const char* type;
        Date due;
        bool asks;
    };
    for (const Case& c : {Case{kRunProgramType, kToday - 2, true}, Case{kRunProgramType, kToday - 1, false},
                          Case{kDisplayMessageType, kToday - 2, false}}) {
        ScheduleRecord task = Daily(c.type, c.due, MakeClock(10, 0));
        task.TaskType = QString::fromLatin1(c.type);
        task.Warn = 1;
        task = Stored(task);
        test::ScriptedPrompt asked;
        if (c.asks)
            asked.AnswerButton("No");
        else if (task.TaskType == kDisplayMessageType)
            asked.AnswerButton("OK"); // the message itself
        Run(task.ID);
        QCoreApplication::processEvents();
        ASSERT_EQ(asked.Questions().size(), c.asks || !StartsProgram(task.TaskType) ? 1u : 0u) << c.type;
        if (c.asks) {
            EXPECT_EQ(asked.Questions()[0].caption, kMissedTaskCaption);
            EXPECT_EQ(asked.Questions()[0].text, "Run Program was not run.  Run it now?");
            EXPECT_EQ(asked.Questions()[0].icon, PromptIcon::Question);
            EXPECT_TRUE(Logged().contains(QString(kMissedSkippedLabel) + "|Run Program"));
            EXPECT_EQ(HistoryOf("Run Program").at(0).Skipped, 1);
        } else if (!asked.Questions().empty()) {
            EXPECT_EQ(asked.Questions()[0].caption, kDisplayMessageType);
        }
    }
    EXPECT_EQ(Logged().count("Run Program|N/A"), 1);
}

TEST_F(DueTaskTest, AnOccurrenceMarkedToSkipIsPassedOverWithoutHistory)
{
    ScheduleRecord task = Daily("Backup", kToday, MakeClock(9, 0));
    task.SkipNextTime = task.Alarm = 1;
    task = Stored(task);
    Run(task.ID);
    const ScheduleRecord next = *Find(task.ID);
    EXPECT_EQ(next.SkipNextTime, 0);
    EXPECT_EQ(next.Date, kToday + 1);
    EXPECT_EQ(next.LastRunDate, 0);
    EXPECT_TRUE(HistoryOf("Backup").empty());
    EXPECT_TRUE(sound.requests.isEmpty());
    EXPECT_FALSE(Logged().contains("Run Program|N/A"));
}

TEST_F(DueTaskTest, AOneTimeTaskIsCompletedOrDeletedWithItsScript)
{
    SaveScripts = 1;
    for (const uint8_t noHistory : {0, 1}) {
        ScheduleRecord task = Daily("Once", kToday, MakeClock(9, 0));
        task.ScheduleType = "Once";
        task.NoHistory = noHistory;
        task = Stored(task, 2);
        Run(task.ID);
        const std::optional<ScheduleRecord> after = Find(task.ID);
        EXPECT_EQ(after.has_value(), !noHistory);
        EXPECT_EQ(ScriptItems(task.ID), noHistory ? 0 : 2);
        if (after) {
            EXPECT_EQ(after->Completed + after->Disabled, 2);
            EXPECT_EQ(after->Date, kToday);
            EXPECT_EQ(after->Skipped, 0);
        } else {
            // The next task takes the freed ID and none of the old items.
            EXPECT_EQ(Stored(Daily("Reuses the ID", kToday + 5, 1)).ID, task.ID);
        }
    }
    EXPECT_EQ(HistoryOf("Once").size(), 1u) << "the kept task is its own history";
}

TEST_F(DueTaskTest, TheAdvanceWarningFollowsTheTaskAndTheHistoryKeepsTheRunAndItsScript)
{
    SaveScripts = 1;
    ScheduleRecord task = Daily("Report", kToday, MakeClock(10, 0));
    task.AdvanceWarnDate = kToday;
    task.AdvanceWarnTime = MakeClock(9, 30);
    task.AdvanceWarned = 1;
    task = Stored(task, 3);
    Run(task.ID);
    const ScheduleRecord next = *Find(task.ID);
    EXPECT_EQ(next.Date, kToday + 1);
    EXPECT_EQ(next.AdvanceWarnDate, kToday + 1);
    EXPECT_EQ(next.AdvanceWarnTime, MakeClock(9, 30));
    EXPECT_EQ(next.AdvanceWarned, 0);
    const ScheduleRecord history = HistoryOf("Report").at(0);
    EXPECT_EQ(history.Time, MakeClock(10, 0));
    EXPECT_EQ(history.AdvanceWarnDate, kToday);
    EXPECT_EQ(history.AdvanceWarnTime, MakeClock(9, 30));
    EXPECT_EQ(ScriptItems(history.ID), 3);
    EXPECT_EQ(ScriptItems(task.ID), 3);
    EXPECT_EQ(ScriptQueue.size(), 4) << "three items and the end marker";
}

TEST_F(DueTaskTest, AQuickStartIsAFreshOneTimeCopyWithItsScript)
{
    clock.Set(kToday, MakeClock(23, 58));
    ScheduleRecord task = Daily("Copy me", kToday - 3, MakeClock(8, 0));
    task.SkipNextTime = 1;
    task.EXCEPTIONLINK = 7;
    task.AdvanceWarnDate = kToday - 3;
    task.AdvanceWarnTime = MakeClock(7, 0);
    task.AdvanceWarned = 1;
    task = Stored(task, 2);
    ASSERT_EQ(QuickStartDelays().at(0).label, "5 minutes");
    const std::optional<ScheduleRecord> copy = Find(AddQuickStartTask(task, QuickStartDelays().at(0).hundredths));
    ASSERT_TRUE(copy.has_value());
    EXPECT_NE(copy->ID, task.ID);
    EXPECT_EQ(copy->Date, kToday + 1);
    EXPECT_EQ(copy->Time, MakeClock(0, 3, 1));
    EXPECT_EQ(copy->ScheduleType, "Once");
    EXPECT_EQ(copy->SkipNextTime + copy->EXCEPTIONLINK + copy->AdvanceWarned, 0);
    EXPECT_EQ(copy->AdvanceWarnDate + copy->AdvanceWarnTime, 0);
    EXPECT_EQ(ScriptItems(copy->ID), 2);
}

TEST_F(DueTaskTest, PerformingNowSoundsRunsAndChangesNothing)
{
    for (const char* alarm : {"beep ", "alarm.wav"}) {
        ScheduleRecord task = Daily(alarm, kToday + 1, MakeClock(8, 0));
        task.Alarm = 1;
        task.AlarmFile = QString::fromLatin1(alarm);
        task = Stored(task);
        PerformTaskNow(task);
        EXPECT_EQ(Find(task.ID)->Date, kToday + 1);
    }
    EXPECT_EQ(sound.requests, QStringList({"BEEP", "alarm.wav"}));
    EXPECT_EQ(Logged().count("Run Program|N/A"), 2);
}

TEST_F(DueTaskTest, TheNextTaskIsShownAndNothingIsPendingWhenAllAreDisabled)
{
    Stored(Daily("Undated", 0, 0));
    const ScheduleRecord task = Stored(Daily("Water the plants", kToday, MakeClock(18, 30)));
    FindDueTask();
    EXPECT_EQ(NextTaskText, "Next: Water the plants");
    EXPECT_TRUE(frame.tip.startsWith("Velmora 2000 - Water the plants " + FormatUserDate(kToday) + ' ')) << qPrintable(frame.tip);
    ScheduleRecord disabled = task;
    disabled.Disabled = 1;
    ASSERT_TRUE(Tables().Schedule.Put(disabled));
    FindDueTask();
    EXPECT_EQ(NextTaskText, kNoTasksPending);
    EXPECT_EQ(frame.tip, "Velmora 2000");
}

// Runs the frame's tick again and again while its question is open.
class TickingPrompt : public test::ScriptedPrompt {
public:
    int Message(const QString& text, const QString& caption, PromptIcon icon, const QString& buttons,
                int defaultButton) override
    {
        for (int tick = 0; tick < 12; ++tick) {
            clock->Advance(25);
            refusedTicks += cycle->Tick() ? 0 : 1;
        }
        return ScriptedPrompt::Message(text, caption, icon, buttons, defaultButton);
    }
    SettableClock* clock = nullptr;
    SchedulerCycle* cycle = nullptr;
    int refusedTicks = 0;
};

class NoSurface : public TickSurface {
    QString Title() const override { return {}; }
    void SetTitle(const QString&) override {}
    void SetScriptStatus(const QString&) override {}
    void SetScriptIndicator(const QString&) override {}
    void SetWorkingIcon(const QString&) override {}
    void SetTrayIcon(const QString&) override {}
    void EnableViewCurrentScript(bool) override {}
    void ChooseTrayMinimising() override {}
    void NotifyTaskLists() override {}
};

TEST_F(DueTaskTest, ATaskIsPerformedOnceWhileItsQuestionStaysOpenOverManyTicks)
{
    StartUpActive = 1;
    ScheduleRecord task = Daily("Confirm me", kToday, MakeClock(10, 0));
    task.UserSkip = 1;
    task = Stored(task);
    NoSurface surface;
    SchedulerRoutines routines;
    routines.findDueTask = FindDueTask;
    SchedulerCycle cycle(surface, routines);
    TickingPrompt asking;
    asking.clock = &clock;
    asking.cycle = &cycle;
    asking.AnswerButton("Yes");
    for (int tick = 0; tick < 40; ++tick)
        cycle.Tick();
    EXPECT_EQ(asking.refusedTicks, 12);
    ASSERT_EQ(asking.Questions().size(), 1u);
    EXPECT_EQ(asking.Questions()[0].text, "Confirm me is due to run.  Run it now?");
    EXPECT_EQ(Logged().count("Run Program|N/A"), 1);
    EXPECT_EQ(HistoryOf("Confirm me").size(), 1u);
    EXPECT_EQ(Find(task.ID)->Date, kToday + 1);
}

TEST_F(DueTaskTest, ARunWhoseOutcomeCannotBeStoredIsNotPerformedAgain)
{
    const ScheduleRecord task = Stored(Daily("Locked out", kToday, MakeClock(10, 0)));
    SQLite::Database other("VLDB.TPS", SQLite::OPEN_READWRITE);
    other.exec("BEGIN IMMEDIATE");
    FindDueTask();
    FindDueTask();
    EXPECT_TRUE(Logged().contains("Error|Storing Locked out:  File Is Already Locked")) << qPrintable(Logged().join(";"));
    other.exec("ROLLBACK");
    FindDueTask();
    FindDueTask();
    EXPECT_EQ(Logged().count("Run Program|N/A"), 1);
    EXPECT_EQ(HistoryOf("Locked out").size(), 1u);
    EXPECT_EQ(Find(task.ID)->Date, kToday + 1);
}

} // namespace
} // namespace vl
