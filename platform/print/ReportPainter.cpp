#include "platform/print/ReportPainter.h"

#include "platform/print/ReportLayout.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <QPainter>
#include <QTextLayout>

#include <algorithm>
#include <cmath>

namespace vl {
namespace {

constexpr int kCellFlags = Qt::TextWordWrap | Qt::AlignTop;
const QColor kRuleColour(0x80, 0x80, 0x80);
const QColor kShadeColour(0xf0, 0xf0, 0xf0);

// A font with outlines for emoji, before the desktop's fallback: that is
// often a colour font of pictures, which a PDF file (and so a printer)
// cannot hold, and its emoji would be left out of the page.
constexpr char kEmojiOutlineFont[] = "Symbola";

QFont WithEmojiOutlines(QFont font)
{
    // The family the font stands for ("Sans Serif" is a name for another):
    // a list takes the first family of it that is installed.
    font.setFamilies({QFontInfo(font).family(), QLatin1String(kEmojiOutlineFont)});
    return font;
}

// The report as the page shows it: its fonts fall back on emoji outlines.
Report Printable(const Report& report)
{
    Report printable = report;
    ReportFonts& fonts = printable.definition.fonts;
    for (QFont* font : {&fonts.title, &fonts.subtitle, &fonts.heading, &fonts.detail, &fonts.footer})
        *font = WithEmojiOutlines(*font);
    return printable;
}

// A line's text without the blanks and line break it ends with.
QString WithoutTrailingSpace(QString text)
{
    qsizetype end = text.size();
    while (end > 0 && text.at(end - 1).isSpace())
        --end;
    text.truncate(end);
    return text;
}

// Where things go on a page, in device pixels, worked out once per report.
class PageGeometry {
public:
    PageGeometry(const Report& report, QPaintDevice& device) : def_(report.definition), device_(device)
    {
        const ReportDefinition& def = report.definition;
        width_ = device.width();
        gap_ = Metrics(def.fonts.detail).averageCharWidth() * 2;
        // Columns that fit their text take what they need; the others share
        // the rest by their widths.
        QList<qreal> fitted;
        qreal rest = width_ - gap_ * std::max<qsizetype>(def.columns.size() - 1, 0);
        int units = 0;
        for (qsizetype c = 0; c < def.columns.size(); ++c) {
            const ReportColumn& column = def.columns[c];
            fitted.append(column.width > 0 ? 0 : WidestText(report, c));
            rest -= fitted.back();
            units += std::max(column.width, 0);
        }
        qreal x = 0;
        for (qsizetype c = 0; c < def.columns.size(); ++c) {
            const int share = def.columns[c].width;
            const qreal w = share > 0 ? std::max<qreal>(rest, 0) * share / units : fitted[c];
            columns_.append(QRectF(x, 0, w, 0));
            x += w + gap_;
        }
        headerHeight_ = Line(def.fonts.title) * 1.3 + def.subtitles.size() * Line(def.fonts.subtitle);
        if (def.columnHeadings)
            headerHeight_ += Line(def.fonts.heading) * 0.5 + CellsHeight(Headings(), def.fonts.heading, true);
        headerHeight_ += Line(def.fonts.detail) * 0.6;
        footerHeight_ = Line(def.fonts.footer) * 2;
    }

    // The width of a column's widest text: its heading and its cells.
    qreal WidestText(const Report& report, qsizetype column) const
    {
        const QFontMetricsF heading = Metrics(report.definition.fonts.heading);
        const QFontMetricsF detail = Metrics(report.definition.fonts.detail);
        const ReportColumn& shown = report.definition.columns[column];
        qreal widest = heading.horizontalAdvance(shown.heading) + Offset(shown, true);
        for (const ReportRow& row : report.rows) {
            if (column < row.cells.size())
                widest = std::max(widest, detail.horizontalAdvance(row.cells[column]) + Offset(shown, false));
        }
        return std::min(std::ceil(widest) + 1, width_ / 2);
    }

    // The room the columns take beyond the page's width; 0 or less when they fit.
    qreal Overflow() const
    {
        return columns_.isEmpty() ? -width_ : columns_.back().right() - width_;
    }

    QFontMetricsF Metrics(const QFont& font) const { return QFontMetricsF(font, &device_); }

    Qt::Alignment AlignmentOf(const ReportColumn& column, bool heading) const
    {
        return heading ? column.headingAlignment.value_or(column.alignment) : column.alignment;
    }

    // The room before the heading's (a cell's) text on its aligned side.
    qreal Offset(const ReportColumn& column, bool heading) const
    {
        if (AlignmentOf(column, heading) & Qt::AlignHCenter)
            return 0;
        const int units = heading ? column.headingOffset : column.cellOffset;
        return std::max(units, 0) * Metrics(def_.fonts.detail).averageCharWidth() / 4;
    }

    // Where a column's border line runs: halfway into the gap after it.
    qreal BorderX(qsizetype column) const { return std::min(columns_[column].right() + gap_ / 2, width_); }
    qreal Line(const QFont& font) const { return Metrics(font).lineSpacing(); }
    qreal BodyHeight() const { return device_.height() - headerHeight_ - footerHeight_; }
    qreal BodyTop() const { return headerHeight_; }
    qreal Width() const { return width_; }
    const QList<QRectF>& Columns() const { return columns_; }

    QStringList Headings() const
    {
        QStringList headings;
        for (const ReportColumn& column : def_.columns)
            headings << column.heading;
        return headings;
    }

    // The width a column's text wraps in: the column less the text's offset.
    qreal TextWidth(qsizetype column, bool heading) const
    {
        return std::max<qreal>(columns_[column].width() - Offset(def_.columns[column], heading), 0);
    }

    // The height of a cell's text wrapped within its column.
    qreal TextHeight(const QString& text, qsizetype column, const QFont& font, bool heading = false) const
    {
        const QRectF room(0, 0, TextWidth(column, heading), 1e6);
        return Metrics(font).boundingRect(room, kCellFlags, text).height();
    }

    // The height of a line of cells, each wrapped within its column.
    qreal CellsHeight(const QStringList& cells, const QFont& font, bool heading = false) const
    {
        qreal height = Metrics(font).height();
        for (qsizetype c = 0; c < std::min(cells.size(), columns_.size()); ++c)
            height = std::max(height, TextHeight(cells[c], c, font, heading));
        return height + Padding(font);
    }

    // A detail line cut after the lines of its cells that fit in the room,
    // each cell's text at the start of one of its wrapped lines, and the
    // rest; nothing when not one line fits, or when the band fits whole.
    std::optional<std::pair<ReportBand, ReportBand>> Split(const ReportBand& band, qreal room) const
    {
        if (band.kind != BandKind::Detail)
            return std::nullopt;
        const QFont& font = FontOf(band);
        const qreal textRoom = room - Padding(font);
        if (Metrics(font).height() > textRoom)
            return std::nullopt;
        std::pair<ReportBand, ReportBand> parts{band, band};
        bool begun = false;
        bool more = false;
        for (qsizetype c = 0; c < std::min(band.cells.size(), columns_.size()); ++c) {
            const QString& text = band.cells[c];
            const QList<qsizetype> starts = LineStarts(text, c, font);
            const auto kept = [&](qsizetype lines) {
                return lines > starts.size() ? text : WithoutTrailingSpace(text.left(starts[lines - 1]));
            };
            // The most lines whose text fits; the first line always counts.
            qsizetype lines = 0;
            for (qsizetype low = 1, high = starts.size() + 1; low <= high;) {
                const qsizetype middle = (low + high) / 2;
                if (TextHeight(kept(middle), c, font) <= textRoom) {
                    lines = middle;
                    low = middle + 1;
                } else {
                    high = middle - 1;
                }
            }
            parts.first.cells[c] = lines == 0 ? QString() : kept(lines);
            parts.second.cells[c] = lines > starts.size() ? QString() : text.mid(lines == 0 ? 0 : starts[lines - 1]);
            begun = begun || lines > 0;
            more = more || !parts.second.cells[c].isEmpty();
        }
        if (!begun || !more)
            return std::nullopt;
        return parts;
    }

    // The room a line of cells keeps above and below its text together.
    qreal Padding(const QFont& font) const { return Metrics(font).height() * 0.3; }

    // Where each wrapped line of a cell's text after the first begins, as
    // painting wraps it.
    QList<qsizetype> LineStarts(const QString& text, qsizetype column, const QFont& font) const
    {
        QString shown = text;
        shown.replace(u'\n', QChar::LineSeparator);
        QTextLayout layout(shown, font, &device_);
        QTextOption option;
        option.setWrapMode(QTextOption::WordWrap);
        layout.setTextOption(option);
        QList<qsizetype> starts;
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(TextWidth(column, false));
            if (line.textStart() > 0)
                starts.append(line.textStart());
        }
        layout.endLayout();
        return starts;
    }

    const QFont& FontOf(const ReportBand& band) const
    {
        return band.kind == BandKind::Detail ? def_.fonts.detail : def_.fonts.heading;
    }

    qreal HeightOf(const ReportBand& band) const
    {
        if (band.kind == BandKind::GroupHeader)
            return Line(def_.fonts.heading) * 1.4;
        const qreal height = CellsHeight(band.cells, FontOf(band));
        return band.kind == BandKind::Detail ? height : height + Line(def_.fonts.detail) * 0.3;
    }

private:
    const ReportDefinition& def_;
    QPaintDevice& device_;
    qreal width_ = 0;
    qreal gap_ = 0;
    qreal headerHeight_ = 0;
    qreal footerHeight_ = 0;
    QList<QRectF> columns_;
};

class PagePainter {
public:
    PagePainter(const Report& report, const PageGeometry& geometry, QPainter& painter)
        : def_(report.definition), geometry_(geometry), painter_(painter)
    {
    }

    void Paint(const ReportPage& page, int number, int count)
    {
        PaintHeader();
        qreal y = geometry_.BodyTop();
        for (const ReportBand& band : page) {
            const qreal height = geometry_.HeightOf(band);
            PaintBand(band, y, height);
            y += height;
        }
        PaintFooter(number, count);
    }

private:
    // A line of cells (headings when `heading`), each aligned and offset as
    // its column says, and the columns' border lines beside it.
    void PaintCells(const QStringList& cells, qreal y, qreal height, const QFont& font, bool heading = false)
    {
        painter_.setFont(font);
        const QList<QRectF>& columns = geometry_.Columns();
        for (qsizetype c = 0; c < std::min(cells.size(), columns.size()); ++c) {
            const ReportColumn& column = def_.columns[c];
            const qreal pad = geometry_.Padding(font);
            const Qt::Alignment alignment = geometry_.AlignmentOf(column, heading);
            const qreal offset = geometry_.Offset(column, heading);
            QRectF cell(columns[c].x(), y + pad / 2, columns[c].width(), height - pad);
            if (alignment & Qt::AlignRight)
                cell.setRight(cell.right() - offset);
            else
                cell.setLeft(cell.left() + offset);
            painter_.drawText(cell, kCellFlags | int(alignment), cells[c]);
        }
        painter_.setPen(QPen(kRuleColour, 0));
        for (qsizetype c = 0; c < columns.size(); ++c) {
            if (def_.columns[c].border)
                painter_.drawLine(QPointF(geometry_.BorderX(c), y), QPointF(geometry_.BorderX(c), y + height));
        }
        painter_.setPen(Qt::black);
    }

    void Rule(qreal y)
    {
        painter_.setPen(QPen(kRuleColour, 0));
        painter_.drawLine(QPointF(0, y), QPointF(geometry_.Width(), y));
        painter_.setPen(Qt::black);
    }

    void PaintHeader()
    {
        qreal y = 0;
        painter_.setFont(def_.fonts.title);
        painter_.drawText(QRectF(0, y, geometry_.Width(), geometry_.Line(def_.fonts.title)), Qt::AlignLeft,
                          def_.title);
        y += geometry_.Line(def_.fonts.title) * 1.3;
        painter_.setFont(def_.fonts.subtitle);
        for (const QString& subtitle : def_.subtitles) {
            painter_.drawText(QRectF(0, y, geometry_.Width(), geometry_.Line(def_.fonts.subtitle)), Qt::AlignLeft,
                              subtitle);
            y += geometry_.Line(def_.fonts.subtitle);
        }
        if (def_.columnHeadings) {
            y += geometry_.Line(def_.fonts.heading) * 0.5;
            const qreal height = geometry_.CellsHeight(geometry_.Headings(), def_.fonts.heading, true);
            PaintCells(geometry_.Headings(), y, height, def_.fonts.heading, true);
            y += height;
        }
        Rule(y + geometry_.Line(def_.fonts.detail) * 0.2);
    }

    void PaintBand(const ReportBand& band, qreal y, qreal height)
    {
        switch (band.kind) {
        case BandKind::GroupHeader:
            painter_.setFont(def_.fonts.heading);
            painter_.drawText(QRectF(0, y + height * 0.25, geometry_.Width(), height), Qt::AlignLeft, band.text);
            break;
        case BandKind::Detail:
            if (band.continued) // shaded as its start on the page before
                shade_ = !shade_;
            if (shade_)
                painter_.fillRect(QRectF(0, y, geometry_.Width(), height), kShadeColour);
            shade_ = !shade_;
            PaintCells(band.cells, y, height, def_.fonts.detail);
            break;
        case BandKind::GroupFooter:
        case BandKind::ReportTotal: {
            const qreal above = geometry_.Line(def_.fonts.detail) * 0.3;
            Rule(y + above * 0.5);
            PaintCells(band.cells, y + above, height - above, def_.fonts.heading);
            shade_ = false;
            break;
        }
        }
    }

    void PaintFooter(int number, int count)
    {
        const qreal line = geometry_.Line(def_.fonts.footer);
        const qreal y = geometry_.BodyTop() + geometry_.BodyHeight() + line * 0.6;
        Rule(y);
        painter_.setFont(def_.fonts.footer);
        const QRectF room(0, y + line * 0.2, geometry_.Width(), line);
        painter_.drawText(room, Qt::AlignLeft, def_.date);
        const QString page = QString(def_.pageText).replace(QLatin1String("%1"), QString::number(number))
                                 .replace(QLatin1String("%2"), QString::number(count));
        painter_.drawText(room, Qt::AlignRight, page);
    }

    const ReportDefinition& def_;
    const PageGeometry& geometry_;
    QPainter& painter_;
    bool shade_ = false;
};

} // namespace

bool ColumnsFitPage(const Report& report, QPaintDevice& device)
{
    return PageGeometry(Printable(report), device).Overflow() <= 0;
}

int PaintReport(const Report& shown, QPagedPaintDevice& device, QString& error)
{
    const Report report = Printable(shown);
    QPainter painter;
    if (!painter.begin(&device)) {
        error = QStringLiteral("The report could not be started on this printer or file.");
        return 0;
    }
    const PageGeometry geometry(report, device);
    const QList<ReportPage> pages = PaginateBands(
        ReportBands(report), geometry.BodyHeight(), [&](const ReportBand& band) { return geometry.HeightOf(band); },
        [&](const ReportBand& band, qreal room) { return geometry.Split(band, room); });
    PagePainter pagePainter(report, geometry, painter);
    for (qsizetype p = 0; p < pages.size(); ++p) {
        if (p > 0 && !device.newPage()) {
            error = QStringLiteral("The printer or file refused page %1 of the report.").arg(p + 1);
            painter.end();
            return 0;
        }
        pagePainter.Paint(pages[p], int(p + 1), int(pages.size()));
    }
    if (!painter.end()) {
        error = QStringLiteral("The report could not be finished on this printer or file.");
        return 0;
    }
    return int(pages.size());
}

} // namespace vl
