#include "reports/ReportRunRules.h"

#include "platform/ui/PromptService.h"

namespace vl {

ReportTexts LoadPreviewReportTexts()
{
    return LoadReportTexts(QLatin1String(kReportTextsFile), QString(), QStringLiteral("Preview"),
                           QStringLiteral("Do you wish to PREVIEW this Report?"));
}

ReportDestinationChoice AskPreview(const ReportTexts& texts)
{
    switch (Prompt::Message(texts.AskPrvwDialogText, texts.AskPrvwDialogTitle, PromptIcon::Exclamation,
                            QStringLiteral("&Yes|&No|&Cancel"), 1)) {
    case 1:
        return ReportDestinationChoice::Preview;
    case 2:
        return ReportDestinationChoice::Print;
    default:
        return ReportDestinationChoice::Cancel;
    }
}

CancelAnswer AskReportCancel(const ReportTexts& texts, bool previewing, bool haveLines)
{
    if (Prompt::Message(texts.CancelAreYouSureText, texts.CancelAreYouSureTitle, PromptIcon::Exclamation,
                        QStringLiteral("&Yes|&No"), 2) != 1)
        return CancelAnswer::GoOn;
    if (!previewing || !haveLines)
        return CancelAnswer::Abandon;
    switch (Prompt::Message(texts.CancelPrvwPartialText, texts.CancelPrvwPartialTitle, PromptIcon::Exclamation,
                            QStringLiteral("&Yes|&No|&Ignore"), 2)) {
    case 1:
        return CancelAnswer::ShowSoFar;
    case 3:
        return CancelAnswer::GoOn;
    default:
        return CancelAnswer::Abandon;
    }
}

void ShowNothingToPrint(const ReportTexts& texts, bool previewing)
{
    if (previewing)
        Prompt::Message(texts.NothingToPrvwText, texts.NothingToPrvwTitle, PromptIcon::Information);
    else
        Prompt::Message(texts.NothingToPrntText, texts.NothingToPrntTitle, PromptIcon::Information);
}

void ShowRecordRetrievalError(const QString& table, const DataError& error)
{
    Prompt::Message(QStringLiteral("Error: (%1) attempting to access a record from the %2 file.  "
                                   "Returning to previous window.")
                        .arg(error.Describe(), table),
                    QStringLiteral("Record Retrieval Error"), PromptIcon::Stop);
}

void ShowViewOpenError(const QString& filter)
{
    Prompt::Message(QStringLiteral("Error: (The filter \"%1\" cannot be read) attempting to open the current VIEW. "
                                   "Filter and Range Limits ignored.")
                        .arg(filter),
                    QStringLiteral("View Open Error"), PromptIcon::Exclamation);
}

} // namespace vl
