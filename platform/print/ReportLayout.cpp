#include "platform/print/ReportLayout.h"

#include <QLocale>

#include <algorithm>

namespace vl {
namespace {

// The running totals of one group (or of the whole report).
class Totals {
public:
    explicit Totals(const QList<ReportColumn>& columns)
        : sums_(columns.size(), 0.0), decimals_(columns.size(), 0), columns_(&columns)
    {
    }

    void Add(const ReportRow& row)
    {
        ++count_;
        for (qsizetype c = 0; c < columns_->size(); ++c) {
            if ((*columns_)[c].summary != ColumnSummary::Sum || c >= row.cells.size())
                continue;
            const QString text = row.cells[c].trimmed();
            bool ok = false;
            const double value = QLocale::c().toDouble(text, &ok);
            if (!ok)
                continue;
            sums_[c] += value;
            const qsizetype point = text.indexOf(u'.');
            if (point >= 0)
                decimals_[c] = std::max<int>(decimals_[c], int(text.size() - point - 1));
        }
    }

    QStringList Cells(const QString& label) const
    {
        QStringList cells;
        bool labelled = label.isEmpty();
        for (qsizetype c = 0; c < columns_->size(); ++c) {
            switch ((*columns_)[c].summary) {
            case ColumnSummary::Sum:
                cells << QString::number(sums_[c], 'f', decimals_[c]);
                break;
            case ColumnSummary::Count:
                cells << QString::number(count_);
                break;
            case ColumnSummary::None:
                cells << (labelled ? QString() : label);
                labelled = true;
                break;
            }
        }
        return cells;
    }

private:
    std::vector<double> sums_;
    std::vector<int> decimals_;
    const QList<ReportColumn>* columns_;
    int count_ = 0;
};

QString GroupValue(const ReportRow& row, qsizetype level)
{
    return level < row.groups.size() ? row.groups[level] : QString();
}

// The outermost level whose value differs between two rows; the number of
// levels when none does.
qsizetype FirstChangedLevel(const ReportRow& previous, const ReportRow& row, qsizetype levels)
{
    for (qsizetype level = 0; level < levels; ++level) {
        if (GroupValue(previous, level) != GroupValue(row, level))
            return level;
    }
    return levels;
}

} // namespace

QList<ReportBand> ReportBands(const Report& report)
{
    const ReportDefinition& def = report.definition;
    const qsizetype levels = def.groups.size();
    QList<ReportBand> bands;
    std::vector<Totals> groupTotals(levels, Totals(def.columns));
    Totals reportTotals(def.columns);

    // Footers of the groups from `level` inwards, innermost first.
    auto closeGroups = [&](qsizetype level, const ReportRow& last) {
        for (qsizetype l = levels - 1; l >= level; --l) {
            const ReportGroup& group = def.groups[l];
            if (!group.footer.isEmpty()) {
                const QString label = QString(group.footer).replace(QLatin1String("%1"), GroupValue(last, l));
                bands.append({BandKind::GroupFooter, int(l), -1, {}, groupTotals[l].Cells(label)});
            }
            groupTotals[l] = Totals(def.columns);
        }
    };

    for (qsizetype r = 0; r < report.rows.size(); ++r) {
        const ReportRow& row = report.rows[r];
        const qsizetype changed = r == 0 ? 0 : FirstChangedLevel(report.rows[r - 1], row, levels);
        if (r > 0)
            closeGroups(changed, report.rows[r - 1]);
        bool newPage = r > 0 && row.newPage;
        for (qsizetype l = changed; l < levels; ++l) {
            const ReportGroup& group = def.groups[l];
            newPage = newPage || (r > 0 && group.newPage);
            if (group.header.isEmpty())
                continue;
            const QString text = QString(group.header).replace(QLatin1String("%1"), GroupValue(row, l));
            bands.append({BandKind::GroupHeader, int(l), -1, text, {}, newPage});
            newPage = false;
        }
        bands.append({BandKind::Detail, -1, int(r), {}, row.cells, newPage});
        for (Totals& totals : groupTotals)
            totals.Add(row);
        reportTotals.Add(row);
    }
    if (!report.rows.isEmpty())
        closeGroups(0, report.rows.back());
    if (!def.totalLabel.isEmpty())
        bands.append({BandKind::ReportTotal, -1, -1, {},
                      def.totals.isEmpty() ? reportTotals.Cells(def.totalLabel) : def.totals});
    return bands;
}

QList<ReportPage> PaginateBands(const QList<ReportBand>& bands, qreal pageHeight,
                                const std::function<qreal(const ReportBand&)>& heightOf, const BandSplit& split)
{
    QList<ReportPage> pages(1);
    qreal used = 0;
    auto nextPage = [&] {
        pages.append(ReportPage());
        used = 0;
    };
    for (qsizetype b = 0; b < bands.size(); ++b) {
        ReportBand band = bands[b];
        // A run of group headers stays with the line after it.
        qreal needed = heightOf(band);
        if (band.kind == BandKind::GroupHeader) {
            for (qsizetype next = b + 1; next < bands.size() && !bands[next].newPage; ++next) {
                needed += heightOf(bands[next]);
                if (bands[next].kind != BandKind::GroupHeader)
                    break;
            }
        }
        // What would not fit on a page of its own either begins on this one.
        const bool tallerThanAPage = heightOf(band) > pageHeight;
        if (!pages.back().isEmpty() && (band.newPage || (!tallerThanAPage && used + needed > pageHeight)))
            nextPage();
        while (used + heightOf(band) > pageHeight) {
            std::optional<std::pair<ReportBand, ReportBand>> parts;
            if (split)
                parts = split(band, pageHeight - used);
            if (parts) {
                pages.back().append(std::move(parts->first));
                band = std::move(parts->second);
                band.continued = true;
                band.newPage = false;
            } else if (pages.back().isEmpty()) {
                break; // not one line of it fits a page
            }
            nextPage();
        }
        pages.back().append(band);
        used += heightOf(band);
    }
    return pages;
}

} // namespace vl
