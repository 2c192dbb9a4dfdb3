#include "xplore/ListExport.h"

#include <QDir>
#include <QSaveFile>

#include <algorithm>

namespace vl {
namespace {

const QString kLineEnd = QStringLiteral("\r\n");
const QString kEmptyHtmlCell = QStringLiteral("&nbsp");

// The text without trailing blanks and, as a list's cell is written
// (left-justified), without leading ones.
QString Clipped(const QString& text, ExportBlanks blanks = ExportBlanks::Trim)
{
    qsizetype first = 0;
    qsizetype last = text.size();
    while (blanks == ExportBlanks::Trim && first < last && text[first] == u' ')
        ++first;
    while (last > first && text[last - 1] == u' ')
        --last;
    return text.mid(first, last - first);
}

QString HtmlText(const QString& text)
{
    QString escaped = text.toHtmlEscaped();
    escaped.replace(QLatin1String("\r\n"), QLatin1String("<BR>"));
    escaped.replace(u'\n', QLatin1String("<BR>"));
    escaped.replace(u'\r', QLatin1String("<BR>"));
    return escaped;
}

QString CountLine(int rows)
{
    return QStringLiteral("# Records=%1").arg(rows, 7, 10, QLatin1Char('0'));
}

// The lines before the rows and after them.
QString Head(ListExportFormat format, const ListExportContent& content)
{
    if (format == ListExportFormat::Delimited)
        return content.headerRow
                   ? DelimitedRow(content.headers, content.separator, ExportBlanks::KeepLeading) + kLineEnd
                   : QString();
    const QString caption = HtmlText(Clipped(content.caption));
    QString head = QStringLiteral("<HTML>") + kLineEnd +
                   QStringLiteral("<HEAD><META CHARSET=\"UTF-8\"><TITLE>%1</TITLE></HEAD>").arg(caption) + kLineEnd +
                   QStringLiteral("<H1>%1</H1><P>").arg(caption) + kLineEnd + QStringLiteral("<TABLE BORDER=2>") +
                   kLineEnd;
    if (content.headerRow)
        head += HtmlRow(content.headers, ExportBlanks::KeepLeading) + kLineEnd;
    return head;
}

QString Tail(ListExportFormat format)
{
    if (format == ListExportFormat::Delimited)
        return QString();
    return QStringLiteral("</TABLE>") + kLineEnd + QStringLiteral("</HTML>") + kLineEnd;
}

ListExportResult Failure(const QString& path, const QString& why)
{
    ListExportResult result;
    result.error = QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(path), why);
    return result;
}

} // namespace

QString DelimitedCell(const QString& text, QChar separator, ExportBlanks blanks)
{
    const QString cell = Clipped(text, blanks);
    if (!cell.contains(separator) && !cell.contains(u'"') && !cell.contains(u'\n') && !cell.contains(u'\r'))
        return cell;
    return u'"' + QString(cell).replace(QLatin1String("\""), QLatin1String("\"\"")) + u'"';
}

QString DelimitedRow(const QStringList& cells, QChar separator, ExportBlanks blanks)
{
    QStringList written;
    for (const QString& cell : cells)
        written << DelimitedCell(cell, separator, blanks);
    return written.join(separator);
}

QString HtmlRow(const QStringList& cells, ExportBlanks blanks)
{
    QString row = QStringLiteral("<TR> ");
    for (const QString& cell : cells) {
        const QString text = Clipped(cell, blanks);
        row += QStringLiteral("<TD>") + (text.isEmpty() ? kEmptyHtmlCell : HtmlText(text)) + QStringLiteral("</TD> ");
    }
    return row + QStringLiteral("</TR>");
}

ListExportResult ExportList(const QString& path, ListExportFormat format, const ListExportContent& content,
                            int expected, const ListRowReader& read, const ListExportProgress& progress)
{
    // The rows are gathered first: the count line of delimited text, which
    // comes first, needs their number.
    QString body;
    int rows = 0;
    for (QStringList cells;; cells.clear()) {
        QString error;
        const RowRead got = read(cells, error);
        if (got == RowRead::End)
            break;
        if (got == RowRead::Failed)
            return Failure(path, error);
        ++rows;
        body += (format == ListExportFormat::Delimited ? DelimitedRow(cells, content.separator) : HtmlRow(cells)) +
                kLineEnd;
        if (progress)
            progress(expected > 0 ? std::min(100, int(qint64(rows) * 100 / expected)) : 100);
    }
    QString text = Head(format, content) + body + Tail(format);
    if (format == ListExportFormat::Delimited)
        text.prepend(CountLine(rows) + kLineEnd);

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return Failure(path, file.errorString());
    const QByteArray bytes = text.toUtf8();
    if (file.write(bytes) != bytes.size() || !file.commit())
        return Failure(path, file.errorString());
    ListExportResult result;
    result.ok = true;
    result.rows = rows;
    return result;
}

} // namespace vl
