#include "core/dictionary/Dictionary.h"
#include "scheduler/engine/DueTask.h"
#include "scheduler/engine/DueTaskRules.h"
#include "scheduler/engine/TaskFrame.h"
#include "core/cycle/SchedulerState.h"
#include "core/cycle/SchedulerCycle.h"
#include "core/base/Globals.h"
#include "platform/runtime/Clock.h"
#include "platform/sound/RecordingSoundPlayer.h"
#include "tests/platform/data/DataFileFaults.h"
#include "tests/support/ScriptedPrompt.h"
#include "tests/support/TempDir.h"

#include <SQLiteCpp/Database.h>
#include <gtest/gtest.h>

#include <QCoreApplication>

#include <thread>

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

// Counts the reads of a table through this thread's connection to its file.
class TableReads {
public:
    explicit TableReads(TableFile& table)
    {
        table.Storage(connection_, name_);
        sqlite3_trace_v2(connection_->Db().getHandle(), SQLITE_TRACE_STMT, &TableReads::OnStatement, this);
    }
    ~TableReads() { sqlite3_trace_v2(connection_->Db().getHandle(), 0, nullptr, nullptr); }
    TableReads(const TableReads&) = delete;
    TableReads& operator=(const TableReads&) = delete;
    int count = 0;

private:
    static int OnStatement(unsigned, void* reads, void*, void* sql)
    {
        auto* self = static_cast<TableReads*>(reads);
        const QString text = QString::fromUtf8(static_cast<const char*>(sql)).trimmed();
        self->count += text.startsWith("SELECT", Qt::CaseInsensitive) && text.contains(self->name_) ? 1 : 0;
        return 0;
    }
    std::shared_ptr<DataConnection> connection_;
    QString name_;
};

template <class R>
std::vector<R> All(Table<R>& table, KeyRef key)
{
    std::vector<R> records(1);
    for (table.Set(key); table.Next(records.back());)
        records.emplace_back();
    records.pop_back();
    return records;
}

class DueTaskTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        savedLockWait = LockWait();
        SetLockWait(50);
        DictionaryStart();
        for (TableFile* table : std::vector<TableFile*>{&Tables().Schedule, &Tables().Scripting, &Tables().Holidays})
            ASSERT_TRUE(table->Open(TableFile::kDeclaredMode, true));
        GlobalUseLog = true;
        ResetSettings();
    }

    void TearDown() override
    {
        DictionaryEnd();
        SetLockWait(savedLockWait);
        ScriptQueue.clear();
        NextTaskText.clear();
        GlobalUseLog = false;
        ResetSettings();
    }

    // The settings these tests read, as a fresh installation has them but
    // with messages shown by this program.
    static void ResetSettings()
    {
        SaveScripts = UseWinMessage = UseModalMessage = UseExternalMessage = MaximizeOnRun = StartUpActive = 0;
        LogExitCodes = 0;
        SkipIfDaysPassed = 0;
    }

    // A daily "Run Program" task that starts nothing ("N/A"): each run is
    // logged "Run Program|N/A". Stored with its script items.
    ScheduleRecord Daily(const char* description, Date date, ClockTime time,
                         const std::function<void(ScheduleRecord&)>& change = {}, int scriptItems = 0)
    {
        ScheduleRecord task;
        task.Description = QString::fromLatin1(description);
        task.TaskType = kRunProgramType;
        task.Command = "N/A";
        task.ScheduleType = "Day of Week";
        task.Date = date;
        task.Time = time;
        if (change)
            change(task);
        EXPECT_TRUE(Tables().Schedule.Add(task));
        for (int sequence = 1; sequence <= scriptItems; ++sequence) {
            ScriptingRecord item;
            item.ID = task.ID;
            item.Sequence = sequence;
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
        std::vector<ScheduleRecord> history;
        for (const ScheduleRecord& task : All(Tables().Schedule, SCH_KEYID))
            if (task.Completed && task.Description.endsWith(description))
                history.push_back(task);
        return history;
    }

    static int ScriptItems(int32_t id)
    {
        const auto items = All(Tables().Scripting, SCR_KEYID);
        return static_cast<int>(std::count_if(items.begin(), items.end(), [&](auto& item) { return item.ID == id; }));
    }

    // "label|text" of every logged event.
    static QStringList Logged()
    {
        QStringList events;
        for (const QString& line : test::ReadTextFile("VLMREVNT.LOG").split('\n', Qt::SkipEmptyParts))
            events << line.mid(22, 32).trimmed() + '|' + line.mid(54).trimmed();
        return events;
    }

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
        ClockTime dueTime, now;
        const char* logged; // the run, or the skip
        Date next;
        ClockTime nextTime;
    };
    const ClockTime ten = MakeClock(10, 0);
    const Case cases[] = {
        {"11 late", kToday, ten, MakeClock(10, 11), kOverdueSkippedLabel, kToday + 1, ten},
        {"9 late", kToday, ten, MakeClock(10, 9), "Run Program", kToday + 1, ten},
        // Two minutes late across midnight; counted from the start of today.
        {"midnight", kToday - 1, MakeClock(23, 59), MakeClock(0, 1), "Run Program", kToday, MakeClock(23, 59)},
        {"yesterday", kToday - 1, MakeClock(0, 3), MakeClock(0, 6), kOverdueSkippedLabel, kToday, MakeClock(0, 3)},
        {"script", kToday, ten, ten, kSkippedDuringScriptLabel, kToday + 1, ten},
    };
    for (const Case& c : cases) {
        const ScheduleRecord task =
            Daily(c.name, c.due, c.dueTime, [](ScheduleRecord& t) { t.SkipIfMissed = t.SkipIfScriptActive = 1; });
        clock.Set(kToday, c.now);
        ScriptQueue.clear();
        if (QLatin1String(c.name) == "script")
            ScriptQueue.append(ScriptQueueEntry());
        ExecuteTask(task);

        const bool ran = QLatin1String(c.logged) == "Run Program";
        EXPECT_TRUE(Logged().contains(QString(c.logged) + '|' + (ran ? "N/A" : c.name))) << c.name;
        const ScheduleRecord next = *Find(task.ID);
        EXPECT_EQ(next.Date, c.next) << c.name;
        EXPECT_EQ(next.Time, c.nextTime) << c.name;
        EXPECT_EQ(next.LastRunTime, c.now) << c.name;
        const auto history = HistoryOf(c.name);
        ASSERT_EQ(history.size(), 1u) << c.name;
        EXPECT_EQ(history[0].Description, ran ? QString(c.name) : "(Skipped) " + QString(c.name));
        EXPECT_EQ(history[0].Skipped + history[0].Disabled, ran ? 1 : 2) << c.name;
        EXPECT_EQ(history[0].Date, c.due);
    }
    EXPECT_EQ(Logged().count("Run Program|N/A"), 2);
    EXPECT_EQ(frame.restores, 0) << "a program task leaves the frame in the tray";
}

TEST_F(DueTaskTest, OnlyAProgramTaskTwoDaysLateAsksWhetherToRunStill)
{
    UseWinMessage = 1;
    for (const auto& [type, due, asks] : {std::tuple{kRunProgramType, kToday - 2, true},
                                          {kRunProgramType, kToday - 1, false},
                                          {kDisplayMessageType, kToday - 2, false}}) {
        const ScheduleRecord task = Daily(type, due, MakeClock(10, 0), [&](ScheduleRecord& t) {
            t.TaskType = QString::fromLatin1(type);
            t.Warn = 1;
        });
        test::ScriptedPrompt asked;
        if (asks)
            asked.AnswerButton("No");
        else if (!StartsProgram(task.TaskType))
            asked.AnswerButton("OK"); // the message itself
        ExecuteTask(task);
        QCoreApplication::processEvents();
        ASSERT_EQ(asked.Questions().size(), asks || !StartsProgram(task.TaskType) ? 1u : 0u) << type;
        if (asks) {
            EXPECT_EQ(asked.Questions()[0].caption, kMissedTaskCaption);
            EXPECT_EQ(asked.Questions()[0].text, "Run Program was not run.  Run it now?");
            EXPECT_TRUE(Logged().contains(QString(kMissedSkippedLabel) + "|Run Program"));
            EXPECT_EQ(HistoryOf("Run Program").at(0).Skipped, 1);
        } else if (!asked.Questions().empty()) {
            EXPECT_EQ(asked.Questions()[0].caption, kDisplayMessageType) << "no question, only the message";
        }
    }
    EXPECT_EQ(Logged().count("Run Program|N/A"), 1);
    EXPECT_EQ(frame.restores, 1) << "the message task brings the frame back";
}

TEST_F(DueTaskTest, AnOccurrenceMarkedToSkipIsPassedOverWithoutHistory)
{
    const ScheduleRecord task = Daily("Backup", kToday, MakeClock(9, 0), [](ScheduleRecord& t) {
        t.SkipNextTime = t.Alarm = 1;
    });
    ExecuteTask(task);
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
        const ScheduleRecord task = Daily("Once", kToday, MakeClock(9, 0), [&](ScheduleRecord& t) {
            t.ScheduleType = "Once";
            t.NoHistory = noHistory;
        }, 2);
        ExecuteTask(task);
        const std::optional<ScheduleRecord> after = Find(task.ID);
        ASSERT_EQ(after.has_value(), !noHistory);
        EXPECT_EQ(ScriptItems(task.ID), noHistory ? 0 : 2) << "scripts kept, but never for a deleted task";
        if (after) {
            EXPECT_EQ(after->Completed + after->Disabled, 2);
            EXPECT_EQ(after->Date, kToday);
        } else {
            EXPECT_EQ(Daily("Reuses the ID", kToday + 5, 1).ID, task.ID);
        }
    }
}

TEST_F(DueTaskTest, TheAdvanceWarningFollowsTheTaskAndTheHistoryKeepsTheRunAndItsScript)
{
    SaveScripts = 1;
    const ScheduleRecord task = Daily("Report", kToday, MakeClock(10, 0), [](ScheduleRecord& t) {
        t.AdvanceWarnDate = kToday;
        t.AdvanceWarnTime = MakeClock(9, 30);
        t.AdvanceWarned = 1;
    }, 3);
    ExecuteTask(task);
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
    EXPECT_EQ(ScriptQueue.size(), 4) << "the three items and the end marker";
}

TEST_F(DueTaskTest, TheListsPerformATaskAtOnceOrStartAFreshOneTimeCopyLater)
{
    clock.Set(kToday, MakeClock(23, 58));
    const ScheduleRecord task = Daily("Copy me", kToday + 3, MakeClock(8, 0), [](ScheduleRecord& t) {
        t.SkipNextTime = t.Alarm = t.AdvanceWarned = 1;
        t.AlarmFile = "beep ";
        t.EXCEPTIONLINK = 7;
        t.AdvanceWarnDate = kToday + 3;
        t.AdvanceWarnTime = MakeClock(7, 0);
    }, 2);
    PerformTaskNow(task);
    EXPECT_EQ(sound.requests, QStringList{"BEEP"});
    EXPECT_EQ(Logged().count("Run Program|N/A"), 1);
    EXPECT_EQ(Find(task.ID)->Date, kToday + 3) << "not rescheduled";

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
    const ScheduleRecord task = Daily("Confirm me", kToday, MakeClock(10, 0), [](ScheduleRecord& t) { t.UserSkip = 1; });
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
    EXPECT_EQ(NextTaskText, "Next: Confirm me");
    EXPECT_TRUE(frame.tip.startsWith("Velmora 2000 - Confirm me ")) << qPrintable(frame.tip);
}

TEST_F(DueTaskTest, AProgramThatCannotStartHoldsNoLaterTaskBack)
{
    StartUpActive = 1;
    Daily("Broken", kToday, MakeClock(10, 0), [](ScheduleRecord& t) { t.Command = "/no such dir/prog"; });
    Daily("Eight seconds later", kToday, MakeClock(10, 0, 8));
    NoSurface surface;
    SchedulerRoutines routines;
    routines.findDueTask = FindDueTask;
    SchedulerCycle cycle(surface, routines);
    // A quarter of a second a tick for ten seconds; a box waiting for the
    // user would fail the scripted prompt.
    for (int tick = 0; tick < 40; ++tick) {
        cycle.Tick();
        clock.Advance(25);
    }
    ASSERT_EQ(prompt.Questions().size(), 1u);
    EXPECT_EQ(prompt.Questions()[0].kind, test::PromptKind::Notice);
    EXPECT_EQ(prompt.Questions()[0].text, "Could not start /no such dir/prog.");
    EXPECT_TRUE(Logged().contains("Error|Error Code 2: Could not start /no such dir/prog."));
    EXPECT_EQ(Logged().count("Run Program|N/A"), 1) << "only the task that ran";
    const auto later = HistoryOf("Eight seconds later");
    ASSERT_EQ(later.size(), 1u);
    EXPECT_LE(later[0].LastRunTime, MakeClock(10, 0, 9)) << "on time";
}

TEST_F(DueTaskTest, ARunWhoseOutcomeCannotBeStoredIsNotPerformedAgain)
{
    const ScheduleRecord task = Daily("Locked out", kToday, MakeClock(10, 0));
    SQLite::Database other("VLDB.TPS", SQLite::OPEN_READWRITE);
    other.exec("BEGIN IMMEDIATE");
    FindDueTask();
    FindDueTask();
    EXPECT_TRUE(Logged().contains("Error|Storing Locked out:  File Is Already Locked"));
    other.exec("ROLLBACK");
    FindDueTask();
    FindDueTask();
    EXPECT_EQ(Logged().count("Run Program|N/A"), 1);
    EXPECT_EQ(HistoryOf("Locked out").size(), 1u);
    EXPECT_EQ(Find(task.ID)->Date, kToday + 1);
    Tables().Schedule.Delete(*Find(task.ID));
    FindDueTask();
    EXPECT_EQ(NextTaskText, kNoTasksPending) << "only the history, which is disabled";
}

// The next run, the history record and its script are one commit; when it
// fails, nothing of the run is stored and the next cycle stores it without
// performing the task again.
TEST_F(DueTaskTest, ARunIsStoredInOneCommitOrNotAtAll)
{
    SaveScripts = 1;
    const ScheduleRecord task = Daily("Counted", kToday, MakeClock(10, 0), {}, 2);
    test::CommitWatch watch(Tables().Schedule);
    watch.failing = true;
    FindDueTask();
    EXPECT_TRUE(Logged().contains("Error|Storing Counted:  File System Error")) << Logged().join('\n').toStdString();
    EXPECT_EQ(Find(task.ID)->Date, kToday);
    EXPECT_TRUE(HistoryOf("Counted").empty());
    EXPECT_EQ(All(Tables().Scripting, SCR_KEYID).size(), 2u);

    watch.failing = false;
    FindDueTask();
    EXPECT_EQ(watch.commits, 1);
    EXPECT_EQ(Find(task.ID)->Date, kToday + 1);
    ASSERT_EQ(HistoryOf("Counted").size(), 1u);
    EXPECT_EQ(ScriptItems(HistoryOf("Counted")[0].ID), 2);
    EXPECT_EQ(Logged().count("Run Program|N/A"), 1);
}

TEST_F(DueTaskTest, TheLookupReadsTheTableOnlyAfterAChangeOrWhenTheTaskComesDue)
{
    Daily("Noon", kToday, MakeClock(12, 0));
    TableReads reads(Tables().Schedule);
    FindDueTask();
    const int firstReads = reads.count;
    ASSERT_GT(firstReads, 0);
    for (int tick = 0; tick < 5; ++tick) {
        clock.Advance(6000);
        FindDueTask();
    }
    EXPECT_EQ(reads.count, firstReads) << "an unchanged table is not read again";
    EXPECT_EQ(NextTaskText, "Next: Noon");

    const std::function<void()> changes[] = {
        [&] { Daily("Own write", kToday, MakeClock(11, 0)); },
        [] {
            // A thread's file objects have a connection of their own.
            std::thread([] {
                Table<ScheduleRecord> other(Tables().Schedule.DefinitionPtr());
                ScheduleRecord task;
                task.Description = "Other connection";
                task.TaskType = kRunProgramType;
                task.Command = "N/A";
                task.ScheduleType = "Day of Week";
                task.Date = kToday;
                task.Time = MakeClock(10, 30);
                EXPECT_TRUE(other.Open() && other.Add(task));
            }).join();
        },
    };
    for (const char* expected : {"Next: Own write", "Next: Other connection"}) {
        changes[QLatin1String(expected) == "Next: Own write" ? 0 : 1]();
        FindDueTask();
        EXPECT_EQ(NextTaskText, expected);
    }
    const int beforeDue = reads.count;
    clock.Set(kToday, MakeClock(10, 30));
    FindDueTask();
    EXPECT_GT(reads.count, beforeDue) << "read again before it is performed";
    EXPECT_EQ(Logged().count("Run Program|N/A"), 1);
    EXPECT_EQ(HistoryOf("Other connection").size(), 1u);
}

TEST_F(DueTaskTest, RunsThatCannotBeStoredHoldNoLaterTaskBackAndAreStoredOnceWritesWork)
{
    const ScheduleRecord first = Daily("First", kToday, MakeClock(10, 0));
    const ScheduleRecord second = Daily("Second", kToday, MakeClock(10, 0, 8));
    Daily("Tomorrow", kToday + 1, MakeClock(9, 0));
    test::CommitWatch watch(Tables().Schedule);
    watch.failing = true; // the data directory refuses every write
    for (int tick = 0; tick < 6; ++tick) {
        FindDueTask();
        clock.Advance(500);
    }
    EXPECT_EQ(Logged().count("Run Program|N/A"), 2) << "each performed once, the second on time";
    EXPECT_EQ(Logged().filter("Storing ").size(), 2) << "one line per failed run, none per retry";
    EXPECT_EQ(NextTaskText, "Next: Tomorrow");
    EXPECT_EQ(Find(first.ID)->Date, kToday) << "nothing stored";

    watch.failing = false;
    FindDueTask();
    FindDueTask();
    for (const ScheduleRecord& task : {first, second}) {
        EXPECT_EQ(Find(task.ID)->Date, kToday + 1) << qPrintable(task.Description);
        EXPECT_EQ(Find(task.ID)->Time, task.Time) << "the next run computed at the run";
        EXPECT_EQ(HistoryOf(task.Description).size(), 1u);
    }
    EXPECT_EQ(Logged().count("Run Program|N/A"), 2);
    EXPECT_EQ(NextTaskText, "Next: Tomorrow");
}

TEST_F(DueTaskTest, TasksWithoutDateAndTimeAreNeverNext)
{
    for (const uint8_t disabled : {0, 1, 0})
        Daily("Undated", 0, 0, [&](ScheduleRecord& t) { t.Disabled = disabled; });
    FindDueTask();
    EXPECT_EQ(NextTaskText, kNoTasksPending);
    Daily("Tomorrow", kToday + 1, MakeClock(9, 0));
    FindDueTask();
    EXPECT_EQ(NextTaskText, "Next: Tomorrow");
}

} // namespace
} // namespace vl
