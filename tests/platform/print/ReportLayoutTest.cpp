#include "platform/print/ReportLayout.h"

#include <gtest/gtest.h>

namespace vl {
namespace {

// A page as tokens: "H<text>" group header, "D<row>" detail line ("+<row>"
// its rest from the page before), "F<cells>" group footer, "T<cells>" report
// total; pages joined by " | ".
QString Pages(const QList<ReportPage>& pages)
{
    QStringList texts;
    for (const ReportPage& page : pages) {
        QStringList tokens;
        for (const ReportBand& band : page) {
            switch (band.kind) {
            case BandKind::GroupHeader: tokens << u'H' + band.text; break;
            case BandKind::Detail: tokens << (band.continued ? u'+' : u'D') + QString::number(band.row); break;
            case BandKind::GroupFooter: tokens << u'F' + band.cells.join(u','); break;
            case BandKind::ReportTotal: tokens << u'T' + band.cells.join(u','); break;
            }
        }
        texts << tokens.join(u' ');
    }
    return texts.join(QLatin1String(" | "));
}

// Rows "group:amount", or "group/inner:amount", "!" in front starts a page.
QList<ReportRow> Rows(const QStringList& texts)
{
    QList<ReportRow> rows;
    for (QString text : texts) {
        ReportRow row;
        row.newPage = text.startsWith(u'!');
        text.remove(u'!');
        const QStringList parts = text.split(u':');
        row.groups = parts[0].split(u'/');
        row.cells = {parts[0], parts.value(1)};
        rows << row;
    }
    return rows;
}

TEST(ReportLayoutTest, BandsFillPagesWithGroupsBreaksAndTotals)
{
    const QList<ReportColumn> sumColumns{{"Name", 20}, {"Amount", 8, Qt::AlignRight, ColumnSummary::Sum}};
    const QList<ReportColumn> countColumns{{"Name", 20}, {"Items", 8, Qt::AlignRight, ColumnSummary::Count}};
    const struct {
        const char* name;
        QList<ReportColumn> columns;
        QList<ReportGroup> groups;
        QString totalLabel;
        QStringList rows;
        qreal pageHeight;
        QString expected;
    } cases[] = {
        {"no rows: one empty page", sumColumns, {}, "", {}, 10, ""},
        {"no rows, totals of nothing", sumColumns, {}, "Total", {}, 10, "TTotal,0"},
        {"lines fill pages in order", sumColumns, {}, "", {"a", "b", "c", "d", "e"}, 2, "D0 D1 | D2 D3 | D4"},
        {"a page holds exactly its height", sumColumns, {}, "", {"a", "b", "c"}, 3, "D0 D1 D2"},
        {"group lines and totals", sumColumns, {{"Group %1", "Sum %1"}}, "Total",
         {"A:1", "A:2", "B:3.5"}, 100, "HGroup A D0 D1 FSum A,3 HGroup B D2 FSum B,3.5 TTotal,6.5"},
        {"negative and unreadable amounts", sumColumns, {}, "Total", {"a:-1.25", "b:x", "c:2"}, 100,
         "D0 D1 D2 TTotal,0.75"},
        {"each group on a page of its own", sumColumns, {{"%1", "", true}}, "", {"A:1", "A:2", "B:3"}, 100,
         "HA D0 D1 | HB D2"},
        {"a group header never ends a page", sumColumns, {{"%1", ""}}, "", {"A", "B", "B"}, 3, "HA D0 | HB D1 D2"},
        {"header runs stay with their line", sumColumns, {{"%1", ""}, {"%1", ""}}, "",
         {"A/x", "B/y"}, 4, "HA Hx D0 | HB Hy D1"},
        {"nested groups close innermost first", countColumns, {{"", "Outer %1"}, {"", "Inner %1"}}, "All",
         {"A/x", "A/x", "A/y", "B/y"}, 100,
         "D0 D1 FInner x,2 D2 FInner y,1 FOuter A,3 D3 FInner y,1 FOuter B,1 TAll,4"},
        {"a row may start a page", sumColumns, {}, "", {"a", "!b", "c"}, 100, "D0 | D1 D2"},
        {"the first row never leaves a blank page", sumColumns, {{"%1", "", true}}, "", {"!A"}, 100, "HA D0"},
    };
    for (const auto& c : cases) {
        Report report;
        report.definition.columns = c.columns;
        report.definition.groups = c.groups;
        report.definition.totalLabel = c.totalLabel;
        report.rows = Rows(c.rows);
        const QList<ReportPage> pages =
            PaginateBands(ReportBands(report), c.pageHeight, [](const ReportBand&) { return 1.0; }, {});
        EXPECT_EQ(Pages(pages), c.expected) << c.name;
    }
}

TEST(ReportLayoutTest, BandTallerThanAPageGetsAPageOfItsOwn)
{
    Report report;
    report.definition.columns = {{"Name", 20}};
    report.rows = Rows({"a", "b", "c"});
    const auto height = [](const ReportBand& band) { return band.row == 1 ? 5.0 : 1.0; };
    EXPECT_EQ(Pages(PaginateBands(ReportBands(report), 3, height, {})), "D0 | D1 | D2");
}

// Detail lines as tall as the letters of their second cell, cut between
// letters; a continued line shows as "+<row>".
TEST(ReportLayoutTest, ALineTallerThanAPageGoesOnOverTheNextPages)
{
    const auto height = [](const ReportBand& band) { return std::max<qreal>(band.cells.value(1).size(), 1); };
    const BandSplit split = [](const ReportBand& band, qreal room) {
        std::optional<std::pair<ReportBand, ReportBand>> parts;
        if (const qsizetype fits = qsizetype(room); fits >= 1 && fits < band.cells.value(1).size()) {
            parts.emplace(band, band);
            parts->first.cells[1].truncate(fits);
            parts->second.cells[1].remove(0, fits);
        }
        return parts;
    };
    for (const auto& [rows, expected] : std::initializer_list<std::pair<QStringList, QString>>{
             {{"a:abcdefg"}, "D0 | +0 | +0"}, {{"a:x", "b:abcdefg", "c:y"}, "D0 D1 | +1 | +1 D2"},
             {{"a:xyz", "b:abcd"}, "D0 | D1 | +1"}, {{"a:x", "!b:abcd"}, "D0 | D1 | +1"}, {{"a:x", "b:abc"}, "D0 | D1"}}) {
        Report report;
        report.rows = Rows(rows);
        EXPECT_EQ(Pages(PaginateBands(ReportBands(report), 3, height, split)), expected) << expected.toStdString();
    }
}

} // namespace
} // namespace vl
