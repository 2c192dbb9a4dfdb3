// The schedule reports that take their criteria from "Report Criteria":
// "Schedule in Brief" and the checklist "Schedule", read from Schedule or,
// with future occurrences, from a work file filled for the run.
#include "core/base/Globals.h"
#include "platform/runtime/Clock.h"
#include "platform/widgets/ProcessProgressWindow.h"
#include "platform/ui/PromptService.h"
#include "reports/ScheduleWorkfile.h"
#include "windows/reports/ReadReportRecords.h"
#include "windows/reports/ReportLayouts.h"
#include "windows/reports/ReportParameters.h"
#include "windows/reports/ReportProcedures.h"
#include "windows/reports/ReportRun.h"

namespace vl {
namespace {

enum class ScheduleLayout { Brief, Checklist };

constexpr char kProcessingRecords[] = "Processing Records";

QString TitleOf(ScheduleLayout layout, bool workfile)
{
    if (layout == ScheduleLayout::Brief)
        return workfile ? QStringLiteral("Complete Schedule in Brief") : QStringLiteral("Schedule in Brief");
    return workfile ? QStringLiteral("Complete Schedule") : QStringLiteral("Schedule");
}

// The common run over Schedule or the work file, in the order and with the
// filter of the criteria.
void RunScheduleReport(Table<ScheduleRecord>& table, bool workfile, ScheduleLayout layout, const char* procedure,
                       QWidget* parent)
{
    ReportRunPlan plan;
    plan.windowKey = QLatin1String(procedure);
    plan.make = [&](const ReadProgress& progress) -> std::optional<Report> {
        std::optional<ScheduleFilter> filter = ParseScheduleFilter(GlobalFilter);
        if (!filter) {
            ShowViewOpenError(GlobalFilter);
            filter = ScheduleFilter{};
        }
        const auto tasks = ReadReportRecords<ScheduleRecord>(
            table, ScheduleOrderKey(GlobalOrder, workfile),
            [&](const ScheduleRecord& task) { return filter->Matches(task); }, progress);
        if (!tasks)
            return std::nullopt;
        const QString title = TitleOf(layout, workfile);
        return layout == ScheduleLayout::Brief ? BriefScheduleReport(title, *tasks)
                                               : ChecklistScheduleReport(title, *tasks);
    };
    RunReport(plan, parent);
}

// Fills a work file for the range of the criteria under a progress window,
// prints from it unless the filling was stopped, and removes it.
void RunFromWorkfile(ScheduleLayout layout, const char* procedure, QWidget* parent)
{
    Table<ScheduleRecord> workfile(Tables().ScheduleWorkfile.DefinitionPtr());
    workfile.SetName(WorkfileName(Now()));
    Table<ScheduleRecord>& schedule = Tables().Schedule;
    if (!OpenTable(workfile) || !OpenTable(schedule)) {
        const TableFile& failed = workfile.IsOpen() ? static_cast<TableFile&>(schedule) : workfile;
        ShowFileWarning(kWarnFileAccessError, failed.Name(), failed.LastError());
        RemoveWorkfile(workfile);
        return;
    }
    const ReportTexts texts = LoadPreviewReportTexts();
    // Tells a progress window and asks it whether the user pressed Cancel.
    const auto tell = [](ProcessProgressWindow& window) {
        return [&window](int64_t done, int64_t total) { return window.Tell(done, total); };
    };
    DataError emptyError;
    {
        ProcessProgressWindow progress({QLatin1String(kProcessingRecords), QStringLiteral("Removing old work file..."),
                                        QStringLiteral("EmptyWorkfile"), texts.ProgWinPctText},
                                       parent);
        progress.show();
        EmptyWorkfile(workfile, tell(progress), emptyError); // a stopped emptying still goes on to the filling
    }
    if (emptyError.code != kNoError)
        Prompt::Message(RecordNotDeletedText(emptyError), QLatin1String(kRecordNotDeletedCaption),
                        PromptIcon::Exclamation);
    WorkfileResult filled;
    {
        ProcessProgressWindow progress({QLatin1String(kProcessingRecords),
                                        QStringLiteral("Creating future occurrence information"),
                                        QStringLiteral("CreateWorkfile"), texts.ProgWinPctText},
                                       parent);
        progress.show();
        filled = CreateWorkfile(schedule, workfile, GLO::DateFrom, GLO::DateTo, tell(progress), kWorkfileRecordLimit,
                                ScheduleOrderKey(GlobalOrder, true));
    }
    schedule.Close();
    switch (filled.outcome) {
    case WorkfileOutcome::Completed:
        RunScheduleReport(workfile, true, layout, procedure, parent);
        break;
    case WorkfileOutcome::Limited:
        Prompt::Message(QString::fromLatin1(kWorkfileLimitText).arg(kWorkfileRecordLimit),
                        QLatin1String(kWorkfileLimitCaption), PromptIcon::Exclamation);
        break;
    case WorkfileOutcome::Failed:
        ShowFileWarning(kWarnFileAccessError, workfile.Name(), filled.error);
        break;
    case WorkfileOutcome::Cancelled:
        break;
    }
    RemoveWorkfile(workfile);
}

void PrintWithCriteria(ScheduleLayout layout, const char* procedure, QWidget* parent)
{
    {
        ReportParameters criteria(parent);
        criteria.exec();
    }
    if (GlobalOrder.isEmpty() && GlobalFilter.isEmpty())
        return;
    if (layout == ScheduleLayout::Checklist && !GlobalOrder.toUpper().contains(QLatin1String("DATE")))
        Prompt::Message(QLatin1String(kOrderWarningText), QStringLiteral("Warning"), PromptIcon::Exclamation);
    if (ReportIncludeFutureOccurances)
        RunFromWorkfile(layout, procedure, parent);
    else
        RunScheduleReport(Tables().Schedule, false, layout, procedure, parent);
}

} // namespace

void PrintScheduleInBrief(QWidget* parent)
{
    PrintWithCriteria(ScheduleLayout::Brief, kPrintScheduleInBrief, parent);
}

void PrintSchedule(QWidget* parent)
{
    PrintWithCriteria(ScheduleLayout::Checklist, kPrintSchedule, parent);
}

} // namespace vl
