#include "reports/ReportFields.h"

#include "core/base/UserDate.h"
#include "platform/runtime/FixedText.h"
#include "platform/runtime/Picture.h"

#include <array>

namespace vl {

QString ReportDate(Date date)
{
    return FormatUserDate(date).trimmed();
}

QString ReportTime(ClockTime time)
{
    return time == 0 ? QString() : Picture::Format(time, QStringLiteral("@t3"));
}

QString ReportShortTime(ClockTime time)
{
    return time == 0 ? QString() : Picture::Format(time, QStringLiteral("@T1"));
}

QString TaskStatusText(const ScheduleRecord& task)
{
    if (task.Completed)
        return QStringLiteral("Done");
    return task.Disabled ? QStringLiteral("Off") : QString();
}

QString DayHeading(Date date)
{
    static const std::array<const char*, 7> kDays{"Sunday",   "Monday", "Tuesday", "Wednesday",
                                                  "Thursday", "Friday", "Saturday"};
    return QLatin1String(kDays[size_t(WeekdayOf(date))]) + u' ' + Picture::Format(date, QStringLiteral("@d4"));
}

QString NotesWithResolution(const TodoRecord& item)
{
    const QString notes = Clip(item.Notes);
    if (Clip(item.Resolution).isEmpty())
        return notes;
    return notes + u'\n' + item.Resolution;
}

QString Tick(uint8_t flag)
{
    return flag ? QStringLiteral("X") : QString();
}

} // namespace vl
