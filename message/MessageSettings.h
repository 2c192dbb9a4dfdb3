#pragma once
// The message program's settings, read from the Configuration table only: no
// INI fallback, nothing stored, no message. A missing key, a missing table
// or any error reads as blank (so 0): no alarm repeat, a 10-minute snooze, a
// window that is not kept on top, Email disabled.

#include "core/dictionary/ConfigurationRecord.h"
#include "platform/data/Table.h"

#include <QString>

namespace vl {

// The stored text of a setting; the table is opened (shared) on first use
// and left open.
QString ReadConfigValue(Table<ConfigurationRecord>& configuration, const QString& key);

// Fills UseModalMessage, RepeatAlarmInterval, SnoozeInterval, MaxAlarmTime
// and the mail settings Email::Sender, SenderName, Host and Organization.
void LoadMessageSettings(Table<ConfigurationRecord>& configuration);

} // namespace vl
