#include "windows/tasks/PickDate.h"

#include "windows/tasks/CalendarWindow.h"

namespace vl {

void PickDate(QWidget* parent, Date date, const QString& filter, const QString& title,
              const std::optional<ScheduleRecord>& task, std::function<void(Date)> done)
{
    auto* calendar = new CalendarWindow(date, filter, title, task, parent);
    calendar->setAttribute(Qt::WA_DeleteOnClose);
    calendar->setWindowModality(Qt::WindowModal);
    QObject::connect(calendar, &QDialog::finished, calendar,
                     [calendar, done = std::move(done)](int) { done(calendar->Result()); });
    calendar->open();
}

} // namespace vl
