#include "tasks/AdvanceWarningCheck.h"

#include "core/base/EventLog.h"
#include "core/base/Globals.h"
#include "core/cycle/SchedulerRoutines.h"
#include "core/dictionary/Dictionary.h"
#include "scheduler/engine/DueTaskRules.h"
#include "scheduler/engine/TableStamp.h"
#include "core/schedule/RunTimes.h"
#include "message/MessageHandOff.h"
#include "platform/runtime/Clock.h"
#include "platform/runtime/FixedText.h"
#include "platform/runtime/Picture.h"
#include "platform/ui/PromptService.h"
#include "tasks/AdvanceWarning.h"

#include <limits>

namespace vl {

namespace {

const QString kTwoLines = QStringLiteral("\r\n\r\n");

QString CommandLine(const ScheduleRecord& task, const char* label)
{
    return QLatin1String(label) + Clip(task.Command);
}

} // namespace

QString AdvanceWarningText(const ScheduleRecord& task)
{
    QString text = Picture::Format(task.Date, QStringLiteral("@d3")) + QLatin1Char(' ')
                   + Picture::Format(task.Time, QStringLiteral("@t3")) + kTwoLines;
    const QString type = Clip(task.TaskType);
    if (type == QLatin1String(kDisplayMessageType))
        text += task.Message;
    else if (type == QLatin1String(kRunProgramType))
        text += CommandLine(task, "Command:  ");
    else if (type == QLatin1String(kBothType) || !Clip(task.Command).isEmpty())
        text += Clip(task.Message) + kTwoLines + CommandLine(task, "Command: ");
    else
        text += task.Message;
    return CutTo(text, kMessageTextWidth);
}

void SendAdvanceWarning(const ScheduleRecord& task, const QString& text)
{
    if (UseExternalMessage != 0) {
        ShownMessage message;
        message.title = CutTo(QLatin1String(kAdvancedWarningTitle) + Clip(task.Description), kMessageTitleWidth);
        message.text = text;
        if (task.Alarm)
            message.soundFile = task.AlarmFile;
        if (HandOffMessage(message) == 0)
            return;
    }
    Prompt::Notify(text, QLatin1String(kAdvancedWarningLabel), PromptIcon::Information);
}

AdvanceWarningOutlook CheckAdvanceWarnings(Date today, ClockTime now)
{
    Table<ScheduleRecord>& schedule = Tables().Schedule;
    Cursor<ScheduleRecord> cursor(schedule);
    // Tasks without a warning (date 0) sort first: one seek passes over them.
    ScheduleRecord position;
    position.AdvanceWarnDate = 1;
    position.AdvanceWarnTime = std::numeric_limits<ClockTime>::min();
    if (!cursor.Set(SCH_KEYADVANCED, position))
        return {};
    ScheduleRecord task;
    for (int read = 0; read < kMostWarningsChecked; ++read) {
        if (!cursor.Next(task))
            return {schedule.ErrorCode() == kRecordNotAvailable, std::nullopt};
        if (task.AdvanceWarned)
            return {true, std::nullopt}; // the warned ones sort last
        // A record without a schedule is no task to warn of; it holds no
        // later warning back.
        if (Clip(task.ScheduleType).isEmpty())
            continue;
        const std::optional<WarningMoment> moment = AdvanceWarningMoment(task);
        if (moment && CompareRunTimes(moment->date, moment->time, today, now) >= 0)
            return {true, moment}; // the warnings after it are later still
        task.AdvanceWarned = 1;
        if (!schedule.Put(task))
            return {};
        // A history record, or a task that will not run, warns of nothing.
        if (!moment || task.Completed || task.Disabled)
            continue;
        if (task.SkipNextTime) {
            WriteEventLog(QLatin1String(kAdvancedWarningLabel),
                          QLatin1String(kWarningSkippedPrefix) + Clip(task.Description));
            continue;
        }
        WriteEventLog(QLatin1String(kAdvancedWarningLabel), Clip(task.Description));
        SendAdvanceWarning(task, AdvanceWarningText(task));
    }
    return {};
}

void InstallAdvanceWarningCheck()
{
    struct LastCheck {
        std::optional<TableStamp> stamp; // the table as the last settled check read it
        std::optional<WarningMoment> next;
    };
    TickRoutines().checkAdvanceWarnings = [last = LastCheck()]() mutable {
        Table<ScheduleRecord>& schedule = Tables().Schedule;
        if (!OpenTable(schedule))
            return;
        // Taken before the check: a commit that lands during it, or the
        // check's own marks, make the next tick check again.
        const std::optional<TableStamp> stamp = TableStamp::Of(schedule);
        const bool nothingDue = !last.next || CompareRunTimes(last.next->date, last.next->time, Today(), Now()) >= 0;
        if (!(stamp && last.stamp && *stamp == *last.stamp && nothingDue)) {
            const AdvanceWarningOutlook outlook = CheckAdvanceWarnings(Today(), Now());
            last.stamp = outlook.settled ? stamp : std::nullopt;
            last.next = outlook.next;
        }
        schedule.Close();
    };
}

} // namespace vl
