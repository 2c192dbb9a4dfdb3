#include "platform/runtime/Calendar.h"

namespace vl {
namespace {

// Days since 1 January 1970 of a proleptic Gregorian date (H. Hinnant's
// days_from_civil), valid for any year.
constexpr int64_t DaysFromCivil(int64_t y, int64_t m, int64_t d)
{
    y -= m <= 2;
    const int64_t era = (y >= 0 ? y : y - 399) / 400;
    const int64_t yoe = y - era * 400;
    const int64_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

DayMonthYear CivilFromDays(int64_t z)
{
    z += 719468;
    const int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const int64_t doe = z - era * 146097;
    const int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const int64_t mp = (5 * doy + 2) / 153;
    const int64_t d = doy - (153 * mp + 2) / 5 + 1;
    const int64_t m = mp < 10 ? mp + 3 : mp - 9;
    const int64_t y = yoe + era * 400 + (m <= 2);
    return {static_cast<int>(d), static_cast<int>(m), static_cast<int>(y)};
}

// Computed at compile time so that constants built with MakeDate anywhere in
// the program never see it uninitialised.
constexpr int64_t kEpoch = DaysFromCivil(1800, 12, 28);

} // namespace

bool IsLeapYear(int year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int month, int year)
{
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12)
        return 0;
    return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

Date MakeDate(int month, int day, int year)
{
    // Normalise the month into 1-12 first, then let the day run on from the
    // first of that month.
    int64_t m0 = static_cast<int64_t>(month) - 1;
    int64_t y = year + (m0 >= 0 ? m0 / 12 : -((11 - m0) / 12));
    m0 -= (y - year) * 12;
    const int64_t first = DaysFromCivil(y, m0 + 1, 1);
    return static_cast<Date>(first - kEpoch + (static_cast<int64_t>(day) - 1));
}

DayMonthYear SplitDate(Date date)
{
    return CivilFromDays(static_cast<int64_t>(date) + kEpoch);
}

int DayOf(Date date) { return SplitDate(date).day; }
int MonthOf(Date date) { return SplitDate(date).month; }
int YearOf(Date date) { return SplitDate(date).year; }

int WeekdayOf(Date date)
{
    const int w = date % 7;
    return w < 0 ? w + 7 : w;
}

ClockTime MakeClock(int hours, int minutes, int seconds, int hundredths)
{
    return hours * kClockPerHour + minutes * kClockPerMinute + seconds * kClockPerSecond + hundredths + 1;
}

} // namespace vl
