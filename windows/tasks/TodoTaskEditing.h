#pragma once
// Gives the to-do windows task editing (windows/pim/TaskEditingServices.h):
// the category pick list, the calendar and the message task wizard.

namespace vl {

void InstallTodoTaskEditing();

} // namespace vl
