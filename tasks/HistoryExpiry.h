#pragma once
// The daily removal of old history (phase 2 of the frame's cycle): history
// records (completed tasks) dated HistoryExpires days or more before today
// are deleted with their script items; with RemoveUncompleted on, disabled
// tasks that old go too. A task without a date has no age and stays.

#include "platform/runtime/Calendar.h"

namespace vl {

inline constexpr char kHistoryLabel[] = "History";
inline constexpr char kHistoryCheckedText[] = "Checked for tasks needing removal";
inline constexpr char kCannotRemoveHistoryCaption[] = "Cannot Remove History";
inline constexpr int kMostHistoryChecked = 10'000;

// One check on the program's Schedule and Scripting tables, unless the
// setting is 0 or `lastCheck` is today already (then false). `lastCheck`
// becomes today. The deletions are one transaction, committed before a
// failure is shown ("Cannot Remove History"); a failure ends that day's
// check. True when the check ran.
bool RemoveExpiredHistory(Date& lastCheck, Date today);

// Plugs the daily check into the frame's cycle.
void InstallHistoryExpiry();

} // namespace vl
