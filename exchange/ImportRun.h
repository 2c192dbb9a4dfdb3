#pragma once
// Adding the records of a delimited-text file to a table by a column
// mapping. Each line makes a fresh record (the table's insert defaults, then
// the fields its mapping fills, each read back by its column's picture and
// cut to the field's width); auto-numbered IDs are always given by the table,
// so an import never reuses or overwrites a stored record. Imported records
// carry today's change stamp.
//
// The import is whole or nothing, and streams the file in two passes so
// that a file of any size is imported in little memory: the first pass
// checks every line (a number or date field whose column holds no number or
// date, a value the field cannot hold, a record that fails the table's
// checks); the second adds the records in one batch. A faulty line, an add
// the table refuses, or a cancel names what happened and leaves the table as
// it was. A line that fills every mapped field with blanks is skipped, and
// the outcome counts and names such lines. A text longer than its field is
// cut to the field's width, and the outcome counts and names such values.

#include "exchange/ImportMapping.h"
#include "platform/data/Table.h"

#include <QHash>
#include <QString>

#include <functional>
#include <vector>

namespace vl {

// A value the import cut to its field's width.
struct ImportCut {
    int line = 0;
    QString column; // "Field_3"
    QString field;  // the target field's name
    int width = 0;
};

struct ImportResult {
    bool ok = false;
    bool cancelled = false;
    QString caption; // of the failure message
    QString error;   // what failed, naming the line
    int added = 0;
    int skipped = 0;                // lines whose mapped fields were all blank
    std::vector<int> skippedLines;  // the first few of them
    int cut = 0;                    // values cut to their field's width
    std::vector<ImportCut> cuts;    // the first few of them
};

// What an import says once it has added its records.
QString ImportCompletedText(const ImportResult& result);
// The event log's texts of the values an import cut, the first few named.
QStringList ImportCutLogTexts(const ImportResult& result);

// Reports the percentage done (0-100) as it grows; false cancels.
using ImportProgress = std::function<bool(int percent)>;

struct ImportLineOutcome {
    QString error; // empty when the line fills the record
    bool blank = true;
    std::vector<ImportCut> cuts; // without their line
};

// Fills primed records from the lines of the file by the mapping, which it
// reads once.
class ImportFiller {
public:
    ImportFiller(const TableDef& def, const ImportMapping& mapping);
    ImportLineOutcome Fill(const ImexRecord& line, RecordBase& record) const;

private:
    struct Target {
        const FieldDef* field;
        int column;
        QString picture;
        QString columnName; // "Field_3"
        QString name;        // the target field's name
        bool formatted;      // read back by its picture
        bool text;
        int64_t low;         // the range of a number field
        int64_t high;
        // Texts read by the picture before, and what they read as: dates
        // and times repeat from line to line.
        mutable QHash<QString, QString> deformatted;
    };
    static constexpr qsizetype kKnownTexts = 4096;
    QString Deformatted(const Target& target, QStringView raw) const;
    const TableDef* def_;
    std::vector<Target> targets_;
    int advanceDate_;
    int advanceTime_;
    int stampDate_;
    int stampTime_;
    int32_t today_; // the change stamp of every imported record
    int32_t now_;
};
QString AddFailureCaption(const ExchangeTableInfo& info);
QString LineFailureCaption();

// The two passes over the file, with a record buffer of the table's type,
// the priming of that buffer and its add.
ImportResult ImportLines(TableFile& table, RecordBase& record, const std::function<void()>& prime,
                         const std::function<bool()>& add,
                         const ImportMapping& mapping, ImexReader& reader, bool stripHeader,
                         const ImportProgress& progress);

// The reader need not be open.
template <class R>
ImportResult ImportRecords(Table<R>& table, const ImportMapping& mapping, ImexReader& reader, bool stripHeader,
                           const ImportProgress& progress = {})
{
    R primed; // once: priming may read the clock
    table.Prime(primed);
    R record;
    return ImportLines(
        table, record, [&record, &primed] { record = primed; }, [&table, &record] { return table.Add(record); },
        mapping, reader, stripHeader, progress);
}

} // namespace vl
