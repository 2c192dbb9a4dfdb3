#pragma once
// The Date header of a message.

#include "platform/runtime/Calendar.h"

#include <QByteArray>

namespace vl {

// "Tue, 14 Mar 2023 10:15:00 +0100": the day and clock value in a zone that
// lies offsetSeconds east of UTC.
QByteArray FormatMailDate(Date day, ClockTime time, int offsetSeconds);

// Today and now by the program's clock, in the local zone.
QByteArray CurrentMailDate();

} // namespace vl
