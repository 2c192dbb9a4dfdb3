#include "core/dictionary/ReportTexts.h"

#include "platform/runtime/FixedText.h"
#include "platform/runtime/IniFile.h"

namespace vl {

ReportTexts LoadReportTexts(const QString& iniFile, const QString& progressUserText,
                            const QString& previewQuestionTitle, const QString& previewQuestionText)
{
    const QString name = Clip(iniFile).isEmpty() ? QStringLiteral("WIN.INI") : Clip(iniFile);
    const IniFile ini(name);
    const QString section = QStringLiteral("DISPLAY STRINGS 2.0");
    auto read = [&](const char* entry, const QString& defaultText, int width = 63) {
        return CutTo(ini.Get(section, QLatin1String(entry), defaultText), width);
    };

    ReportTexts t;
    t.ProgWinTitlePrvw = read("ProgWinTitlePrvw", QStringLiteral("Generating Report"));
    t.ProgWinTitlePrnt = read("ProgWinTitlePrnt", QStringLiteral("Printing Report"));
    t.ProgWinPctText = read("ProgWinPctText", QStringLiteral("% Completed"));
    t.ProgWinRecText = read("ProgWinRecText", QStringLiteral("Records Read"));
    t.ProgWinUsrText = read("ProgWinUsrText", progressUserText);
    t.PrinterDlgTitle = read("PrinterDlgTitle", QStringLiteral("Report Destination"));
    t.AskPrvwDialogTitle = read("AskPrvwDialogTitle", previewQuestionTitle);
    t.AskPrvwDialogText = read("AskPrvwDialogText", previewQuestionText);
    t.CancelAreYouSureTitle = read("CancelAreYouSureTitle", QStringLiteral("Question"));
    t.CancelAreYouSureText =
        read("CancelAreYouSureText", QStringLiteral("Are you sure you want to CANCEL this Report?"));
    t.CancelPrvwPartialTitle = read("CancelPrvwPartialTitle", QStringLiteral("Question"));
    t.CancelPrvwPartialText = read(
        "CancelPrvwPartialText", QStringLiteral("Report Cancellation Requested!||Preview Report generated so far?"),
        127);
    t.NoDfltPrtrTitle = read("NoDfltPrtrTitle", QStringLiteral("WARNING!"));
    t.NoDfltPrtrText = read("NoDfltPrtrText",
                            QStringLiteral("Warning:  No DEFAULT Printer Driver Found!||Printing may not occur "
                                           "correctly (or at all)|without a Default printer assigned.||Use CONTROL "
                                           "PANEL (PRINTERS) to set a|printer as your Default.||Continue with report "
                                           "anyway?"),
                            254);
    t.NothingToPrvwTitle = read("NothingToPrvwTitle", QStringLiteral("NOTE..."));
    t.NothingToPrvwText = read("NothingToPrvwText", QStringLiteral("Nothing to Preview."));
    t.NothingToPrntTitle = read("NothingToPrntTitle", QStringLiteral("NOTE..."));
    t.NothingToPrntText = read("NothingToPrntText", QStringLiteral("Nothing to Print."));
    t.AsciiOutTitle = read("AsciiOutTitle", QStringLiteral("Save to what Filename?"));
    t.AsciiOutMasks = read("AsciiOutMasks", QStringLiteral("Text|*.TXT|All Files|*.*"));
    t.DynLblErrTitle = read("DynLblErrTitle", QStringLiteral("Problem!"));
    t.DynLblErrText1 = read("DynLblErrText1", QStringLiteral("Sorry!||"));
    t.DynLblErrText2 = read("DynLblErrText2", QStringLiteral("||Does not support paper type:"));
    return t;
}

} // namespace vl
