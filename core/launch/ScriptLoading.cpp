#include "core/launch/ScriptLoading.h"

#include "core/dictionary/ProgramQueues.h"
#include "core/base/EventLog.h"
#include "core/launch/ScriptTokenQuoting.h"
#include "core/schedule/RunTimes.h"
#include "core/base/Globals.h"
#include "platform/runtime/Clock.h"
#include "platform/runtime/FixedText.h"

#include <QStringList>

namespace vl {
namespace {

const char kWaitAction[] = "Wait";
const char kStartProgramAction[] = "Start Program";
const char kTestMark[] = "...";
const char kIfTimeElapsedPrefix[] = "If T";
const char kFileActionsPrefix[] = "File";

const char kFtpUpload[] = "FTP Upload";
const char kFtpDownload[] = "FTP Download";
const char kHttpDownload[] = "HTTP Download";

// Start options of the helper programs' Start Program steps.
const char kFtpUploadOptions[] = "12111";
const char kDownloadOptions[] = "1211";
// How long a script waits for a helper program: one hour.
constexpr int32_t kHelperProgramWait = 360'000;
constexpr int kTopicHalf = 128;

DueMoment Folded(int64_t date, int64_t time)
{
    CarryDays(date, time);
    return {static_cast<Date>(date), static_cast<ClockTime>(time)};
}

} // namespace

int64_t ScriptStepLength(ScriptingRecord& item)
{
    const QString action = Clip(item.Action);
    if (action == QLatin1String(kWaitAction)) {
        const QString condition = Clip(item.DDEApplicationName).toLower();
        if (condition == QLatin1String("or") || condition == QLatin1String("either")) {
            item.TimeElapsed = 0;
            return 0;
        }
        return int64_t(item.SecondsToWait) * kClockPerSecond;
    }
    if (action.contains(QLatin1String(kTestMark)))
        return 0;
    return GlobalDelay;
}

namespace {

QString FtpCommand(const ScriptingRecord& item, const QString& operation)
{
    const QStringList tokens{QuoteScriptToken(item.Command), QuoteScriptToken(item.Path),
                             QuoteScriptToken(item.DDEApplicationName),
                             QuoteScriptToken(item.DDEApplicationTopic.left(kTopicHalf)),
                             QuoteScriptToken(item.DDEApplicationTopic.mid(kTopicHalf, kTopicHalf))};
    return QStringLiteral("VLFTP ") + operation + QLatin1Char(' ') + tokens.join(QLatin1Char(' '));
}

} // namespace

DueMoment FirstScriptStepTime()
{
    DueMoment first = Folded(Today(), int64_t(Now()) + 2 * int64_t(GlobalDelay));
    if (!ScriptQueue.isEmpty()) {
        const ScriptQueueEntry& last = ScriptQueue.last();
        if (CompareRunTimes(last.DATE, last.TIME, first.date, first.time) > 0)
            first = Folded(last.DATE, int64_t(last.TIME) + GlobalDelay);
    }
    return first;
}

void QueueTaskScript(Table<ScriptingRecord>& scripting, int32_t taskId)
{
    const DueMoment start = FirstScriptStepTime();
    DueMoment due = start;
    ScriptingRecord position;
    position.ID = taskId;
    if (!scripting.Set(SCR_KEYID, position)) {
        WriteEventLog(QStringLiteral("Script"), QStringLiteral("Set Error: ") + scripting.Error());
        return;
    }
    const qsizetype before = ScriptQueue.size();
    bool queued = false;
    ScriptingRecord item;
    while (scripting.Next(item) && item.ID == taskId) {
        ScriptQueueEntry entry;
        entry.RECORD = item;
        due = Folded(due.date, int64_t(due.time) + ScriptStepLength(entry.RECORD));
        entry.DATE = due.date;
        entry.TIME = due.time;
        ConvertFileActionCommand(entry.RECORD, start);
        // A start through the desktop yields no window of the started
        // program, so there is none for the script to work on.
        entry.WINDOWHANDLE = 0;
        ScriptQueue.append(entry);
        queued = true;
    }
    if (scripting.LastError().WalkFailed()) {
        // Part of a script is never run: the steps queued so far are taken back.
        ScriptQueue.resize(before);
        WriteEventLog(QStringLiteral("Script"), QStringLiteral("Read Error: ") + scripting.LastError().Describe());
        return;
    }
    if (!queued)
        return;
    ScriptQueueEntry end;
    end.RECORD.Action = QLatin1String(kScriptEndAction);
    end.DATE = due.date;
    end.TIME = due.time;
    ScriptQueue.append(end);
}

void ConvertFileActionCommand(ScriptingRecord& item, DueMoment scriptStart)
{
    if (item.Action.startsWith(QLatin1String(kIfTimeElapsedPrefix))) {
        const DueMoment deadline =
            Folded(scriptStart.date, int64_t(scriptStart.time) + int64_t(item.TimeElapsed) * kClockPerSecond);
        item.TimeElapsed = deadline.time;
        item.SecondsToWait = deadline.date;
    } else if (item.Action.startsWith(QLatin1String(kFileActionsPrefix))) {
        ConvertTransferFileAction(item);
    }
}

void ConvertTransferFileAction(ScriptingRecord& item)
{
    const QString type = Clip(item.DDEType);
    QString command;
    QString options;
    if (type == QLatin1String(kFtpUpload)) {
        command = FtpCommand(item, QStringLiteral("U"));
        options = QLatin1String(kFtpUploadOptions);
    } else if (type == QLatin1String(kFtpDownload)) {
        command = FtpCommand(item, QStringLiteral("D"));
        options = QLatin1String(kDownloadOptions);
    } else if (type == QLatin1String(kHttpDownload)) {
        command = QStringLiteral("HTTPGET ") + QuoteScriptToken(item.Command) + QLatin1Char(' ')
                  + QuoteScriptToken(item.Path) + QStringLiteral(" /AUTO");
        options = QLatin1String(kDownloadOptions);
    } else {
        return;
    }
    item.Action = QLatin1String(kStartProgramAction);
    // Kept whole: the queue is in memory, and a command cut to the field's
    // width would lose the last tokens (the password among them).
    item.Command = command;
    item.DDEApplicationName = options;
    item.TimeElapsed = kHelperProgramWait;
    item.DDEApplicationTopic.clear();
}

} // namespace vl
