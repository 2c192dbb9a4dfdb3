#include "windows/reports/ReportProcedures.h"

#include "core/frame/FrameMenus.h"
#include "platform/print/ReportOutput.h"
#include "platform/widgets/FrameProcedures.h"

#include <utility>

namespace vl {

void RegisterReportProcedures()
{
    const std::pair<const char*, void (*)(QWidget*)> reports[] = {
        {kPrintScheduleInBrief, PrintScheduleInBrief},     {kPrintSchedule, PrintSchedule},
        {kPrintTodoByPriority, PrintTodoByPriority},       {kPrintTodoByCategory, PrintTodoByCategory},
        {kPrintContacts, PrintContacts},                   {kPrintCategories, PrintCAT_KeyCategory},
        {kPrintAllDateOrder, Print_SCH_AllDateOrder},      {kPrintAllCategoryOrder, Print_SCH_AllCategoryOrder},
        {kPrintOneCategory, Print_SCH_OneCategory},
    };
    for (const auto& [name, run] : reports)
        Procedures().RegisterModal(QLatin1String(name), run);
    Procedures().RegisterModal(QLatin1String(FrameCommand::kPrintSetup), [](QWidget* frame) { ChoosePageSetup(frame); });
}

} // namespace vl
