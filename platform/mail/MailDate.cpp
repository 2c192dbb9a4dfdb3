#include "platform/mail/MailDate.h"

#include "platform/runtime/Clock.h"

#include <QDateTime>

namespace vl {
namespace {

const char* const kWeekdays[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
const char* const kMonths[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                               "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

int SecondsOfDay(ClockTime time)
{
    return time > 0 ? (time - 1) / kClockPerSecond : 0;
}

} // namespace

QByteArray FormatMailDate(Date day, ClockTime time, int offsetSeconds)
{
    const DayMonthYear dmy = SplitDate(day);
    const int seconds = SecondsOfDay(time);
    const int offsetMinutes = offsetSeconds / 60;
    const int absMinutes = offsetMinutes < 0 ? -offsetMinutes : offsetMinutes;
    return QString::asprintf("%s, %d %s %04d %02d:%02d:%02d %c%02d%02d",
                             kWeekdays[WeekdayOf(day)], dmy.day, kMonths[dmy.month - 1], dmy.year,
                             seconds / 3600, seconds / 60 % 60, seconds % 60,
                             offsetMinutes < 0 ? '-' : '+', absMinutes / 60, absMinutes % 60)
        .toLatin1();
}

QByteArray CurrentMailDate()
{
    const Date day = Today();
    const ClockTime time = Now();
    const DayMonthYear dmy = SplitDate(day);
    const QDateTime local(QDate(dmy.year, dmy.month, dmy.day),
                          QTime::fromMSecsSinceStartOfDay(SecondsOfDay(time) * 1000));
    return FormatMailDate(day, time, local.offsetFromUtc());
}

} // namespace vl
