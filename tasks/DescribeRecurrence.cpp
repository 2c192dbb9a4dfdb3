#include "tasks/DescribeRecurrence.h"

#include "core/schedule/ScheduleRules.h"
#include "platform/runtime/FixedText.h"

namespace vl {

namespace {

// The text clipped, without its final comma.
QString WithoutFinalComma(const QString& text)
{
    QString clipped = Clip(text);
    if (clipped.endsWith(QLatin1Char(',')))
        clipped.chop(1);
    return clipped;
}

QString Weekdays(const ScheduleRecord& task)
{
    static const char* const kNames[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
    QString text;
    for (int day = 0; day < 7; ++day) {
        if (RunsOnWeekday(task, day))
            text += QLatin1String(kNames[day]) + QStringLiteral(", ");
    }
    return text;
}

QString Weeks(const ScheduleRecord& task)
{
    QString text;
    if (task.Every1st)
        text += QStringLiteral("1st, ");
    if (task.Every2nd)
        text += QStringLiteral("2nd, ");
    if (task.Every3rd)
        text += QStringLiteral("3rd, ");
    if (task.Every4th)
        text += QStringLiteral("4th, ");
    if (task.EveryLast)
        text += QStringLiteral("Last");
    return text;
}

bool HasExceptions(const ScheduleRecord& task)
{
    return !Clip(task.EXCEPTOTHER).isEmpty() || task.ExceptTime || task.ExceptHolidays || task.ExceptWeekdays
        || task.ExceptWeekends;
}

QString Repetition(const ScheduleRecord& task)
{
    const QString type = Clip(task.ScheduleType);
    if (type == QLatin1String(kScheduleMonthly)) {
        if (!RunsTwiceMonthly(task))
            return type;
        const QString text = QStringLiteral("Twice Monthly");
        return task.Offset == 0 ? text : text + QStringLiteral(" (%1)").arg(task.Offset);
    }
    if (type == QLatin1String(kScheduleDayOfWeek))
        return WithoutFinalComma(QStringLiteral("Days: ") + Weekdays(task));
    if (type == QLatin1String(kScheduleDayOfMonth)) {
        const QString weeks = WithoutFinalComma(QStringLiteral("Days: ") + Weeks(task));
        return WithoutFinalComma(weeks + QStringLiteral(": ") + Weekdays(task));
    }
    if (type == QLatin1String("Custom") || type == QLatin1String("Other") || type == QLatin1String("Every"))
        return QStringLiteral("Every %1 %2").arg(task.Every).arg(Clip(task.EveryType));
    return type;
}

} // namespace

QString DescribeRecurrence(const ScheduleRecord& task)
{
    QString text = Repetition(task);
    if (HasExceptions(task))
        text += QStringLiteral(" (exceptions exist)");
    return Clip(CutTo(text, kRecurrenceTextSize));
}

} // namespace vl
