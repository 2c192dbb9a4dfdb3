#pragma once
// How stored setting texts become the values of their globals, and the
// rules that keep a loaded or entered value usable.

#include <QString>

#include <cstdint>

namespace vl {

// The numeric value of a stored text: a whole number, or the whole part of a
// decimal one; blank or not a number is 0. Kept within 32 bits.
int32_t SettingNumber(const QString& text);
// A BYTE setting: the number taken modulo 256, as a BYTE stores it.
uint8_t SettingByte(const QString& text);
// A flag kept inverted in the store (an empty store means "on").
uint8_t InvertedFlag(const QString& stored);
// The text a flag or number is stored as.
QString SettingText(int32_t value);

// The scripting delay in hundredths of a second: at least 25.
int32_t NormalScriptingDelay(int32_t delay);
// Characters per send group: 0, and anything a BYTE cannot hold, becomes 7.
uint8_t NormalBurstSize(int32_t burstSize);
// Alarm repeat interval in seconds: 0 (play once) stays, anything below 5
// becomes 5.
int32_t NormalAlarmInterval(int32_t seconds);

// The name of the user running the program (the login name), cut to the
// width of UserID; blank when the system cannot tell.
QString CurrentLoginName();

} // namespace vl
