#include "core/schedule/RunTimes.h"

namespace vl {

void CarryDays(int64_t& days, int64_t& time)
{
    if (time > kClockPerDay) {
        const int64_t whole = (time - 1) / kClockPerDay;
        days += whole;
        time -= whole * kClockPerDay;
    }
}

void CarryDays(Date& days, ClockTime& time)
{
    int64_t d = days;
    int64_t t = time;
    CarryDays(d, t);
    days = static_cast<Date>(d);
    time = static_cast<ClockTime>(t);
}

int CompareRunTimes(Date date1, ClockTime time1, Date date2, ClockTime time2)
{
    int64_t d1 = date1, t1 = time1, d2 = date2, t2 = time2;
    CarryDays(d1, t1);
    CarryDays(d2, t2);
    if (d1 != d2)
        return d1 < d2 ? -1 : 1;
    if (t1 != t2)
        return t1 < t2 ? -1 : 1;
    return 0;
}

} // namespace vl
