#pragma once
// The keywords every text may carry in square brackets besides script
// variables: today's date in several layouts, the clock, and the title of
// the window that has the keyboard focus.

#include "platform/runtime/Calendar.h"

#include <QString>

#include <optional>

namespace vl {

// A date as YYYYMMDD: the year unpadded, month and day two digits.
QString CompactDate(Date date);

// The value of a built-in keyword (any letter case, trailing blanks ignored);
// nullopt when the name is none of them. FOCUS gives an empty text when no
// window has the focus.
std::optional<QString> BuiltInKeywordValue(const QString& name);

} // namespace vl
