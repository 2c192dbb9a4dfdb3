#pragma once
// The date of Easter Sunday in the Gregorian calendar.

#include "platform/runtime/Calendar.h"

namespace vl {

// The day number of Easter Sunday of the year (Gregorian rule: golden
// number, century corrections and epact). 1818 gives 22 March, 2000 gives
// 23 April, 2038 gives 25 April.
Date EasterSunday(int year);

} // namespace vl
