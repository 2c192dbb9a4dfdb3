#pragma once
// Dates as the user chose to see them (the DateFormat setting).

#include "platform/runtime/Calendar.h"

#include <QString>

namespace vl {

// The picture "@d1" to "@d18" named by GlobalDateFormat ("d" and the number);
// "@d3" when it names no picture of that range.
QString UserDatePicture();

// The date in the user's date picture; an empty text for date 0.
QString FormatUserDate(Date date);

} // namespace vl
