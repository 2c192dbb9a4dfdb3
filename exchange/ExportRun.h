#pragma once
// Writing a table to a delimited-text file: an optional header line of field
// names, then one line per record in the table's order, each column the
// record's field written under the column's picture.
//
// The file is written beside its target and renamed over it only when every
// line is written: a failed or cancelled export leaves the file that was
// there before untouched, and never half a file in its place.

#include "exchange/ExchangeFields.h"
#include "platform/data/Table.h"

#include <QString>

#include <functional>
#include <vector>

namespace vl {

struct ExportColumn {
    QString field;   // the table's field name
    QString picture;
};

// The columns an export starts with: every field, default pictures.
std::vector<ExportColumn> DefaultExportColumns(const ExchangeTableInfo& info);

struct ExportResult {
    bool ok = false;
    bool cancelled = false;
    QString error; // what failed, naming the file or table
    int records = 0;
};

// Reports the percentage done (0-100) as it grows; false cancels.
using ExportProgress = std::function<bool(int percent)>;

// next() reads the next record in order, false at the end; readError() then
// names a failure other than the end, or is empty.
ExportResult WriteExportFile(const QString& path, const TableDef& def, const std::vector<ExportColumn>& columns,
                             bool header, int64_t total, const std::function<bool(RecordBase&)>& next,
                             const std::function<QString()>& readError, const ExportProgress& progress,
                             RecordBase& buffer);

template <class R>
ExportResult ExportTable(Table<R>& table, KeyRef order, const QString& path, const std::vector<ExportColumn>& columns,
                         bool header, const ExportProgress& progress = {})
{
    R record;
    Cursor<R> cursor(table, order);
    const int64_t total = table.Records();
    return WriteExportFile(
        path, table.Definition(), columns, header, total,
        [&cursor](RecordBase& r) { return cursor.Next(static_cast<R&>(r)); },
        [&table]() {
            return table.ErrorCode() == 33 ? QString()
                                           : QStringLiteral("Record Retrieval Error: %1 (%2)")
                                                 .arg(table.Definition().Label(), table.Error());
        },
        progress, record);
}

} // namespace vl
