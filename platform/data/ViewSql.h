#pragma once
// The SQL text of a table view's reads (TableView.h), with every value bound
// as a numbered parameter. A view's order is its parts then the record
// pointer, so a position (the parts' values and a pointer) is a place of its
// own; reading on from it is one index seek per level of the order: the
// records with the position's values and a pointer beyond it, then those
// equal on the first k parts and beyond on part k+1, for k from the last
// part down. Each level reads at most a page and the levels' rows are merged
// in order. Parts the range holds equal take no level.

#include "platform/data/Condition.h"
#include "platform/data/TableView.h"

#include <map>
#include <string>
#include <vector>

namespace vl {

// Values bound to one query, numbered ?1, ?2, ... in the order added.
class SqlParams {
public:
    SqlParams() = default;
    explicit SqlParams(std::vector<FieldValue> values) : values_(std::move(values)) {}
    // The parameter's mark ("?3").
    std::string Add(const FieldValue& value);
    const std::vector<FieldValue>& Values() const { return values_; }

private:
    std::vector<FieldValue> values_;
};

struct ViewQuery {
    std::string sql;
    std::vector<FieldValue> binds;
    int firstColumn = 0; // the record pointer's column; the fields follow it
    bool usesUpper = false; // calls the upper-case function (kUpperFunction)
};

// The function that upper-cases a text as the case-insensitive collation
// does (used by noCase "Contains").
inline constexpr const char* kUpperFunction = "vl_upper";

// A value as a field compares with it: text for text fields (STRING and
// CSTRING clipped of trailing blanks), a number for number fields (a text
// must read as one). False, with a message, otherwise.
bool CompareValue(const FieldDef& field, const FieldValue& value, FieldValue& result, QString& error);

// A filter as one bracketed condition, its values added to params; an empty
// filter gives an empty text. table is the view's quoted table, which the
// conditions on linked tables name. False, with a message naming the filter,
// for an unknown field, a text comparison on a number field, a value that
// does not fit the field, or a text field compared with a number field.
bool CompileFilter(const TableDef& def, const std::string& table, const QString& name, const Filter& filter,
                   SqlParams& params, std::string& sql, bool& usesUpper, QString& error);

class ViewSql {
public:
    // False, with a message, when the order, range or a filter does not fit
    // the table.
    bool Build(const TableDef& def, const QString& table, const ViewOrder& order, const ViewRange& range,
               const std::map<QString, Filter>& filters, QString& error);

    // The first count rows of the view (of the reversed view when backward).
    ViewQuery First(int count, bool backward) const;
    // The count rows after a position (before it when backward), nearest first.
    ViewQuery Step(const ViewRow& from, int count, bool backward) const;
    // The rows from the first whose locator field is at or after value
    // (already converted with CompareValue).
    ViewQuery Locate(const FieldValue& value, int count) const;
    // count rows from offset, in view order or reversed.
    ViewQuery Page(int64_t offset, int count, bool backward) const;
    ViewQuery Find(int64_t pointer) const;
    ViewQuery Count() const;
    // The number of rows before a position.
    ViewQuery RowsBefore(const ViewRow& row) const;

    // The field the locator compares (the first order part the range does
    // not hold equal); -1 for the record pointer.
    int LocateField() const;

private:
    struct Part {
        int field = 0;
        std::string expression; // the quoted column with its collation
        bool descending = false;
    };
    std::string Select() const;
    std::string Where(const std::string& condition) const;
    std::string OrderTerms(size_t from, bool backward) const;
    std::string OrderBy(size_t from, bool backward) const;
    // The conditions of the levels beyond a position (see above), nearest
    // level first, each with the part its order starts at.
    std::vector<std::pair<std::string, size_t>> Levels(const ViewRow& from, bool backward, SqlParams& params) const;
    ViewQuery Make(std::string sql, SqlParams params, int firstColumn) const;

    const TableDef* def_ = nullptr;
    std::string table_;
    std::string columns_; // the pointer, then every field
    std::vector<Part> parts_;
    size_t fixed_ = 0; // leading parts the range holds equal
    std::string base_; // range and filters, "" for none
    std::vector<FieldValue> baseValues_;
    bool usesUpper_ = false;
};

} // namespace vl
