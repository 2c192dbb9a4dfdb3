#pragma once
// Adding the records of a delimited-text file to a table by a column
// mapping. Each line makes a fresh record (the table's insert defaults, then
// the fields its mapping fills, each read back by its column's picture and
// cut to the field's width); auto-numbered IDs are always given by the table,
// so an import never reuses or overwrites a stored record. Imported records
// carry today's change stamp.
//
// The import is whole or nothing: every line is checked first (a number or
// date field whose column holds no number or date, a value the field cannot
// hold, a record that fails the table's checks), and the records are then
// added in one batch. A faulty line, or an add the table refuses, names the
// line and leaves the table as it was. A line that fills every mapped field
// with blanks is skipped.

#include "exchange/ImportMapping.h"
#include "platform/data/Table.h"

#include <QString>

#include <vector>

namespace vl {

struct ImportResult {
    bool ok = false;
    QString caption; // of the failure message
    QString error;   // what failed, naming the line
    int added = 0;
    int skipped = 0; // blank lines of mapped fields
};

struct ImportLineOutcome {
    QString error; // empty when the line fills the record
    bool blank = true;
};

// Fills a primed record from one line of the file.
ImportLineOutcome FillImportRecord(const TableDef& def, const ImportMapping& mapping, const ImexRecord& line,
                                   RecordBase& record);
QString AddFailureCaption(const ExchangeTableInfo& info);
QString LineFailureCaption();

template <class R>
ImportResult ImportRecords(Table<R>& table, const ImportMapping& mapping, const ImexFile& file, bool stripHeader)
{
    ImportResult result;
    std::vector<std::pair<int, R>> records;
    for (size_t i = stripHeader ? 1 : 0; i < file.records.size(); ++i) {
        R record;
        table.Prime(record);
        const ImportLineOutcome outcome = FillImportRecord(table.Definition(), mapping, file.records[i], record);
        QString error = outcome.error;
        if (error.isEmpty() && !outcome.blank) {
            if (const auto failure = table.Validate(record))
                error = failure->message;
        }
        if (!error.isEmpty()) {
            result.caption = LineFailureCaption();
            result.error = QStringLiteral("Line %1: %2").arg(file.records[i].line).arg(error);
            return result;
        }
        if (outcome.blank)
            ++result.skipped;
        else
            records.emplace_back(file.records[i].line, std::move(record));
    }
    if (!table.Stream()) {
        result.caption = AddFailureCaption(mapping.Info());
        result.error = QStringLiteral("Error #%1 - %2").arg(table.ErrorCode()).arg(table.Error());
        return result;
    }
    for (auto& [line, record] : records) {
        if (!table.Add(record)) {
            result.caption = AddFailureCaption(mapping.Info());
            result.error = QStringLiteral("Line %1: Error #%2 - %3").arg(line).arg(table.ErrorCode()).arg(table.Error());
            table.Rollback();
            return result;
        }
    }
    if (!table.Flush()) {
        result.caption = AddFailureCaption(mapping.Info());
        result.error = QStringLiteral("Error #%1 - %2").arg(table.ErrorCode()).arg(table.Error());
        return result;
    }
    result.added = static_cast<int>(records.size());
    result.ok = true;
    return result;
}

} // namespace vl
