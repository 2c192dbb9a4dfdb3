#include "scripting/items/ItemFieldRoles.h"

#include "platform/runtime/FixedText.h"

namespace vl {

QString StartCodes(const ScriptingRecord& item) { return item.DDEApplicationName; }
void SetStartCodes(ScriptingRecord& item, const QString& codes) { item.DDEApplicationName = codes; }
int32_t StopWaitingAfter(const ScriptingRecord& item) { return item.TimeElapsed; }
void SetStopWaitingAfter(ScriptingRecord& item, int32_t seconds) { item.TimeElapsed = seconds; }
QString StartVerb(const ScriptingRecord& item) { return item.DDEApplicationTopic; }
void SetStartVerb(ScriptingRecord& item, const QString& verb) { item.DDEApplicationTopic = verb; }

ClockDeadline WaitDeadline(const ScriptingRecord& item) { return {item.NextTaskID, item.TimeElapsed}; }

void SetWaitDeadline(ScriptingRecord& item, ClockDeadline deadline)
{
    item.NextTaskID = deadline.date;
    item.TimeElapsed = deadline.time;
}

QString WaitMode(const ScriptingRecord& item) { return item.DDEApplicationName; }
void SetWaitMode(ScriptingRecord& item, const QString& mode) { item.DDEApplicationName = mode; }

QString MessageText(const ScriptingRecord& item) { return item.DDEApplicationName; }
QString MessageTitle(const ScriptingRecord& item) { return item.DDEApplicationTopic; }

void SetMessage(ScriptingRecord& item, const QString& text, const QString& title)
{
    item.DDEApplicationName = text;
    item.DDEApplicationTopic = title;
}

QString FileHost(const ScriptingRecord& item) { return item.DDEApplicationName; }
void SetFileHost(ScriptingRecord& item, const QString& host) { item.DDEApplicationName = host; }

FileLoginParts FileLogin(const ScriptingRecord& item)
{
    return {item.DDEApplicationTopic.left(kFileLoginUserWidth), item.DDEApplicationTopic.mid(kFileLoginUserWidth)};
}

void SetFileLogin(ScriptingRecord& item, const QString& user, const QString& password)
{
    item.DDEApplicationTopic = password.isEmpty() ? user : PadTo(user, kFileLoginUserWidth) + password;
}

} // namespace vl
