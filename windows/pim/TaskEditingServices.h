#pragma once
// What the to-do windows use of task editing, whose windows sit above them:
// the task-category pick list, the date picker and the message task wizard.
// Task editing installs its implementation when the program starts
// (RegisterTaskProcedures); without one (a program without task editing)
// the controls that need it are disabled and say why.
//
// Each call opens its window window-modal to parent and returns at once;
// the answer reaches the callback once the window has closed.

#include "core/dictionary/ScheduleRecord.h"
#include "platform/runtime/ServiceSlot.h"

#include <QString>

#include <functional>

class QWidget;

namespace vl {

inline constexpr char kNoTaskEditingTip[] = "Task editing is not part of this program";

class TaskEditingServices {
public:
    virtual ~TaskEditingServices() = default;
    // The task-category pick list; chosen runs only when a category is chosen.
    virtual void SelectCategory(QWidget* parent, std::function<void(const QString& category)> chosen) = 0;
    // The date picker; done runs with the chosen date, or the given one when cancelled.
    virtual void PickDate(QWidget* parent, Date date, const QString& title, std::function<void(Date)> done) = 0;
    // The message task wizard on a new task primed from the seed (its
    // message, description, category, date and time).
    virtual void AddMessageTask(QWidget* parent, const ScheduleRecord& seed) = 0;
};

// The installed services, or null.
inline TaskEditingServices* CurrentTaskEditing()
{
    return InstalledService<TaskEditingServices>();
}

using TaskEditingOverride = ServiceOverride<TaskEditingServices>;

} // namespace vl
