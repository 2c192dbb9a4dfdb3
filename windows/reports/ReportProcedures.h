#pragma once
// The printed reports of the frame's "&Reports" menu, each a procedure of
// its own: the schedule reports with their criteria (and the work file of
// future occurrences), the to-do, contact and category reports and the
// schedule lists by date, by category and for one category.

class QWidget;

namespace vl {

inline constexpr char kPrintScheduleInBrief[] = "PrintScheduleInBrief";
inline constexpr char kPrintSchedule[] = "PrintSchedule";
inline constexpr char kPrintTodoByPriority[] = "PrintTodoByPriority";
inline constexpr char kPrintTodoByCategory[] = "PrintTodoByCategory";
inline constexpr char kPrintContacts[] = "PrintContacts";
inline constexpr char kPrintCategories[] = "PrintCAT:KeyCategory";
inline constexpr char kPrintAllDateOrder[] = "Print:SCH:AllDateOrder";
inline constexpr char kPrintAllCategoryOrder[] = "Print:SCH:AllCategoryOrder";
inline constexpr char kPrintOneCategory[] = "Print:SCH:OneCategory";

inline constexpr char kOrderWarningText[] =
    "You have selected an order that does not contain a key by date.  Since a page break is issued when the date "
    "of a scheduled tasks changes, the report may be long.";

void PrintScheduleInBrief(QWidget* parent);
void PrintSchedule(QWidget* parent);
void PrintTodoByPriority(QWidget* parent);
void PrintTodoByCategory(QWidget* parent);
void PrintContacts(QWidget* parent);
void PrintCAT_KeyCategory(QWidget* parent);
void Print_SCH_AllDateOrder(QWidget* parent);
void Print_SCH_AllCategoryOrder(QWidget* parent);
void Print_SCH_OneCategory(QWidget* parent);

// Registers every report with the frame's procedures, and File › Print
// Setup… (the page setup every later print of the run uses).
void RegisterReportProcedures();

} // namespace vl
