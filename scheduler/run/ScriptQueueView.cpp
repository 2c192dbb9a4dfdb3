#include "scheduler/run/ScriptQueueView.h"

#include "core/launch/HiddenPasswords.h"
#include "platform/runtime/FixedText.h"
#include "platform/runtime/Picture.h"
#include "scripting/items/ScriptActions.h"
#include "scheduler/run/FileTransfer.h"
#include "scheduler/run/QueueSkips.h"
#include "scheduler/run/ScriptInterpreter.h"

#include <QStringList>

namespace vl {
namespace {

bool IsScriptEnd(const ScriptQueueEntry& entry)
{
    return Clip(entry.RECORD.Action) == QStringView(ScriptAction::End);
}

// The fields the item holds, as "name=value"; a password never.
QString RawFields(const ScriptingRecord& item)
{
    QStringList fields;
    const auto text = [&fields](const char* name, const QString& value) {
        if (!Clip(value).isEmpty())
            fields << QLatin1String(name) + QLatin1Char('=') + Clip(WithoutPasswords(value));
    };
    const auto number = [&fields](const char* name, int32_t value) {
        if (value != 0)
            fields << QLatin1String(name) + QLatin1Char('=') + QString::number(value);
    };
    const bool fileAction = Clip(item.Action) == QStringView(ScriptAction::FileActions);
    text("Keystrokes", item.Keystrokes);
    number("SecondsToWait", item.SecondsToWait);
    text("WaitForWindow", item.WaitForWindow);
    text("FocusOnWindow", item.FocusOnWindow);
    text("WindowExistance", item.WindowExistance);
    text("WindowTitleToCheckFor", item.WindowTitleToCheckFor);
    text("IfTimeElapsed", item.IfTimeElapsed);
    number("TimeElapsed", item.TimeElapsed);
    number("EmailID", item.EmailID);
    text("Command", item.Command);
    text("Path", item.Path);
    text("DDEType", item.DDEType);
    text("DDEApplicationName", item.DDEApplicationName);
    // A file action keeps its FTP user name in the first half, the password in the second.
    text("DDEApplicationTopic", fileAction ? item.DDEApplicationTopic.left(128) : item.DDEApplicationTopic);
    text("DDELinkItem", item.DDELinkItem);
    text("DDECommand", item.DDECommand);
    return fields.join(QLatin1Char(' '));
}

// The index of the entry that ends the block the test at index opens,
// within its script; -1 when the script has none.
int BlockEnd(const QList<ScriptQueueEntry>& queue, int index)
{
    int depth = 0;
    for (int at = index + 1; at < queue.size() && !IsScriptEnd(queue[at]); ++at) {
        if (OpensScriptBlock(queue[at].RECORD.Action))
            ++depth;
        else if (ClosesScriptBlock(queue[at].RECORD.Action) && depth-- == 0)
            return at;
    }
    return -1;
}

// The index of the test whose block the entry at index ends, within its
// script; -1 when that test has already run.
int BlockStart(const QList<ScriptQueueEntry>& queue, int index)
{
    int depth = 0;
    for (int at = index - 1; at >= 0 && !IsScriptEnd(queue[at]); --at) {
        if (ClosesScriptBlock(queue[at].RECORD.Action))
            ++depth;
        else if (OpensScriptBlock(queue[at].RECORD.Action) && depth-- == 0)
            return at;
    }
    return -1;
}

} // namespace

QString ScriptQueueEntryDetail(const ScriptQueueEntry& entry)
{
    const QStringList lines{Picture::Format(qint64{entry.DATE}, QStringLiteral("@D17")),
                            Picture::Format(qint64{entry.TIME}, QStringLiteral("@T6")),
                            Clip(entry.RECORD.Action), Clip(ScriptStepDescription(entry.RECORD)),
                            RawFields(entry.RECORD)};
    return lines.join(QLatin1Char('\n')).left(kScriptQueueDetailWidth);
}

ScriptQueueRemoval PlanScriptQueueRemoval(const QList<ScriptQueueEntry>& queue, int index)
{
    if (index < 0 || index >= queue.size())
        return {0, 0, QStringLiteral("There is no such step: the script has moved on.")};
    const QString& action = queue[index].RECORD.Action;
    if (IsScriptEnd(queue[index])) {
        if (index > 0 && !IsScriptEnd(queue[index - 1]))
            return {index, 0,
                    QStringLiteral("The end of a script stays while steps of the script wait before it: without it, "
                                   "the script would run on into the one queued behind it. Delete its steps first.")};
        return {index, 1, QString()};
    }
    if (OpensScriptBlock(action)) {
        const int end = BlockEnd(queue, index);
        return {index, end < 0 ? 1 : end - index + 1, QString()};
    }
    if (ClosesScriptBlock(action) && BlockStart(queue, index) >= 0)
        return {index, 0,
                QStringLiteral("The end of a test stays while its test waits: without it, a failed test would "
                               "leave out every step behind it. Delete the test to remove its block.")};
    return {index, 1, QString()};
}

bool RemoveFromScriptQueue(QList<ScriptQueueEntry>& queue, const ScriptQueueRemoval& removal)
{
    if (removal.count <= 0 || removal.first < 0 || removal.first + removal.count > queue.size())
        return false;
    queue.remove(removal.first, removal.count);
    return true;
}

} // namespace vl
