#pragma once
// Ordering of due moments: a moment is a (date, time) pair whose time may run
// past midnight (a time above one day's length belongs to the following days).

#include "platform/runtime/Calendar.h"

#include <cstdint>

namespace vl {

// Folds a time past midnight into the date: while the time is above one day's
// length, a day's length moves from the time to the date. A time of exactly
// kClockPerDay (the last hundredth of the day) stays.
void CarryDays(Date& days, ClockTime& time);
// The same on wide values, for arithmetic that must not overflow.
void CarryDays(int64_t& days, int64_t& time);

// -1 when the first moment is earlier, 1 when it is later, 0 when both are the
// same; each pair is folded by CarryDays first, then the date decides and the
// time only on equal dates.
int CompareRunTimes(Date date1, ClockTime time1, Date date2, ClockTime time2);

} // namespace vl
