#include "scripting/text/StartScript.h"

#include "core/base/EventLog.h"
#include "core/dictionary/ProgramQueues.h"
#include "core/launch/ScriptLoading.h"
#include "core/schedule/RunTimes.h"
#include "platform/runtime/FixedText.h"
#include "platform/ui/PromptService.h"
#include "scripting/text/ScriptExchange.h"

#include <memory>

namespace vl {
namespace {

DueMoment Later(DueMoment moment, int64_t hundredths)
{
    int64_t date = moment.date;
    int64_t time = int64_t(moment.time) + hundredths;
    CarryDays(date, time);
    return {static_cast<Date>(date), static_cast<ClockTime>(time)};
}

ScriptQueueEntry EndEntry(DueMoment due)
{
    ScriptQueueEntry end;
    end.RECORD.Action = QLatin1String(kScriptEndAction);
    end.DATE = due.date;
    end.TIME = due.time;
    return end;
}

bool IsEnd(const ScriptQueueEntry& entry) { return Clip(entry.RECORD.Action) == QLatin1String(kScriptEndAction); }

} // namespace

bool StartScript(const QString& file, const QString& mode)
{
    const QString path = Clip(file).trimmed();
    ScriptFileContents contents;
    {
        const std::unique_ptr<ProgressTracker> progress = Progress::Open(
            {QLatin1String(kProgressCaption), QLatin1String(kImportProgressText), QStringLiteral("StartScript")});
        contents = ReadScriptExchangeFile(path, progress->Step());
    }
    if (contents.cancelled) {
        WriteEventLog(QStringLiteral("Script"), QStringLiteral("Start Script cancelled: ") + path);
        return false;
    }
    if (!contents.ok) {
        Prompt::Notify(contents.error + QStringLiteral("|The script goes on without it."),
                       QLatin1String(kStartScriptErrorCaption), PromptIcon::Stop);
        WriteEventLog(QStringLiteral("Script"), QStringLiteral("Start Script failed: ") + contents.error);
        return false;
    }
    for (const QString& action : contents.unrecognized)
        Prompt::Notify(QLatin1String(kUnrecognizedActionText) + action, QLatin1String(kImportErrorCaption),
                       PromptIcon::Stop);

    // The step that runs the file, and what is queued behind it.
    const ScriptQueueEntry step = ScriptQueue.value(0);
    const QList<ScriptQueueEntry> rest = ScriptQueue.mid(1);
    const QChar letter = mode.trimmed().isEmpty() ? QChar() : mode.trimmed().at(0).toUpper();

    QList<ScriptQueueEntry> work;
    if (letter == QLatin1Char('A'))
        work = rest;
    DueMoment running = FirstScriptStepTime();
    for (const ScriptingRecord& item : contents.items) {
        ScriptQueueEntry entry;
        entry.RECORD = item;
        entry.RECORD.ID = step.RECORD.ID;
        entry.RECORD.Sequence = 0;
        const DueMoment base = running;
        running = Later(running, ScriptStepLength(entry.RECORD));
        entry.DATE = running.date;
        entry.TIME = running.time;
        // A time test counts from its own due moment; transfers become
        // starts of their helper programs.
        ConvertFileActionCommand(entry.RECORD, base);
        entry.WINDOWHANDLE = step.WINDOWHANDLE;
        entry.TASKHANDLE = step.TASKHANDLE;
        work.append(entry);
    }

    if (letter == QLatin1Char('I')) {
        work += rest;
    } else if (letter == QLatin1Char('A')) {
        work.append(EndEntry(running));
    } else {
        // Jump to: the rest of the running script is skipped, up to its end
        // marker; the new items end in one of their own, and the scripts
        // queued behind still run.
        qsizetype behind = 0;
        while (behind < rest.size() && !IsEnd(rest[behind]))
            ++behind;
        if (behind < rest.size()) {
            work.append(EndEntry(running));
            work += rest.mid(behind + 1);
        }
    }
    ScriptQueue = work;
    return true;
}

} // namespace vl
