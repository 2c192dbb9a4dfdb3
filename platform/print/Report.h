#pragma once
// What a printed report is made of: its page header and footer, its columns,
// its groups with their header and footer lines and totals, its fonts and
// copies, and the rows that fill it. Every printed list of the program is one
// of these; ReportLayout puts its lines on pages, ReportPainter paints them
// and ReportOutput sends them to a printer, a PDF file or the preview.

#include <QFont>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace vl {

// What a column adds up in group footers and the report's total line.
enum class ColumnSummary { None, Sum, Count };

struct ReportColumn {
    QString heading;
    // The share of the line the column takes, in characters, against the
    // other columns; 0: as wide as its widest text (heading included).
    int width = 10;
    Qt::Alignment alignment = Qt::AlignLeft;
    ColumnSummary summary = ColumnSummary::None;
    // The heading's alignment where it differs from the cells'.
    std::optional<Qt::Alignment> headingAlignment;
    // Room between the column's edge and the heading's (the cells') text on
    // the side it is aligned to, in quarters of the detail font's average
    // character; none for centred text.
    int headingOffset = 0;
    int cellOffset = 0;
    // A line down the column's right edge, beside its heading and its rows.
    bool border = false;
};

// A level of grouping: consecutive rows with the same value at this level
// form one group. Levels are listed outermost first.
struct ReportGroup {
    QString header;       // line before each group, "%1" = the group's value; blank: none
    QString footer;       // label of the line after each group with its totals; blank: none
    bool newPage = false; // each group after the first starts a page
};

struct ReportFonts {
    QFont title{QStringLiteral("Sans Serif"), 14, QFont::Bold};
    QFont subtitle{QStringLiteral("Sans Serif"), 10};
    QFont heading{QStringLiteral("Sans Serif"), 9, QFont::Bold}; // column headings, group lines
    QFont detail{QStringLiteral("Sans Serif"), 9};
    QFont footer{QStringLiteral("Sans Serif"), 8};
};

struct ReportDefinition {
    // Page header, on every page.
    QString title;
    QStringList subtitles;
    bool columnHeadings = true;
    // Page footer, on every page: the date text at the left, the page text
    // ("%1" = this page, "%2" = the number of pages) at the right.
    QString date;
    QString pageText = QStringLiteral("Page %1 of %2");

    QList<ReportColumn> columns;
    QList<ReportGroup> groups;
    QString totalLabel; // label of the report's last line with the grand totals; blank: none
    // The cells of that last line as the caller worked them out; empty: the
    // label and the sums and counts of the columns.
    QStringList totals;

    ReportFonts fonts;
    int copies = 1;
    qreal marginMillimetres = 15;
    bool landscape = false; // a wide report turns the page
};

struct ReportRow {
    QStringList cells;  // one per column; a Sum column holds a plain number ("12", "-3.50")
    QStringList groups; // the row's value at each group level
    bool newPage = false; // starts a page
};

struct Report {
    ReportDefinition definition;
    QList<ReportRow> rows;
};

} // namespace vl
