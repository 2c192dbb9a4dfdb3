#pragma once
// One holiday of the Holidays table (prefix HOL): at most one a day.

#include <QString>

#include "platform/data/Record.h"
#include "platform/data/TableDef.h"
#include "platform/runtime/Calendar.h"

namespace vl {

struct HolidaysRecord : RecordBase {
    vl::Date HolidayDate = 0; // LONG, unique key
    QString Holiday;          // STRING(30) name of the holiday
    QString HOLIDAYTYPE;      // STRING(20) "Annual" when a form primes a new one
};

// Keys of Holidays.
inline constexpr KeyRef HOL_KEYHOLIDAYDATE{"HOL:KEYHOLIDAYDATE"};

} // namespace vl
