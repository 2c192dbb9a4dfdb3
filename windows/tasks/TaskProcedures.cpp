#include "windows/tasks/TaskProcedures.h"

#include "platform/widgets/FrameProcedures.h"
#include "windows/scripting/BrowseScripting.h"
#include "windows/scripting/BrowseScriptTemplates.h"
#include "windows/scripting/ScriptKeysWindow.h"
#include "windows/scripting/ScriptQueueViewer.h"
#include "windows/scripting/ScriptTextWindow.h"
#include "tasks/AdvanceWarningCheck.h"
#include "tasks/HistoryExpiry.h"
#include "tasks/HolidayRoll.h"
#include "windows/tasks/BrowseHolidays.h"
#include "windows/tasks/BrowseSchedule.h"
#include "windows/tasks/BrowseScheduleCategories.h"
#include "windows/tasks/ExploreSchedule.h"
#include "windows/tasks/ScriptTaskWizard.h"
#include "windows/tasks/TaskListWindow.h"
#include "windows/tasks/TaskWizard.h"
#include "windows/tasks/TodoTaskEditing.h"
#include "windows/tasks/UpdateSchedule.h"

namespace vl {

void RegisterTaskProcedures()
{
    Procedures().RegisterWindow(QLatin1String(kBrowseHolidaysProcedure), [] { return new BrowseHolidays; });
    Procedures().RegisterWindow(QLatin1String(kBrowseScheduleCategoriesProcedure),
                                [] { return new BrowseScheduleCategories; });
    Procedures().RegisterWindow(QLatin1String(kBrowseScheduleProcedure), [] { return new BrowseSchedule; });
    Procedures().RegisterWindow(QLatin1String(kExploreScheduleProcedure), [] { return new ExploreSchedule; });
    InstallHolidayRoutines();
    InstallAdvanceWarningCheck();
    InstallHistoryExpiry();
    InstallTaskForm();
    RegisterTaskWizards();
    RegisterScriptTaskWizard();
    InstallTodoTaskEditing();
    RegisterScriptTemplateProcedures();
    // The "&Scripting" of the task form, the wizards and the task lists: the
    // script list of the window's own task (a list's highlighted one).
    Procedures().RegisterModal(QLatin1String(kScriptListProcedure), [](QWidget* window) {
        if (auto* form = qobject_cast<UpdateSchedule*>(window))
            BrowseScripting(form->Task(), form);
        else if (auto* wizard = qobject_cast<TaskWizard*>(window))
            BrowseScripting(wizard->Task(), wizard);
        else if (auto* list = dynamic_cast<TaskListWindow*>(window))
            BrowseScripting(list->ScriptTask(), window);
    });
    // "Edit Script as Text" of the task form, the wizards and the task lists.
    Procedures().RegisterModal(QLatin1String(kEditScriptAsTextProcedure), [](QWidget* window) {
        if (auto* form = qobject_cast<UpdateSchedule*>(window))
            EditScriptAsText(form->Task().ID, form);
        else if (auto* wizard = qobject_cast<TaskWizard*>(window))
            EditScriptAsText(wizard->Task().ID, wizard);
        else if (auto* list = dynamic_cast<TaskListWindow*>(window))
            EditScriptAsText(list->ScriptTask().ID, window);
    });
    RegisterScriptQueueViewer();
    // The key list of the script item editor's Send Keys page.
    Procedures().RegisterWindow(QLatin1String(kScriptKeysProcedure), [] { return ViewAscii_ScriptKeys(); });
}

} // namespace vl
