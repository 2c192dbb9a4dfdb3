#pragma once
// The task form as the lists that show tasks open it: a request, the task
// it works on, and for a copy the task copied (whose script items the copy
// gets). The task form's window installs itself here when the program
// starts; while none is installed, the lists' task buttons stay disabled
// and say why.

#include "core/dictionary/ScheduleRecord.h"
#include "platform/ui/FormRequest.h"

#include <functional>

class QWidget;

namespace vl {

inline constexpr char kNoTaskFormTip[] = "Tasks are edited on the task form, which this build does not include.";

struct TaskFormCall {
    FormRequest request = FormRequest::Change;
    // Change, delete, view: the task as stored. Insert: a cleared task with
    // what the list primes (its category); a copy: the task copied, without
    // an ID or record pointer of its own yet.
    ScheduleRecord task;
    int32_t copySourceTaskId = 0; // a copy: the ID of the task copied
};

// Opens the form window-modal to the list; done runs when the form has
// stored its request (not when it was cancelled).
using TaskFormOpener = std::function<void(QWidget* list, const TaskFormCall& call, std::function<void()> done)>;

// The installed task form; empty while none is installed.
TaskFormOpener& TaskForm();

} // namespace vl
