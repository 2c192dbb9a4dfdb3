#pragma once
// A task's repetition as one line for the task lists: "Days: Mon, Wed, Fri",
// "Twice Monthly (3)", "Every 2 hour(s)", with " (exceptions exist)" when the
// task has exceptions.

#include "core/dictionary/ScheduleRecord.h"

#include <QString>

namespace vl {

inline constexpr int kRecurrenceTextSize = 80;

// At most 80 characters, clipped.
QString DescribeRecurrence(const ScheduleRecord& task);

} // namespace vl
