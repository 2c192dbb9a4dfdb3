#include "core/base/EventLog.h"

#include "core/base/TextFileRecords.h"
#include "core/base/UserDate.h"
#include "core/base/Globals.h"
#include "platform/runtime/Clock.h"
#include "platform/runtime/FixedText.h"
#include "platform/runtime/LineAppender.h"
#include "platform/runtime/Picture.h"

namespace vl {

QString EventLogLine(const QString& label, const QString& text)
{
    const Date today = Today();
    QString date = FormatUserDate(today);
    if (CutTo(Clip(date), kEventLogDateWidth) != date)
        date = Picture::Format(today, QStringLiteral("@d3"));
    return PadTo(date, kEventLogDateWidth) + PadTo(Picture::Format(Now(), QStringLiteral("@t7")), kEventLogTimeWidth)
        + PadTo(label, kEventLogLabelWidth) + PadTo(text, kEventLogDataWidth);
}

bool WriteEventLog(const QString& label, const QString& text)
{
    if (!GlobalUseLog)
        return false;
    return AppendEventLog(label, text);
}

bool AppendEventLog(const QString& label, const QString& text)
{
    // One whole line per write on a file opened for appending: lines of the
    // two programs and of several threads never mix, and the file is held
    // only for the moment of the write.
    return AppendLine(QString::fromLatin1(kEventLogFileName), EventLogLine(label, text));
}

} // namespace vl
