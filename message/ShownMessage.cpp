#include "message/ShownMessage.h"

#include "core/base/EventLog.h"
#include "platform/runtime/FixedText.h"
#include "scripting/Keywords.h"

namespace vl {

namespace {

const QString kAdvanceWarningPrefix = QStringLiteral("Advanced Warning:");

} // namespace

ShownMessage MessageOfTask(const ScheduleRecord& task)
{
    ShownMessage message;
    message.title = ExpandKeywords(task.Description, kMessageTitleWidth);
    message.text = ExpandKeywords(task.Message, kMessageTextWidth);
    if (task.Alarm != 0)
        message.soundFile = ExpandKeywords(task.AlarmFile, kMessageSoundWidth);
    return message;
}

MsgLinkRecord CopyMessageFields(const ShownMessage& message)
{
    MsgLinkRecord record;
    record.TITLE = CutTo(message.title, kMessageTitleWidth);
    record.MESSAGE = CutTo(message.text, kMessageTextWidth);
    record.ALARMFILE = CutTo(message.soundFile, kMessageSoundWidth);
    return record;
}

ShownMessage MessageOfLink(const MsgLinkRecord& record)
{
    return {Clip(record.TITLE), Clip(record.MESSAGE), Clip(record.ALARMFILE)};
}

QString MessageCaption(const QString& title)
{
    const QString clipped = Clip(title);
    if (clipped.isEmpty())
        return QStringLiteral("Message");
    if (clipped.startsWith(kAdvanceWarningPrefix))
        return clipped;
    return QStringLiteral("Message:  ") + clipped;
}

void LogShownMessage(const ShownMessage& message)
{
    WriteEventLog(QStringLiteral("Message"), Clip(message.title) + QLatin1Char(' ') + message.soundFile);
}

} // namespace vl
