#pragma once
// The event log VLMREVNT.LOG in the data directory: one fixed-width line per
// event (date 12, time 10, label 32, text 128 characters), appended at the
// end. The main program and the message program write it at the same time;
// each line lands whole and neither ever waits on the other for good.

#include <QString>

namespace vl {

// The line of an event as it is stored: today in the user's date picture
// (in @D3 when that does not fit the 12 characters), the clock in @T7, the
// label and the text, each cut and padded to its column.
QString EventLogLine(const QString& label, const QString& text);

// Appends the event when logging is on (GlobalUseLog). True when a line was
// written; false when logging is off or the file could not be written.
bool WriteEventLog(const QString& label, const QString& text);

// Appends the event whether logging is on or not.
bool AppendEventLog(const QString& label, const QString& text);

} // namespace vl
