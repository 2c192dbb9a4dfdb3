#pragma once
// How an archive member's raw fields are shown in the zip class's listing.

#include "platform/runtime/Calendar.h"

#include <QString>

#include <cstdint>

namespace vl {

// MS-DOS date: day bits 0-4, month bits 5-8, year bits 9-15 + 1980.
Date DateFromDos(uint16_t dosDate);
// MS-DOS time: hours bits 11-15, minutes bits 5-10, seconds / 2 bits 0-4,
// as a clock value (hundredths + 1).
ClockTime TimeFromDos(uint16_t dosTime);
// Eight lower-case hexadecimal digits, most significant byte first.
QString CrcText(uint32_t crc);
// Seven characters, blank where a bit is clear: "r" (1h), "h" (2h), "s" (4h),
// "a" (20h), "D" (10h) or "V" (8h, which wins), "+" (4000h), a blank.
QString AttributeText(uint32_t attributes);
// The method's name; deflated members by their option flags.
QString MethodName(int method, uint16_t optionFlags);

} // namespace vl
