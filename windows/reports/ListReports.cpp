// The reports that print a table as it stands (to-do items, contacts,
// categories, every task) or the tasks of one chosen category.
#include "platform/runtime/Clock.h"
#include "platform/runtime/FixedText.h"
#include "windows/reports/ReadReportRecords.h"
#include "windows/reports/ReportLayouts.h"
#include "windows/reports/ReportProcedures.h"
#include "windows/reports/ReportRun.h"
#include "windows/reports/SetReportTitle.h"
#include "windows/tasks/SelectCategories.h"

namespace vl {
namespace {

constexpr char kTodoByPriorityTitle[] = "To Do List - By Priority";
constexpr char kTodoCategoryTitle[] = "To Do List - ";

// The category the user picks, or nothing when the pick was cancelled.
std::optional<QString> PickCategory(QWidget* parent)
{
    SelectCategories pick(parent);
    if (pick.exec() != QDialog::Accepted)
        return std::nullopt;
    return Clip(pick.Chosen().Category);
}

QString TitleOr(const QString& title)
{
    return Clip(ReportTitle).isEmpty() ? title : Clip(ReportTitle);
}

// A report of the tasks read in one key order, straight to the preview.
void TaskListReport(KeyRef key, const char* procedure, QWidget* parent,
                    const std::function<Report(const std::vector<ScheduleRecord>&)>& layout,
                    const std::function<bool(const ScheduleRecord&)>& select = {})
{
    ReportRunPlan plan;
    plan.windowKey = QLatin1String(procedure);
    plan.askPreview = false;
    plan.progressTexts = std::pair(QString::fromLatin1(kReportProgressCaption), QString());
    plan.make = [&](const ReadProgress& progress) -> std::optional<Report> {
        const auto tasks = ReadReportRecords<ScheduleRecord>(Tables().Schedule, key, select, progress);
        return tasks ? std::optional<Report>(layout(*tasks)) : std::nullopt;
    };
    RunReport(plan, parent);
}

} // namespace

void PrintTodoByPriority(QWidget* parent)
{
    const Date printDate = Today();
    ReportRunPlan plan;
    plan.windowKey = QLatin1String(kPrintTodoByPriority);
    plan.prompts = [parent] {
        ReportTitle.clear();
        return AskReportTitle(parent);
    };
    plan.make = [&](const ReadProgress& progress) -> std::optional<Report> {
        const auto items = ReadReportRecords<TodoRecord>(Tables().Todo, TDO_KEYPRIORITY, {}, progress);
        if (!items)
            return std::nullopt;
        return TodoReport(TitleOr(QLatin1String(kTodoByPriorityTitle)), *items, false, printDate);
    };
    RunReport(plan, parent);
}

void PrintTodoByCategory(QWidget* parent)
{
    const Date printDate = Today();
    const std::optional<QString> category = PickCategory(parent);
    if (!category)
        return;
    const QString ownTitle = QLatin1String(kTodoCategoryTitle) + *category;
    ReportRunPlan plan;
    plan.windowKey = QLatin1String(kPrintTodoByCategory);
    plan.prompts = [&] {
        ReportTitle = ownTitle;
        return AskReportTitle(parent);
    };
    plan.make = [&](const ReadProgress& progress) -> std::optional<Report> {
        const auto items = ReadReportRecords<TodoRecord>(
            Tables().Todo, TDO_KEYCATEGORY,
            [&](const TodoRecord& item) { return SameTextNoCase(item.Category, *category); }, progress);
        if (!items)
            return std::nullopt;
        return TodoReport(TitleOr(ownTitle), *items, true, printDate);
    };
    RunReport(plan, parent);
}

void PrintContacts(QWidget* parent)
{
    ReportRunPlan plan;
    plan.windowKey = QLatin1String(kPrintContacts);
    plan.make = [](const ReadProgress& progress) -> std::optional<Report> {
        const auto contacts = ReadReportRecords<ContactRecord>(Tables().Contact, C_KEYCATEGORY, {}, progress);
        return contacts ? std::optional<Report>(ContactsReport(*contacts)) : std::nullopt;
    };
    RunReport(plan, parent);
}

void PrintCAT_KeyCategory(QWidget* parent)
{
    ReportRunPlan plan;
    plan.windowKey = QLatin1String(kPrintCategories);
    plan.askPreview = false;
    plan.progressTexts = std::pair(QString::fromLatin1(kReportProgressCaption), QString());
    plan.make = [](const ReadProgress& progress) -> std::optional<Report> {
        const auto categories =
            ReadReportRecords<CategoriesRecord>(Tables().Categories, CAT_KEYCATEGORY, {}, progress);
        return categories ? std::optional<Report>(CategoryListReport(*categories)) : std::nullopt;
    };
    RunReport(plan, parent);
}

void Print_SCH_AllDateOrder(QWidget* parent)
{
    TaskListReport(SCH_KEYDATE, kPrintAllDateOrder, parent, FullScheduleReport);
}

void Print_SCH_AllCategoryOrder(QWidget* parent)
{
    TaskListReport(SCH_KEYCATEGORY, kPrintAllCategoryOrder, parent, FullScheduleReport);
}

void Print_SCH_OneCategory(QWidget* parent)
{
    const std::optional<QString> category = PickCategory(parent);
    if (!category)
        return;
    TaskListReport(
        SCH_KEYCATEGORYDATE, kPrintOneCategory, parent,
        [&](const std::vector<ScheduleRecord>& tasks) { return OneCategoryReport(*category, tasks); },
        [&](const ScheduleRecord& task) { return SameTextNoCase(task.Category, *category); });
}

} // namespace vl
