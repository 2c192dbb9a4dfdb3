#include "tasks/windows/TaskProcedures.h"

#include "platform/widgets/FrameProcedures.h"
#include "tasks/AdvanceWarningCheck.h"
#include "tasks/HistoryExpiry.h"
#include "tasks/HolidayRoll.h"
#include "tasks/windows/BrowseHolidays.h"
#include "tasks/windows/BrowseScheduleCategories.h"
#include "tasks/windows/UpdateSchedule.h"

namespace vl {

void RegisterTaskProcedures()
{
    Procedures().RegisterWindow(QLatin1String(kBrowseHolidaysProcedure), [] { return new BrowseHolidays; });
    Procedures().RegisterWindow(QLatin1String(kBrowseScheduleCategoriesProcedure),
                                [] { return new BrowseScheduleCategories; });
    InstallHolidayRoutines();
    InstallAdvanceWarningCheck();
    InstallHistoryExpiry();
    InstallTaskForm();
}

} // namespace vl
