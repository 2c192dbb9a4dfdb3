#pragma once
// A date field's "..." button: the date picker opened window-modal to the
// field's window, its answer handed to a callback once it has closed.

#include "core/dictionary/ScheduleRecord.h"

#include <QString>

#include <functional>
#include <optional>

class QWidget;

namespace vl {

// done receives the chosen date, or the date given when the picker was
// cancelled. filter and title as CalendarWindow takes them.
void PickDate(QWidget* parent, Date date, const QString& filter, const QString& title,
              const std::optional<ScheduleRecord>& task, std::function<void(Date)> done);

} // namespace vl
