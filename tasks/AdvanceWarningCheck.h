#pragma once
// Advance warnings on the frame's tick (phase 1): each task whose warning
// moment has passed is marked warned and its warning is shown, handed to
// the message program when "UsePivra" is on, else in a box that never holds
// the tick up. A warning for an occurrence that will be skipped is only
// logged. A task with no date of its own, a warning that falls on no real
// day, a history record and a disabled task give no warning (they are marked
// warned, so they are not met again).

#include "core/dictionary/ScheduleRecord.h"
#include "platform/runtime/Calendar.h"
#include "tasks/AdvanceWarning.h"

#include <QString>

#include <optional>

namespace vl {

inline constexpr char kAdvancedWarningLabel[] = "Advanced Warning";
inline constexpr char kAdvancedWarningTitle[] = "Advanced Warning: ";
inline constexpr char kWarningSkippedPrefix[] = "Skipped:  ";
inline constexpr int kMostWarningsChecked = 10'000;

// The warning's text: the task's date (@d3) and time (@t3), two line breaks,
// then by task type the message, "Command:  " and the command, or both; at
// most 4,096 characters.
QString AdvanceWarningText(const ScheduleRecord& task);

// Shows one warning: handed to the message program when UseExternalMessage
// is on and the hand-off works, else in a box titled "Advanced Warning".
void SendAdvanceWarning(const ScheduleRecord& task, const QString& text);

// What a check leaves to come: while the table stays as it is, no warning
// falls due before `next` (none at all when it is empty). A check that
// stopped early (a failure, or 10,000 warnings) is not settled.
struct AdvanceWarningOutlook {
    bool settled = false;
    std::optional<WarningMoment> next;
};

// Warns of every task whose warning moment lies before (today, now), at most
// 10,000 a check.
AdvanceWarningOutlook CheckAdvanceWarnings(Date today, ClockTime now);

// Plugs the check into the frame's cycle. The cycle's check reads the table
// only when it changed since the last check or the next warning came due.
void InstallAdvanceWarningCheck();

} // namespace vl
