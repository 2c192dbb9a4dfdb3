#pragma once
// The task lists' quick start: a popup menu of delays at the mouse, then a
// one-time copy of the highlighted task that far from now (AddQuickStartTask).

#include "core/dictionary/ScheduleRecord.h"
#include "platform/runtime/Calendar.h"

#include <QPoint>

#include <optional>

class QWidget;

namespace vl {

// Shows "5 minutes|10 minutes|30 minutes|1 hour|2 hours|3 hours|-|Cancel" at
// the point and returns the chosen delay in hundredths; nothing for Cancel
// or when the menu is closed without a choice.
std::optional<ClockTime> ChooseQuickStartDelay(QWidget* parent, const QPoint& at);

// Asks for the delay at the mouse and adds the copy; the new task's ID, or 0.
int32_t QuickStartTask(const ScheduleRecord& task, QWidget* parent);

} // namespace vl
