#include "tasks/windows/TaskProcedures.h"

#include "platform/widgets/FrameProcedures.h"
#include "tasks/HolidayRoll.h"
#include "tasks/windows/BrowseHolidays.h"
#include "tasks/windows/BrowseSchedule.h"
#include "tasks/windows/BrowseScheduleCategories.h"
#include "tasks/windows/ExploreSchedule.h"
#include "tasks/windows/UpdateSchedule.h"

namespace vl {

void RegisterTaskProcedures()
{
    Procedures().RegisterWindow(QLatin1String(kBrowseHolidaysProcedure), [] { return new BrowseHolidays; });
    Procedures().RegisterWindow(QLatin1String(kBrowseScheduleCategoriesProcedure),
                                [] { return new BrowseScheduleCategories; });
    Procedures().RegisterWindow(QLatin1String(kBrowseScheduleProcedure), [] { return new BrowseSchedule; });
    Procedures().RegisterWindow(QLatin1String(kExploreScheduleProcedure), [] { return new ExploreSchedule; });
    InstallHolidayRoutines();
    InstallTaskForm();
}

} // namespace vl
