// The rules of a list's output: cells as delimited text and HTML, the
// export file, the font size a printed list fits at, and its totals.
#include "tests/support/TempDir.h"
#include "xplore/CellText.h"
#include "xplore/ListExport.h"
#include "xplore/ColumnTitles.h"
#include "xplore/ListPrintFit.h"
#include "xplore/ListTotals.h"

#include <QFile>

#include <gtest/gtest.h>

namespace vl {
namespace {

// A cell shows its text on one line: each line break, CR LF too, is one space.
TEST(CellLine, EachLineBreakShowsAsOneSpace)
{
    EXPECT_EQ(CellLine(QStringLiteral("First\nSecond\r\nThird\rFourth")), "First Second Third Fourth");
    EXPECT_EQ(CellLine(QString::fromUtf8("a\xE2\x80\xA8" "b\n\n")), "a b  ");
    EXPECT_EQ(CellLine(QStringLiteral("one line")), "one line");
}

using test::ReadTextFile;
using test::TestPath;
using test::WriteTextFile;

TEST(ListOutputRules, CellsAreQuotedOrEscapedSoTheyReadBackAsThemselves)
{
    const struct {
        QString cell, delimited, html;
    } cases[] = {
        {"  plain text  ", "plain text", "<TR> <TD>plain text</TD> </TR>"},
        {"   ", "", "<TR> <TD>&nbsp</TD> </TR>"},
        {"a,b", "\"a,b\"", "<TR> <TD>a,b</TD> </TR>"},
        {"say \"hi\"", "\"say \"\"hi\"\"\"", "<TR> <TD>say &quot;hi&quot;</TD> </TR>"},
        {"O'Neil, \"x\"", "\"O'Neil, \"\"x\"\"\"", "<TR> <TD>O'Neil, &quot;x&quot;</TD> </TR>"},
        {"it's", "it's", "<TR> <TD>it's</TD> </TR>"},
        {"two\nlines", "\"two\nlines\"", "<TR> <TD>two<BR>lines</TD> </TR>"},
        {"<b>bold</b> & co", "<b>bold</b> & co", "<TR> <TD>&lt;b&gt;bold&lt;/b&gt; &amp; co</TD> </TR>"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DelimitedCell(c.cell, u','), c.delimited) << c.cell.toStdString();
        EXPECT_EQ(HtmlRow({c.cell}), c.html) << c.cell.toStdString();
    }
    EXPECT_EQ(DelimitedRow({"a;b", "", "c,d"}, u';'), "\"a;b\";;c,d");
    EXPECT_EQ(HtmlRow({"Paper", ""}), "<TR> <TD>Paper</TD> <TD>&nbsp</TD> </TR>");
}

// Reads the given rows, then ends or fails.
ListRowReader Rows(QList<QStringList> rows, bool failAtEnd = false)
{
    return [rows, failAtEnd, next = 0](QStringList& cells, QString& error) mutable {
        if (next < rows.size()) {
            cells = rows[next++];
            return RowRead::Row;
        }
        error = "the table is locked";
        return failAtEnd ? RowRead::Failed : RowRead::End;
    };
}

TEST(ListOutputRules, ExportsWriteTheWholeFileOrLeaveTheOldOne)
{
    ListExportContent content{"Holidays <2024>", {"Date", "Name, full"}};
    const QString csv = TestPath("XPort.CSV");
    std::vector<int> progress;
    const ListExportResult written = ExportList(csv, ListExportFormat::Delimited, content, 2,
                                                Rows({{"1/1", "New Year"}, {"12/25", "Day \"X\""}}),
                                                [&](int percent) { progress.push_back(percent); });
    ASSERT_TRUE(written.ok) << written.error.toStdString();
    EXPECT_EQ(written.rows, 2);
    EXPECT_EQ(progress, (std::vector<int>{50, 100}));
    EXPECT_EQ(ReadTextFile(csv), "# Records=0000002\r\nDate,\"Name, full\"\r\n1/1,New Year\r\n12/25,\"Day \"\"X\"\"\"\r\n");

    const QString html = TestPath("XPort.HTM");
    ASSERT_TRUE(ExportList(html, ListExportFormat::Html, content, 0, Rows({}), {}).ok);
    EXPECT_EQ(ReadTextFile(html), "<HTML>\r\n<HEAD><META CHARSET=\"UTF-8\"><TITLE>Holidays &lt;2024&gt;</TITLE></HEAD>\r\n"
                                  "<H1>Holidays &lt;2024&gt;</H1><P>\r\n<TABLE BORDER=2>\r\n"
                                  "<TR> <TD>Date</TD> <TD>Name, full</TD> </TR>\r\n</TABLE>\r\n</HTML>\r\n");
    content.headerRow = false;
    ASSERT_TRUE(ExportList(csv, ListExportFormat::Delimited, content, 0, Rows({}), {}).ok);
    EXPECT_EQ(ReadTextFile(csv), "# Records=0000000\r\n");

    // A list that fails half-way, or a file that cannot be written, leaves the earlier file.
    WriteTextFile(csv, "earlier");
    const ListExportResult failed = ExportList(csv, ListExportFormat::Delimited, content, 3, Rows({{"a"}}, true), {});
    EXPECT_FALSE(failed.ok);
    EXPECT_TRUE(failed.error.contains("the table is locked")) << failed.error.toStdString();
    EXPECT_EQ(ReadTextFile(csv), "earlier");
    const ListExportResult unwritable =
        ExportList(TestPath("no such folder/XPort.CSV"), ListExportFormat::Html, content, 0, Rows({}), {});
    EXPECT_FALSE(unwritable.ok);
    EXPECT_TRUE(unwritable.error.contains("no such folder")) << unwritable.error.toStdString();
}

TEST(ListOutputRules, ColumnsKeepRoomBesideTheirTextAndAreNamedAsTheUserSeesThem)
{
    XploreColumn right;
    right.dataJust = u'R';
    right.dataOffset = 3;
    XploreColumn decimalWithIcon;
    decimalWithIcon.dataJust = u'D';
    decimalWithIcon.hasIcon = true;
    EXPECT_EQ(ColumnPadding(right), 4);
    EXPECT_EQ(ColumnPadding(decimalWithIcon), 13);

    std::vector<XploreColumn> columns(3);
    columns[0].field = "SCH:Category";
    columns[1].field = "SCH:Date";
    columns[2].field = "Checkmark";
    columns[2].description = "Status ";
    const QStringList titles{ColumnTitle(columns[0], "  Category "), ColumnTitle(columns[1], "Date"),
                             ColumnTitle(columns[2], " ")};
    EXPECT_EQ(titles, QStringList({"Category", "Date", "Status"})) << "a blank header: the description";
    const struct {
        ViewOrder order;
        const char* text;
    } orders[] = {
        {{}, ""},
        {{{{"SCH:CATEGORY", false, true}}}, "Category (ascending)"},
        {{{{"SCH:Date", true}, {"SCH:Time", false}}}, "Date (descending), Time (ascending)"},
    };
    for (const auto& o : orders)
        EXPECT_EQ(OrderTitle(o.order, columns, titles), o.text);
}

TEST(ListOutputRules, TotalsAddTheNumbersTheCellsShow)
{
    std::vector<XploreColumn> columns(3);
    columns[0].picture = "@s20";
    columns[1].picture = "@n9.2";
    columns[1].totalOk = true;
    columns[2].picture = "@s10";
    columns[2].totalOk = true;
    ListTotals totals(columns);
    EXPECT_TRUE(totals.Any());
    totals.Add({"a", "1,234.50", "x"});
    totals.Add({"b", "  -0.25", "y"});
    totals.Add({"c", "", "2"});
    EXPECT_EQ(totals.Texts(), (QStringList{"", "1,234.25", "2"}));
    EXPECT_FALSE(ListTotals(std::vector<XploreColumn>(2)).Any());
}

} // namespace
} // namespace vl
