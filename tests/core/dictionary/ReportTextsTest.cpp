// The report dialogs' texts and their INI overrides.

#include <gtest/gtest.h>

#include "core/dictionary/ReportTexts.h"
#include "platform/runtime/IniFile.h"
#include "tests/support/TempDir.h"

namespace vl {
namespace {

TEST(ReportTextsTest, DefaultsComeFromTheCallerOrTheProgramAndTheIniFileOverridesThem)
{
    IniFile report(test::TestPath("report.ini"));
    ASSERT_TRUE(report.Put("DISPLAY STRINGS 2.0", "ProgWinTitlePrvw", "Building " + QString(70, 'x')));
    ASSERT_TRUE(report.Put("DISPLAY STRINGS 2.0", "AskPrvwDialogText", "Look first?"));

    const ReportTexts texts = LoadReportTexts("report.ini   ", "Tasks", "Preview", "Preview it?");
    EXPECT_EQ(texts.ProgWinTitlePrvw.size(), 63);
    EXPECT_TRUE(texts.ProgWinTitlePrvw.startsWith("Building x"));
    EXPECT_EQ(texts.AskPrvwDialogText, "Look first?");
    EXPECT_EQ(texts.ProgWinUsrText, "Tasks");
    EXPECT_EQ(texts.AskPrvwDialogTitle, "Preview");
    EXPECT_EQ(texts.CancelPrvwPartialText, "Report Cancellation Requested!||Preview Report generated so far?");
    EXPECT_TRUE(texts.NoDfltPrtrText.endsWith("Continue with report anyway?")); // longer than 63, not cut
    EXPECT_EQ(texts.AsciiOutMasks, "Text|*.TXT|All Files|*.*");
}

TEST(ReportTextsTest, ABlankFileNameMeansWinIni)
{
    IniFile win(test::TestPath("WIN.INI"));
    ASSERT_TRUE(win.Put("DISPLAY STRINGS 2.0", "NothingToPrntText", "Empty."));
    EXPECT_EQ(LoadReportTexts("  ", "", "", "").NothingToPrntText, "Empty.");
}

} // namespace
} // namespace vl
