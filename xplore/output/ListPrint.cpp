#include "xplore/output/ListPrint.h"

#include "platform/browse/BrowseModel.h"
#include "platform/print/ReportOutput.h"
#include "platform/runtime/Clock.h"
#include "platform/runtime/Picture.h"
#include "platform/ui/PromptService.h"
#include "xplore/ColumnTitles.h"
#include "xplore/ListTotals.h"
#include "xplore/output/ListRows.h"
#include "xplore/windows/Xplore.h"

#include <QFontMetrics>

#include <algorithm>

namespace vl {
namespace {

const QString kPrintCaption = QStringLiteral("Print List");
const QString kTotalLabel = QStringLiteral("Total");

class DesktopPrintOutput : public ListPrintOutput {
public:
    void Preview(const Report& report, const QString& windowKey, QWidget* parent) override
    {
        PreviewReport(report, windowKey, parent);
    }
    bool Print(const Report& report, QWidget* parent) override { return PrintReport(report, parent); }
};

Qt::Alignment PrintedAlignment(QChar justification)
{
    switch (justification.toUpper().unicode()) {
    case u'C':
        return Qt::AlignHCenter;
    case u'R':
    case u'D':
        return Qt::AlignRight;
    default:
        return Qt::AlignLeft;
    }
}

// The rows to print: every row of the view, or the rows on screen.
bool ReadRows(Xplore& list, bool all, QList<QStringList>& rows, QString& error)
{
    if (!all) {
        for (const int row : RowsOnScreen(list))
            rows << RowCells(list, row);
        return true;
    }
    const ListRowReader read = AllRows(list);
    ProgressWindow progress(list.List()->window());
    const int expected = list.Model()->rowCount();
    for (QStringList cells;; cells.clear()) {
        switch (read(cells, error)) {
        case RowRead::End:
            return true;
        case RowRead::Failed:
            return false;
        case RowRead::Row:
            rows << cells;
            progress.Show(expected > 0 ? int(qint64(rows.size()) * 100 / expected) : 100);
            break;
        }
    }
}

void SetFonts(ReportFonts& fonts, const QFont& listFont, int size)
{
    const QString family = listFont.family();
    const int weight = listFont.weight();
    fonts.title = QFont(family, size, QFont::Bold);
    fonts.subtitle = QFont(family, size, weight);
    fonts.heading = QFont(family, size, QFont::Normal);
    fonts.detail = QFont(family, size, weight);
    fonts.footer = QFont(family, size, weight);
}

// Columns that show only an icon (their texts all blank) print nothing but
// would take room: they are left out.
std::vector<size_t> PrintedColumns(const std::vector<XploreColumn>& columns, const QList<QStringList>& rows)
{
    std::vector<size_t> printed;
    for (size_t c = 0; c < columns.size(); ++c) {
        const bool blank = std::all_of(rows.begin(), rows.end(), [c](const QStringList& cells) {
            return cells.value(qsizetype(c)).trimmed().isEmpty();
        });
        if (!(columns[c].hasIcon && blank))
            printed.push_back(c);
    }
    return printed;
}

// The largest font size from 14 points down to 6 at which every column is as
// wide as its widest text on the page's width, upright or else turned; when
// none fits, the columns share the turned page by their widest texts and
// their texts wrap within them.
int FitColumns(Report& report, const QFont& listFont)
{
    ReportDefinition& definition = report.definition;
    for (const bool landscape : {false, true}) {
        definition.landscape = landscape;
        for (int size = 14; size >= 6; size -= 2) {
            SetFonts(definition.fonts, listFont, size);
            if (ReportColumnsFitPage(report))
                return size;
        }
    }
    const QFontMetrics metrics(definition.fonts.detail);
    for (qsizetype c = 0; c < definition.columns.size(); ++c) {
        int widest = metrics.horizontalAdvance(definition.columns[c].heading);
        for (const ReportRow& row : report.rows)
            widest = std::max(widest, metrics.horizontalAdvance(row.cells.value(c)));
        definition.columns[c].width = std::max(widest, 1);
    }
    return 6;
}

} // namespace

ListPrintOutput& CurrentListPrintOutput()
{
    static DesktopPrintOutput desktop;
    return InstalledOr<ListPrintOutput>(desktop);
}

bool BuildPrintedList(Xplore& list, const QString& mode, Report& report, QString& error)
{
    const bool all = mode == QLatin1String(kPrintAllMode);
    if (!all && mode != QLatin1String(kPrintPageMode))
        return false;
    QList<QStringList> rows;
    if (!ReadRows(list, all, rows, error))
        return false;

    const std::vector<XploreColumn>& columns = list.Columns().Shown();
    QStringList titles;
    for (const XploreColumn& column : columns)
        titles << list.TitleOf(column);
    const std::vector<size_t> printed = PrintedColumns(columns, rows);
    ReportDefinition& definition = report.definition;
    for (const size_t c : printed) {
        // Aligned, offset and bordered as the list shows the column.
        ReportColumn column{titles[qsizetype(c)], 0, PrintedAlignment(columns[c].dataJust)};
        column.headingAlignment = PrintedAlignment(columns[c].headerJust);
        column.headingOffset = columns[c].headerOffset;
        column.cellOffset = columns[c].dataOffset;
        column.border = columns[c].border;
        definition.columns << column;
    }
    ListTotals totals(columns);
    for (const QStringList& cells : rows) {
        QStringList shown;
        for (const size_t c : printed)
            shown << cells.value(qsizetype(c)).trimmed();
        report.rows << ReportRow{shown, {}};
        totals.Add(cells);
    }
    if (all && totals.Any()) {
        const QStringList sums = totals.Texts();
        definition.totalLabel = kTotalLabel;
        // The label goes in the first column that is not totalled.
        bool labelled = false;
        for (const size_t c : printed) {
            const bool label = !labelled && !columns[c].totalOk;
            labelled = labelled || label;
            definition.totals << (label ? kTotalLabel : sums.value(qsizetype(c)));
        }
    }

    const QFont listFont = list.List()->font();
    const int size = FitColumns(report, listFont);
    definition.title = ListCaption(list);
    const QString today = Picture::Format(Today(), QStringLiteral("@d17"));
    definition.subtitles << QStringLiteral("Date: %1    Time: %2").arg(today, Picture::Format(Now(), QStringLiteral("@t7")))
                         << QStringLiteral("Font: %1 %2 Point").arg(listFont.family()).arg(size)
                         << QStringLiteral("%1 Records").arg(rows.size());
    const QString order = OrderTitle(list.Model()->Order(), columns, titles);
    if (!order.isEmpty())
        definition.subtitles << QStringLiteral("Order: %1").arg(order);
    definition.date = today;
    return true;
}

void PrintList(Xplore& list, const QString& mode)
{
    Report report;
    QString error;
    if (!BuildPrintedList(list, mode, report, error)) {
        if (!error.isEmpty())
            Prompt::Message(QObject::tr("The list could not be printed.|%1").arg(error), kPrintCaption,
                            PromptIcon::Exclamation);
        return;
    }
    QWidget* window = list.List()->window();
    if (mode == QLatin1String(kPrintAllMode))
        CurrentListPrintOutput().Preview(report, list.Settings().procedure + QStringLiteral(":Print"), window);
    else
        CurrentListPrintOutput().Print(report, window);
}

} // namespace vl
