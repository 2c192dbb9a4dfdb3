#pragma once
// "Special Event Wizard" (SpecialEventWizard): makes a one-off variant of an
// existing task for a special day. The task lists start it on their
// highlighted task; it copies that task into a new one-time task (with its
// own copy of the script) that the user adjusts page by page, and, when
// asked, makes the task copied skip its next regular run.
//
// The lists start the procedure "SpecialEventWizard" with themselves as its
// window (TaskListWindow.h names the highlighted task), or call
// OpenSpecialEventWizard with the task's ID.

#include <cstdint>
#include <functional>

class QWidget;

namespace vl {

inline constexpr char kSpecialEventWizardProcedure[] = "SpecialEventWizard";

// Opens the wizard on a copy of the task, window-modal to the list (a window
// of its own when list is null); done(true) runs once the copy is stored,
// done(false) when the wizard was cancelled. False when the task could not
// be read or the copy not reserved (the reason has been shown): no wizard
// opens and done is not run.
bool OpenSpecialEventWizard(int32_t sourceTaskId, QWidget* list, std::function<void(bool stored)> done = {});

} // namespace vl
