// The frame's background jobs on real tables: advance warnings and the daily
// removal of old history.

#include "core/base/Globals.h"
#include "core/cycle/SchedulerRoutines.h"
#include "core/dictionary/Dictionary.h"
#include "message/MessageHandOff.h"
#include "platform/data/NoCaseCollation.h"
#include "platform/runtime/Clock.h"
#include "platform/runtime/Picture.h"
#include "tasks/AdvanceWarningCheck.h"
#include "tasks/HistoryExpiry.h"
#include "tests/support/ScriptedPrompt.h"
#include "tests/support/TempDir.h"
#include "tests/tasks/TaskTestRecords.h"

#include <SQLiteCpp/Database.h>
#include <gtest/gtest.h>

namespace vl {
namespace {

const Date kToday = MakeDate(12, 3, 2025);
const ClockTime kTen = MakeClock(10, 0);

class BackgroundJobsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        DictionaryStart();
        ASSERT_TRUE(OpenTable(Tables().Schedule) && OpenTable(Tables().Scripting) && OpenTable(Tables().MsgLink));
        GlobalUseLog = true;
    }
    void TearDown() override
    {
        DictionaryEnd();
        GlobalUseLog = false;
        UseExternalMessage = 0;
        HistoryExpires = RemoveUncompleted = 0;
    }

    ScheduleRecord Stored(const char* description, Date date, const std::function<void(ScheduleRecord&)>& change)
    {
        ScheduleRecord task;
        task.Description = QString::fromLatin1(description);
        task.TaskType = "Both";
        task.ScheduleType = "Day of Week";
        task.Date = date;
        task.Time = MakeClock(9, 0);
        change(task);
        EXPECT_TRUE(Tables().Schedule.Add(task));
        return task;
    }

    static std::optional<ScheduleRecord> Find(int32_t id)
    {
        ScheduleRecord task;
        task.ID = id;
        return Tables().Schedule.Get(SCH_KEYID, task) ? std::optional(task) : std::nullopt;
    }

    static QStringList Logged()
    {
        QStringList events;
        for (const QString& line : test::ReadTextFile("VLMREVNT.LOG").split('\n', Qt::SkipEmptyParts))
            events << line.mid(22, 32).trimmed() + '|' + line.mid(54).trimmed();
        return events;
    }

    test::ScriptedPrompt prompt;
};

TEST_F(BackgroundJobsTest, AdvanceWarningsAreGivenOnceForRealMomentsOnly)
{
    enum Outcome { Shown, Skipped, Silent, Waiting };
    const struct Case {
        const char* name;
        Date date;             // the task's own
        Date warnDate;
        ClockTime warnTime;
        Outcome outcome;
        std::function<void(ScheduleRecord&)> change;
    } cases[] = {
        {"Due", kToday + 1, kToday, MakeClock(9, 0), Shown, {}},
        {"Later today", kToday, kToday, MakeClock(11, 0), Waiting, {}},
        {"No warning", kToday, 0, 0, Waiting, {}},
        {"Skipped", kToday + 1, kToday, MakeClock(9, 0), Skipped, [](ScheduleRecord& t) { t.SkipNextTime = 1; }},
        {"No date", 0, kToday - 1, MakeClock(9, 0), Silent, {}},
        {"History", kToday - 2, kToday - 2, MakeClock(8, 0), Silent, [](ScheduleRecord& t) { t.Completed = 1; }},
        // An hour before the midnight that starts today: yesterday 23:00.
        {"Borrowed", kToday, kToday, -MakeClock(1, 0), Shown, {}},
        // Passed over, holding no later warning back.
        {"Blank schedule", kToday + 1, kToday, MakeClock(8, 0), Waiting, [](ScheduleRecord& t) { t.ScheduleType = ""; }},
    };
    std::vector<ScheduleRecord> tasks;
    for (const Case& c : cases)
        tasks.push_back(Stored(c.name, c.date, [&](ScheduleRecord& t) {
            t.AdvanceWarnDate = c.warnDate;
            t.AdvanceWarnTime = c.warnTime;
            t.Message = "Hello";
            t.Command = "prog";
            if (c.change)
                c.change(t);
        }));
    CheckAdvanceWarnings(kToday, kTen);
    CheckAdvanceWarnings(kToday, kTen); // once only

    QStringList shown;
    for (const auto& question : prompt.Questions()) {
        EXPECT_EQ(question.caption, kAdvancedWarningLabel);
        EXPECT_EQ(question.kind, test::PromptKind::Notice) << "the tick goes on while it is shown";
        shown << question.text;
    }
    const ScheduleRecord& due = tasks[0];
    EXPECT_EQ(shown.size(), 2);
    EXPECT_TRUE(shown.contains(Picture::Format(due.Date, "@d3") + " " + Picture::Format(due.Time, "@t3") +
                               "\r\n\r\nHello\r\n\r\nCommand: prog"))
        << qPrintable(shown.join('\n'));
    for (size_t i = 0; i < tasks.size(); ++i) {
        const Case& c = cases[i];
        const QString name = QString::fromLatin1(c.name);
        EXPECT_EQ(Find(tasks[i].ID)->AdvanceWarned, c.outcome == Waiting ? 0 : 1) << c.name;
        EXPECT_EQ(Logged().contains("Advanced Warning|" + name), c.outcome == Shown) << c.name;
        EXPECT_EQ(Logged().contains("Advanced Warning|Skipped:  " + name), c.outcome == Skipped) << c.name;
    }
}

TEST_F(BackgroundJobsTest, TheTicksCheckWarnsWhenAWarningComesDueOrTheTableChanges)
{
    SettableClock clock(kToday, kTen);
    const ClockOverride useClock(clock);
    InstallAdvanceWarningCheck();
    const auto warn = [](ClockTime at) {
        return [at](ScheduleRecord& t) {
            t.AdvanceWarnDate = kToday;
            t.AdvanceWarnTime = at;
        };
    };
    Stored("Soon", kToday + 1, warn(kTen + 500));
    TickRoutines().checkAdvanceWarnings();
    TickRoutines().checkAdvanceWarnings();
    EXPECT_TRUE(prompt.Questions().empty());

    clock.Set(kToday, kTen + 501);
    TickRoutines().checkAdvanceWarnings();
    EXPECT_EQ(prompt.Questions().size(), 1u) << "due by the clock alone, the table as it was";

    Stored("Added meanwhile", kToday + 1, warn(kTen - 100));
    TickRoutines().checkAdvanceWarnings();
    ASSERT_EQ(prompt.Questions().size(), 2u) << "a change to the table is read at the next tick";
    EXPECT_TRUE(Logged().contains("Advanced Warning|Added meanwhile"));

    Stored("Moved by another program", kToday + 1, warn(kTen + 900));
    TickRoutines().checkAdvanceWarnings();
    SQLite::Database other("VLDB.TPS", SQLite::OPEN_READWRITE);
    ASSERT_TRUE(RegisterNoCaseCollation(other.getHandle()));
    other.exec("UPDATE s SET AdvanceWarnTime = " + std::to_string(kTen) + " WHERE Description LIKE 'Moved%'");
    TickRoutines().checkAdvanceWarnings();
    EXPECT_EQ(prompt.Questions().size(), 3u) << "another program's commit is read at the next tick";
    TickRoutines().checkAdvanceWarnings = nullptr;
}

TEST_F(BackgroundJobsTest, AWarningGoesToTheMessageProgramWhenItIsUsed)
{
    UseExternalMessage = 1;
    int started = 0;
    MessageProgramOverride starter([&](const ProgramStart&) {
        ++started;
        return RunResult::Success();
    });
    Stored("Dentist", kToday + 1, [](ScheduleRecord& t) {
        t.AdvanceWarnDate = kToday;
        t.AdvanceWarnTime = 1;
        t.TaskType = "Display Message";
        t.Message = "Bring the card";
        t.Alarm = 1;
        t.AlarmFile = "bell.wav";
    });
    CheckAdvanceWarnings(kToday, kTen);
    EXPECT_EQ(started, 1);
    EXPECT_TRUE(prompt.Questions().empty());
    MsgLinkRecord link;
    ASSERT_TRUE(Tables().MsgLink.Set(ML_K_ID) && Tables().MsgLink.Next(link));
    EXPECT_EQ(link.TITLE, "Advanced Warning: Dentist");
    EXPECT_TRUE(link.MESSAGE.endsWith("\r\n\r\nBring the card"));
    EXPECT_EQ(link.ALARMFILE, "bell.wav");
}

TEST_F(BackgroundJobsTest, HistoryExpiresOnItsDayWithItsScriptOnceADay)
{
    HistoryExpires = 30;
    const struct {
        const char* name;
        Date date;
        uint8_t completed;
        bool removed, removedWithUncompleted;
    } cases[] = {
        {"31 days", kToday - 31, 1, true, true},
        {"30 days", kToday - 30, 1, true, true},
        {"29 days", kToday - 29, 1, false, false},
        {"Disabled", kToday - 40, 0, false, true},
        {"Undated", 0, 1, false, false},
    };
    std::vector<ScheduleRecord> tasks;
    for (const auto& c : cases) {
        tasks.push_back(Stored(c.name, c.date, [&](ScheduleRecord& t) {
            t.Disabled = 1;
            t.Completed = c.completed;
        }));
        test::AddScriptItems(Tables().Scripting, tasks.back().ID, 2);
    }
    const ScheduleRecord enabled = Stored("Enabled", kToday - 60, [](ScheduleRecord&) {});

    Date lastCheck = 0;
    for (const bool uncompleted : {false, true}) {
        RemoveUncompleted = uncompleted;
        lastCheck = uncompleted ? 0 : lastCheck; // as after a restart
        EXPECT_TRUE(RemoveExpiredHistory(lastCheck, kToday));
        EXPECT_FALSE(RemoveExpiredHistory(lastCheck, kToday)) << "once a day";
        for (size_t i = 0; i < tasks.size(); ++i) {
            const bool removed = uncompleted ? cases[i].removedWithUncompleted : cases[i].removed;
            EXPECT_EQ(!Find(tasks[i].ID), removed) << cases[i].name << uncompleted;
            EXPECT_EQ(test::CountScriptItems(Tables().Scripting, tasks[i].ID), removed ? 0 : 2) << cases[i].name;
        }
    }
    EXPECT_TRUE(Find(enabled.ID)) << "an enabled task is no history";
    EXPECT_EQ(Logged().count("History|Checked for tasks needing removal"), 2);
    EXPECT_TRUE(prompt.Questions().empty());
    HistoryExpires = 0;
    EXPECT_FALSE(RemoveExpiredHistory(lastCheck, kToday + 5)) << "never with the setting 0";
}

} // namespace
} // namespace vl
