#pragma once
// One table read in any order, with a range and named filters, a page of
// rows at a time: the ground every list stands on. Pages are read from a
// position (a row's order values and record pointer) forward or backward, so
// a view over 100,000 records reads only the rows it shows; a row far away
// is reached by its offset.
//
//   TableView view(schedule);
//   view.SetOrder(byDate);
//   view.SetFilter("Enabled", {{"SCH:Disabled", Compare::Equal, int64_t(0)}});
//   std::vector<ViewRow> page;
//   view.First(50, page);
//   view.After(page.back(), 50, page);
//
// Values reach the engine only as bound parameters. Every read returns false
// on failure and leaves the error in LastError(); nothing throws. A view uses
// its file object's connection (and so its thread) and must not outlive it.

#include "platform/data/Condition.h"
#include "platform/data/DataError.h"
#include "platform/data/TableFile.h"
#include "platform/data/ViewOrder.h"

#include <QStringList>

#include <functional>
#include <map>
#include <optional>
#include <vector>

namespace SQLite {
class Statement;
}

namespace vl {

class ViewSql;
struct ViewQuery;

// One record as a view reads it: its record pointer and every field's value
// in declared order (stored form).
struct ViewRow {
    int64_t pointer = 0;
    std::vector<FieldValue> values;

    // Copies the values into a record buffer of the table (and its pointer).
    void Fill(const TableDef& def, RecordBase& record) const;
    // The values of a record buffer as a row.
    static ViewRow From(const TableDef& def, const RecordBase& record);
};

// Limits on the leading fields of the order: the first equal.size() fields
// equal these values, and the field after them lies within low..high (each
// inclusive, each optional). Compared as the order compares them.
struct ViewRange {
    std::vector<FieldValue> equal;
    std::optional<FieldValue> low;
    std::optional<FieldValue> high;

    bool IsEmpty() const { return equal.empty() && !low && !high; }
};

class TableView {
public:
    explicit TableView(TableFile& file);

    const TableDef& Definition() const;

    // The order (file sequence at first); false, with a message naming the
    // field, when a field is not one of the table's.
    bool SetOrder(const ViewOrder& order);
    const ViewOrder& Order() const;
    // The range on the order's leading fields; false when it names more
    // fields than the order has. Kept over order changes that leave it valid,
    // cleared otherwise.
    bool SetRange(const ViewRange& range);
    const ViewRange& Range() const;
    // Named filters, joined with AND. Setting a name again replaces its
    // filter; false, with a message, when a condition names an unknown field
    // or compares a number field by text (the filter is then not installed).
    bool SetFilter(const QString& name, const Filter& filter);
    void RemoveFilter(const QString& name);
    void ClearFilters();
    QStringList FilterNames() const;
    const std::map<QString, Filter>& Filters() const { return filters_; }

    // Pages, each in view order (at most count rows, fewer at an end).
    bool First(int count, std::vector<ViewRow>& rows);
    bool Last(int count, std::vector<ViewRow>& rows);
    // The rows after (before) a row's place in the order; the row itself need
    // not be in the view any more.
    bool After(const ViewRow& row, int count, std::vector<ViewRow>& rows);
    bool Before(const ViewRow& row, int count, std::vector<ViewRow>& rows);
    // The rows from the first whose first field beyond the range's equal
    // fields is at or after value in the order's direction (the locator).
    bool Locate(const FieldValue& value, int count, std::vector<ViewRow>& rows);
    // The rows from position offset (0 = first) on; fromEnd counts the
    // offset back from the last row instead (rows still in view order, the
    // last of them at that offset from the end).
    bool Page(int64_t offset, int count, bool fromEnd, std::vector<ViewRow>& rows);

    // The record at a record pointer when it is in the view (found false
    // otherwise), with its current values.
    bool Find(int64_t pointer, ViewRow& row, bool& found);
    // Rows in the view; -1 on failure.
    int64_t Count();
    // Rows of the view before a row's place in the order; -1 on failure.
    int64_t RowsBefore(const ViewRow& row);

    const DataError& LastError() const { return error_; }
    // The last failure as a message: what was wrong with an order, range,
    // filter or locator value, or the engine's error; "" after a success.
    QString Error() const;

private:
    using MakeQuery = std::function<ViewQuery(const ViewSql&)>;
    using EachRow = std::function<void(SQLite::Statement&, int firstColumn)>;
    // Builds the view's SQL on the file's connection and runs one query.
    bool Run(const MakeQuery& make, const EachRow& each);
    bool ReadRows(const MakeQuery& make, bool reverse, std::vector<ViewRow>& rows);
    int64_t ReadNumber(const MakeQuery& make);
    // A position must hold a value for every field.
    bool CheckRow(const ViewRow& row);
    // Whether the view's SQL can be built with these settings.
    bool Check(const ViewOrder& order, const ViewRange& range, const std::map<QString, Filter>& filters);
    bool FailInput(const QString& message);

    TableFile* file_;
    ViewOrder order_;
    ViewRange range_;
    std::map<QString, Filter> filters_;
    DataError error_;
    QString inputError_; // the message of a refused order, range, filter or value
};

} // namespace vl
