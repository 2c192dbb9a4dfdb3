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

// A message of 2,239 characters, more lines than a page holds, goes
// on over the next page: each of its lines printed once, in order, none on
// or after the footer, and the line after it follows on that page.
TEST(ReportPdfTest, AMessageLongerThanAPageGoesOnOverTheNextPage)
{
    Report report = Sales(0);
    QStringList lines;
    for (int i = 1; i <= 80; ++i)
        lines << QStringLiteral("Line%1 of the long message.").arg(i, 2, 10, QLatin1Char('0'));
    report.rows = {{{"short", "1"}}, {{lines.join(u'\n'), "2"}}, {{"Last", "3"}}};
    const QString path = test::TestPath("message.pdf");
    ASSERT_TRUE(WriteReportPdf(report, path));
    const QStringList pages = test::PdfPages(path);
    ASSERT_EQ(pages.size(), 2);
    QStringList printed;
    for (const QString& page : pages) {
        const qsizetype footer = page.indexOf("3/2/2026");
        EXPECT_EQ(page.indexOf("Line", footer), -1) << page.toStdString();
        for (const QRegularExpressionMatch& line : QRegularExpression("Line\\d+").globalMatch(page.left(footer)))
            printed << line.captured();
    }
    EXPECT_EQ(printed, lines.replaceInStrings(" of the long message.", ""));
    EXPECT_TRUE(pages[1].contains("Last"));
}

// Where a colour emoji font is installed, the desktop these reports print on
// draws emoji from it first, as many desktops do; a PDF file cannot hold its
// pictures. Rockets, in no text font, still add to what the page shows.
const bool kColourEmojiFirst = qputenv("FONTCONFIG_FILE", VL_SOURCE_DIR "/tests/platform/print/ColourEmojiFirst.conf");

TEST(ReportPdfTest, EmojiArePrinted)
{
    ASSERT_TRUE(kColourEmojiFirst);
    int dark[2] = {};
    for (const int rockets : {0, 1}) {
        Report report = Sales(1);
        report.rows[0].cells[0] = "Call " + QString::fromUtf8("\xF0\x9F\x9A\x80").repeated(30 * rockets);
        const QString path = test::TestPath("emoji.pdf");
        ASSERT_TRUE(WriteReportPdf(report, path));
        dark[rockets] = test::PdfDarkDots(path, 1);
    }
    EXPECT_GT(dark[1], dark[0] + 300) << dark[0];
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
