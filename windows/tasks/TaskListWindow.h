#pragma once
// What a procedure started from a task list reads of the list that started
// it. The lists "Scheduled Tasks" and "Explore Schedule" start the
// procedures "SpecialEventWizard" and "BrowseScripting" with themselves as
// the procedure's window; the procedure finds the list through this
// interface (dynamic_cast<TaskListWindow*>(window)).

#include "core/dictionary/ScheduleRecord.h"

namespace vl {

class TaskListWindow {
public:
    virtual ~TaskListWindow() = default;
    // The ID of the highlighted task; 0 when the list has none.
    virtual int32_t HighlightedTaskId() const = 0;
    // The list's own copy of the highlighted task while its script list is
    // open ("BrowseScripting"): the procedure may fill in a blank Command or
    // Description, and the list stores the task when the procedure returns.
    virtual ScheduleRecord& ScriptTask() = 0;
};

} // namespace vl
