// Reports painted into PDF files and read back as text.

#include "platform/print/ReportOutput.h"
#include "tests/support/PdfText.h"
#include "tests/support/ScriptedPrompt.h"
#include "tests/support/TempDir.h"

#include <QMarginsF>
#include <QPageSize>
#include <QProcess>
#include <QRegularExpression>
#include <QSizeF>

#include <gtest/gtest.h>

namespace vl {
namespace {

Report Sales(int perRegion)
{
    Report report;
    ReportDefinition& def = report.definition;
    def.title = "Sales";
    def.subtitles = {"By region"};
    def.date = "3/2/2026";
    def.columns = {{"Item", 30}, {"Amount", 10, Qt::AlignRight, ColumnSummary::Sum}};
    def.groups = {{"Region %1", "Total %1"}};
    def.totalLabel = "Grand total";
    for (const QString region : {"North", "South"}) {
        for (int i = 1; i <= perRegion; ++i)
            report.rows.append({{QStringLiteral("%1 item %2").arg(region).arg(i), "2.50"}, {region}});
    }
    return report;
}

TEST(ReportPdfTest, PagesCarryHeaderFooterGroupsAndTotals)
{
    const QString path = test::TestPath("sales.pdf");
    ASSERT_TRUE(WriteReportPdf(Sales(60), path));
    const QStringList pages = test::PdfPages(path);
    ASSERT_GE(pages.size(), 3);
    const QString count = QString::number(pages.size());
    for (qsizetype p = 0; p < pages.size(); ++p) {
        const QString& page = pages[p];
        EXPECT_TRUE(page.contains("Sales")) << p;
        EXPECT_TRUE(page.contains("By region")) << p;
        EXPECT_TRUE(page.contains(QRegularExpression("Item +Amount"))) << p;
        EXPECT_TRUE(page.contains(QRegularExpression(QStringLiteral("3/2/2026 +Page %1 of %2").arg(p + 1).arg(count))))
            << p;
    }
    const QString all = pages.join(u'\n');
    EXPECT_TRUE(all.contains(QRegularExpression("Total North +150.00")));
    EXPECT_TRUE(all.contains(QRegularExpression("Total South +150.00")));
    EXPECT_TRUE(all.contains(QRegularExpression("Grand total +300.00")));
    EXPECT_EQ(all.count("Region North"), 1);
    EXPECT_LT(all.indexOf("North item 60 "), all.indexOf("Total North"));
    EXPECT_LT(all.indexOf("Total North"), all.indexOf("Region South"));
}

// A message of two thousand characters, more lines than a page holds, goes
// on over the next page: each of its lines printed once, none over the
// footer, and the lines after it follow on that page.
TEST(ReportPdfTest, AMessageLongerThanAPageGoesOnOverTheNextPage)
{
    Report report;
    report.definition.title = "Tasks";
    report.definition.date = "3/2/2026";
    report.definition.columns = {{"Task", 10}, {"Message", 30}};
    QStringList lines;
    for (int i = 1; i <= 80; ++i)
        lines << QStringLiteral("Line%1 of the long message.").arg(i, 2, 10, QLatin1Char('0'));
    ASSERT_GE(lines.join(u'\n').size(), 2000);
    report.rows = {{{"First", "short"}}, {{"Call", lines.join('\n')}}, {{"Last", "short"}}};
    const QString path = test::TestPath("message.pdf");
    ASSERT_TRUE(WriteReportPdf(report, path));
    const QList<QList<test::PdfWord>> pages = test::PdfPageWords(path);
    ASSERT_EQ(pages.size(), 2);
    QStringList printed;
    for (const QList<test::PdfWord>& page : pages) {
        const auto footer = std::find_if(page.begin(), page.end(), [](const test::PdfWord& w) { return w.text == "Page"; });
        ASSERT_NE(footer, page.end());
        for (const test::PdfWord& word : page) {
            if (word.text.startsWith("Line")) {
                printed << word.text;
                EXPECT_LT(word.box.bottom(), footer->box.top()) << word.text.toStdString();
            }
        }
    }
    EXPECT_EQ(printed, QStringList(lines).replaceInStrings(" of the long message.", ""));
    EXPECT_TRUE(std::any_of(pages[1].begin(), pages[1].end(), [](const test::PdfWord& w) { return w.text == "Last"; }));
}

// The desktop these reports print on draws emoji from a colour font first
// where one is installed, as many desktops do: a PDF file cannot hold its
// pictures.
const bool kColourEmojiFirst =
    qputenv("FONTCONFIG_FILE", VL_SOURCE_DIR "/tests/platform/print/ColourEmojiFirst.conf");

// An emoji prints as the preview shows it, in a font the PDF file holds.
TEST(ReportPdfTest, EmojiArePrinted)
{
    ASSERT_TRUE(kColourEmojiFirst);
    Report report = Sales(1);
    report.rows[0].cells[0] = QString::fromUtf8("Call \xF0\x9F\x9A\x80 now"); // a rocket, in no text font
    const QString path = test::TestPath("emoji.pdf");
    ASSERT_TRUE(WriteReportPdf(report, path));
    const QList<test::PdfWord> words = test::PdfPageWords(path).value(0);
    const auto call = std::find_if(words.begin(), words.end(), [](const test::PdfWord& w) { return w.text == "Call"; });
    ASSERT_NE(call, words.end());
    const auto now = std::find_if(call, words.end(), [](const test::PdfWord& w) { return w.text == "now"; });
    ASSERT_NE(now, words.end());
    EXPECT_TRUE(test::PdfAreaInked(path, 1, QRectF(call->box.topRight(), now->box.bottomLeft()).normalized()));
}

// The page's width and height in points, as pdfinfo reads them.
QSizeF PageSize(const QString& path)
{
    QProcess info;
    info.start("pdfinfo", {path});
    info.waitForFinished(-1);
    const QRegularExpressionMatch size =
        QRegularExpression(R"(Page size:\s+([\d.]+) x ([\d.]+))").match(QString::fromUtf8(info.readAllStandardOutput()));
    return size.hasMatch() ? QSizeF(size.captured(1).toDouble(), size.captured(2).toDouble()) : QSizeF();
}

TEST(ReportPdfTest, AWideReportTurnsThePage)
{
    for (const bool landscape : {false, true}) {
        Report report = Sales(1);
        report.definition.landscape = landscape;
        const QString path = test::TestPath(landscape ? "wide.pdf" : "tall.pdf");
        ASSERT_TRUE(WriteReportPdf(report, path));
        const QSizeF page = PageSize(path);
        ASSERT_FALSE(page.isEmpty()) << path.toStdString();
        EXPECT_EQ(page.width() > page.height(), landscape);
    }
}

// The page setup chosen once holds for every later print of the run: its
// paper, and its orientation for upright reports only.
TEST(ReportPdfTest, AChosenPageSetupHoldsForLaterPrints)
{
    const QPageLayout a5(QPageSize(QPageSize::A5), QPageLayout::Portrait, QMarginsF(10, 10, 10, 10),
                         QPageLayout::Millimeter);
    QPageLayout across = a5;
    across.setOrientation(QPageLayout::Landscape);
    const struct {
        QPageLayout chosen;
        bool reportLandscape;
        QSizeF page; // points
    } cases[] = {{a5, false, {420, 595}}, {a5, true, {595, 420}}, {across, false, {595, 420}}};
    for (const auto& c : cases) {
        SetChosenPage(ChosenPage{c.chosen, {}});
        Report report = Sales(1);
        report.definition.landscape = c.reportLandscape;
        const QString path = test::TestPath("chosen.pdf");
        ASSERT_TRUE(WriteReportPdf(report, path));
        const QSizeF page = PageSize(path);
        EXPECT_NEAR(page.width(), c.page.width(), 1) << c.reportLandscape;
        EXPECT_NEAR(page.height(), c.page.height(), 1) << c.reportLandscape;
    }
    SetChosenPage(std::nullopt);
}

TEST(ReportPdfTest, UnwritableFileIsReported)
{
    test::ScriptedPrompt prompt;
    prompt.Answer(1);
    const QString path = test::TestPath("missing/dir/out.pdf");
    EXPECT_FALSE(WriteReportPdf(Sales(1), path));
    ASSERT_EQ(prompt.Questions().size(), 1u);
    EXPECT_EQ(prompt.Questions()[0].caption, kReportErrorCaption);
    EXPECT_TRUE(prompt.Questions()[0].text.contains(path));
}

} // namespace
} // namespace vl
