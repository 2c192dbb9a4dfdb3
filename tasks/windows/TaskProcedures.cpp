#include "tasks/windows/TaskProcedures.h"

#include "platform/widgets/FrameProcedures.h"
#include "scripting/windows/BrowseScripting.h"
#include "tasks/HolidayRoll.h"
#include "tasks/windows/BrowseHolidays.h"
#include "tasks/windows/BrowseScheduleCategories.h"
#include "tasks/windows/TaskWizard.h"
#include "tasks/windows/UpdateSchedule.h"

namespace vl {

void RegisterTaskProcedures()
{
    Procedures().RegisterWindow(QLatin1String(kBrowseHolidaysProcedure), [] { return new BrowseHolidays; });
    Procedures().RegisterWindow(QLatin1String(kBrowseScheduleCategoriesProcedure),
                                [] { return new BrowseScheduleCategories; });
    InstallHolidayRoutines();
    InstallTaskForm();
    RegisterTaskWizards();
    // The "&Scripting" of the task form and the wizards: the script list of
    // the window's own task.
    Procedures().RegisterModal(QLatin1String(kScriptListProcedure), [](QWidget* window) {
        if (auto* form = qobject_cast<UpdateSchedule*>(window))
            BrowseScripting(form->Task(), form);
        else if (auto* wizard = qobject_cast<TaskWizard*>(window))
            BrowseScripting(wizard->Task(), wizard);
    });
}

} // namespace vl
