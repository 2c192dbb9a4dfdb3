#pragma once
// Which line of a report goes on which page. The rows become a sequence of
// bands (group headers, detail lines, group footers with their totals, the
// report's total line); the bands are then filled into pages of a given
// height. Heights come from the caller, so the layout is computed (and
// tested) apart from any painting.

#include "platform/print/Report.h"

#include <functional>
#include <optional>
#include <utility>

namespace vl {

enum class BandKind { GroupHeader, Detail, GroupFooter, ReportTotal };

struct ReportBand {
    BandKind kind = BandKind::Detail;
    int level = -1;       // the group level of a group header or footer
    int row = -1;         // the row of a detail line
    QString text;         // a group header's text
    QStringList cells;    // a detail line's cells; a footer's label and totals
    bool newPage = false; // starts a page
    bool continued = false; // the rest of a detail line cut at the end of the page before
};

using ReportPage = QList<ReportBand>;

// The bands of the report in print order. A group footer carries its label
// in the first column that sums nothing and its totals in the summed ones.
QList<ReportBand> ReportBands(const Report& report);

// A band cut so that its first part takes at most the given room: that part
// and the rest; nothing when not even the first line of it fits. Without
// one, bands are never cut.
using BandSplit = std::function<std::optional<std::pair<ReportBand, ReportBand>>(const ReportBand&, qreal room)>;

// Fills pages of the given height with the bands in order. A band that does
// not fit on the rest of a page starts the next one; a group header is kept
// on the page of the line that follows it; a band taller than a whole page
// begins on the rest of the page and goes on over the next pages, as much
// of it on each as fits (a band that cannot be cut gets a page of its own).
// There is always at least one page.
QList<ReportPage> PaginateBands(const QList<ReportBand>& bands, qreal pageHeight,
                                const std::function<qreal(const ReportBand&)>& heightOf, const BandSplit& split);

} // namespace vl
