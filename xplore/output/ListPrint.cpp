#include "xplore/output/ListPrint.h"

#include "platform/browse/BrowseModel.h"
#include "platform/print/ReportOutput.h"
#include "platform/runtime/Clock.h"
#include "platform/runtime/Picture.h"
#include "platform/ui/PromptService.h"
#include "xplore/ListPrintFit.h"
#include "xplore/ListTotals.h"
#include "xplore/output/ListRows.h"
#include "xplore/windows/ListAppearanceIO.h"
#include "xplore/windows/Xplore.h"

#include <QFontMetrics>
#include <QPageLayout>
#include <QPrinter>

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

// The width a report's lines may take on the printer's page, in thousandths
// of an inch.
int PrintableWidth(const ReportDefinition& definition)
{
    const QPrinter printer(QPrinter::HighResolution);
    const qreal margin = definition.marginMillimetres;
    const QPageLayout layout(printer.pageLayout().pageSize(), QPageLayout::Portrait,
                             QMarginsF(margin, margin, margin, margin), QPageLayout::Millimeter);
    return int(layout.paintRect(QPageLayout::Inch).width() * 1000);
}

// A text's width in the list's width units, rounded up so it is never cut.
int WidthInUnits(const QFontMetrics& metrics, const DialogUnits& units, const QString& text)
{
    const int pixels = metrics.horizontalAdvance(text);
    const int width = units.FromPixelsX(pixels);
    return units.ToPixelsX(width) < pixels ? width + 1 : width;
}

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
    const QFont listFont = list.List()->font();
    const QFontMetrics metrics(listFont);
    const DialogUnits units(listFont);
    std::vector<int> widths;
    int borders = 0;
    for (size_t c = 0; c < columns.size(); ++c) {
        int widest = 0;
        for (const QStringList& cells : rows)
            widest = std::max(widest, WidthInUnits(metrics, units, cells.value(qsizetype(c)).trimmed()));
        const int title = WidthInUnits(metrics, units, columns[c].header.trimmed());
        widths.push_back(PrintedColumnWidth(widest, title, ColumnPadding(columns[c])));
        borders += columns[c].border ? 1 : 0;
    }

    ReportDefinition& definition = report.definition;
    const PrintFontFit fit = FitPrintFont(widths, borders, PrintableWidth(definition));
    SetFonts(definition.fonts, listFont, fit.size);
    definition.title = ListCaption(list);
    const QString today = Picture::Format(Today(), QStringLiteral("@d17"));
    definition.subtitles << QStringLiteral("Date: %1    Time: %2").arg(today, Picture::Format(Now(), QStringLiteral("@t7")))
                         << QStringLiteral("Font: %1 %2 Point").arg(listFont.family()).arg(fit.size)
                         << QStringLiteral("%1 Records").arg(rows.size());
    const QString order = ViewOrderText(list.Model()->Order());
    if (!order.isEmpty())
        definition.subtitles << QStringLiteral("Order: %1").arg(order);
    definition.date = today;
    const QStringList titles = ColumnTitles(list);
    for (size_t c = 0; c < columns.size(); ++c) {
        const int share = std::max(widths[c] * fit.unit + fit.spare, 1);
        definition.columns << ReportColumn{titles[qsizetype(c)], share, PrintedAlignment(columns[c].dataJust)};
    }

    ListTotals totals(columns);
    for (const QStringList& cells : rows) {
        QStringList printed;
        for (const QString& cell : cells)
            printed << cell.trimmed();
        report.rows << ReportRow{printed, {}};
        totals.Add(cells);
    }
    if (all && totals.Any()) {
        definition.totalLabel = kTotalLabel;
        definition.totals = totals.Texts();
        // The label goes in the first column that is not totalled.
        for (size_t c = 0; c < columns.size(); ++c) {
            if (!columns[c].totalOk) {
                definition.totals[qsizetype(c)] = kTotalLabel;
                break;
            }
        }
    }
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
