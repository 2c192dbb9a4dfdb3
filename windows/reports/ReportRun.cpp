#include "windows/reports/ReportRun.h"

#include "platform/widgets/ProcessProgressWindow.h"
#include "windows/reports/ReportDestination.h"

namespace vl {

bool RunReport(const ReportRunPlan& plan, QWidget* parent)
{
    const ReportTexts texts = LoadPreviewReportTexts();
    ReportDestinationChoice choice = ReportDestinationChoice::Preview;
    if (plan.askPreview) {
        choice = AskPreview(texts);
        if (choice == ReportDestinationChoice::Cancel)
            return false;
    }
    if (plan.prompts && !plan.prompts())
        return false;
    const bool previewing = choice == ReportDestinationChoice::Preview;

    std::optional<Report> report;
    CancelAnswer stop = CancelAnswer::GoOn;
    {
        const auto [title, text] = plan.progressTexts.value_or(
            std::pair(previewing ? texts.ProgWinTitlePrvw : texts.ProgWinTitlePrnt, texts.ProgWinUsrText));
        ProcessProgressWindow progress({title, text, plan.windowKey, texts.ProgWinPctText}, parent);
        progress.show();
        report = plan.make([&](int64_t read, int64_t total) {
            if (progress.Tell(read, total))
                return true;
            progress.ClearCancel();
            stop = AskReportCancel(texts, previewing, read > 0);
            return stop == CancelAnswer::GoOn;
        });
    }
    if (!report || stop == CancelAnswer::Abandon)
        return false;
    if (report->rows.isEmpty()) {
        ShowNothingToPrint(texts, previewing);
        return false;
    }
    if (previewing)
        CurrentReportDestination().Preview(*report, plan.windowKey, parent);
    else
        CurrentReportDestination().Print(*report, parent);
    return true;
}

} // namespace vl
