#pragma once
// A list's rows written to a file for other programs: separator-delimited
// text (a count line, a header line of column titles, one line per row) or
// an HTML table (the list's caption as title and heading, a header row, one
// table row per list row). Cells are the texts the list shows, without
// leading and trailing blanks; column titles keep their leading blanks,
// which place a title over its column.
//
// A cell holding the separator, a double quote or a line break is enclosed
// in double quotes with its double quotes doubled, so any spreadsheet reads
// it back as one cell; HTML text is escaped, so a cell is shown as text and
// never read as markup. The file is replaced only when the whole export has
// been written: a failure leaves the earlier file as it was.

#include <QChar>
#include <QString>
#include <QStringList>

#include <functional>

namespace vl {

enum class RowRead { Row, End, Failed };

// Gives the next row's cells; End after the last row, Failed when the list
// could not be read (`error` then says why).
using ListRowReader = std::function<RowRead(QStringList& cells, QString& error)>;
// Told the share of the rows written so far, 0 to 100.
using ListExportProgress = std::function<void(int percent)>;

enum class ListExportFormat { Delimited, Html };

struct ListExportContent {
    QString caption;          // the list window's caption (HTML title and heading)
    QStringList headers;      // the column titles, in display order
    bool headerRow = true;    // a line of the column titles before the rows
    QChar separator = u',';
};

struct ListExportResult {
    bool ok = false;
    int rows = 0;
    QString error; // why nothing was written, naming the file
};

// Which blanks around a text are left out: leading and trailing ones (a
// cell), or trailing ones only (a column title).
enum class ExportBlanks { Trim, KeepLeading };

// A cell as the delimited text holds it.
QString DelimitedCell(const QString& text, QChar separator, ExportBlanks blanks = ExportBlanks::Trim);
// The line of a row of delimited text, without its line end.
QString DelimitedRow(const QStringList& cells, QChar separator, ExportBlanks blanks = ExportBlanks::Trim);
// The line of a table row: "<TR> <TD>a</TD> <TD>&nbsp</TD> </TR>".
QString HtmlRow(const QStringList& cells, ExportBlanks blanks = ExportBlanks::Trim);

// Writes the rows to the file at path in the format, with lines ending in
// CR LF, in UTF-8. `expected` is the number of rows the list holds, for the
// progress.
ListExportResult ExportList(const QString& path, ListExportFormat format, const ListExportContent& content,
                            int expected, const ListRowReader& read, const ListExportProgress& progress);

} // namespace vl
