#pragma once
// The texts of the report progress and preview dialogs, read from section
// "DISPLAY STRINGS 2.0" of an INI file so that a report can word them
// otherwise; every entry has a default.

#include <QString>

namespace vl {

struct ReportTexts {
    QString ProgWinTitlePrvw;
    QString ProgWinTitlePrnt;
    QString ProgWinPctText;
    QString ProgWinRecText;
    QString ProgWinUsrText;
    QString PrinterDlgTitle;
    QString AskPrvwDialogTitle;
    QString AskPrvwDialogText;
    QString CancelAreYouSureTitle;
    QString CancelAreYouSureText;
    QString CancelPrvwPartialTitle;
    QString CancelPrvwPartialText; // up to 127 characters
    QString NoDfltPrtrTitle;
    QString NoDfltPrtrText;        // up to 254 characters
    QString NothingToPrvwTitle;
    QString NothingToPrvwText;
    QString NothingToPrntTitle;
    QString NothingToPrntText;
    QString AsciiOutTitle;
    QString AsciiOutMasks;
    QString DynLblErrTitle;
    QString DynLblErrText1;
    QString DynLblErrText2;
};

// Reads the texts from iniFile (clipped; "WIN.INI" when blank, relative
// names in the data directory). The three caller texts are the defaults of
// the progress user text and of the preview question's title and text.
// Texts are cut to 63 characters unless noted above.
ReportTexts LoadReportTexts(const QString& iniFile, const QString& progressUserText,
                            const QString& previewQuestionTitle, const QString& previewQuestionText);

} // namespace vl
