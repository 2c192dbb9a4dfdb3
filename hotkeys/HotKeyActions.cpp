#include "hotkeys/HotKeyActions.h"

#include "core/dictionary/Dictionary.h"
#include "core/dictionary/TableDefinitions.h"
#include "core/launch/LaunchProgram.h"
#include "platform/runtime/FixedText.h"
#include "platform/ui/PromptService.h"

namespace vl {
namespace {

constexpr char kNoProgram[] = "N/A";

void ReportError(const SysHotKeysRecord& hotKey, const QString& text)
{
    Prompt::Message(text, QStringLiteral("Hot-Key ") + Clip(hotKey.HotKey) + QStringLiteral(" Error"),
                    PromptIcon::Exclamation);
}

// The task the hot key runs, when it is still there.
bool ReadHotKeyTask(int32_t id, ScheduleRecord& task)
{
    if (id <= 0)
        return false;
    Table<ScheduleRecord>& schedule = Tables().Schedule;
    if (!OpenTable(schedule))
        return false;
    task.ID = id;
    const bool found = schedule.Get(SCH_KEYID, task);
    schedule.Close();
    return found && SameTextNoCase(task.TaskType, QLatin1String(kHotKeyTaskType));
}

} // namespace

void RunHotKeyAction(const SysHotKeysRecord& hotKey, HotKeyOutput& output)
{
    if (!hotKey.ACTIVE)
        return;
    const QString action = Clip(hotKey.Action);
    if (SameTextNoCase(action, QStringLiteral("Text")))
        RunTextHotKey(hotKey, output);
    else if (SameTextNoCase(action, QStringLiteral("Task")))
        RunTaskHotKey(hotKey, output);
    else
        ReportError(hotKey, QStringLiteral("Unknown Action:  ") + action);
}

void RunTextHotKey(const SysHotKeysRecord& hotKey, HotKeyOutput& output)
{
    const QString type = UpperClip(hotKey.TEXTTYPE);
    const QString text = Clip(hotKey.Text);
    QString error;
    bool sent = true;
    if (type == QLatin1String("TYPE")) {
        output.ReleaseModifiers();
        output.Pause(kHotKeyPauseMs);
        QString typed = text;
        typed.replace(QLatin1String("\r\n"), QLatin1String("\r"));
        sent = output.SendKeys(typed, &error);
    } else if (type == QLatin1String("COPY")) {
        output.SetClipboardText(text);
    } else if (type == QLatin1String("PASTE")) {
        output.SetClipboardText(text);
        output.ReleaseModifiers();
        output.Pause(kHotKeyPauseMs);
        sent = output.PressPaste(&error);
    } else {
        ReportError(hotKey, QStringLiteral("Unknown Text Automation:  ") + Clip(hotKey.TEXTTYPE));
    }
    if (!sent)
        ReportError(hotKey, QStringLiteral("The text could not be typed: ") + error);
}

void RunTaskHotKey(const SysHotKeysRecord& hotKey, HotKeyOutput& output)
{
    output.Pause(kHotKeyPauseMs);
    ScheduleRecord task;
    if (!ReadHotKeyTask(hotKey.ID, task)) {
        ReportError(hotKey, QStringLiteral("Unable to retrieve associated task."));
        return;
    }
    LaunchProgram({.taskId = task.ID, .command = QLatin1String(kNoProgram)});
}

} // namespace vl
