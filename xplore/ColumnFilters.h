#pragma once
// The filters a user builds from the current cell of an Xplore list: per
// column an equality (equal to or different from the cell's value), a lower
// and an upper bound. Each command changes only that one value of that one
// column, so filters on several columns all apply and a lower and an upper
// bound on one column make a range. The values are the row's raw field
// values (a date as its day number), kept as values: the filter compares
// with bound parameters, never with text spliced into a query.

#include "platform/data/Condition.h"

#include <QString>

#include <optional>
#include <vector>

namespace vl {

class ColumnFilters {
public:
    // Text compared without regard to case (the lists' rule for text).
    explicit ColumnFilters(bool noCase = true) : noCase_(noCase) {}

    // The field equals the value, or differs from it.
    void SetEqual(const QString& field, const FieldValue& value, bool different);
    // The field is below the value (up to it when inclusive).
    void SetUpperBound(const QString& field, const FieldValue& value, bool inclusive);
    // The field is above the value (from it when inclusive).
    void SetLowerBound(const QString& field, const FieldValue& value, bool inclusive);
    // Every value of every field emptied: the list shows all its rows again.
    void Clear();

    bool IsEmpty() const;
    // All conditions, joined with AND, in the order the fields were first used.
    Filter ToFilter() const;

private:
    struct Bound {
        FieldValue value;
        bool flag = false; // equality: different; bounds: inclusive
    };
    struct Entry {
        QString field;
        std::optional<Bound> equal;
        std::optional<Bound> lower;
        std::optional<Bound> upper;
    };
    Entry& EntryOf(const QString& field);
    Condition Make(const QString& field, Compare compare, const FieldValue& value) const;

    bool noCase_;
    std::vector<Entry> entries_;
};

} // namespace vl
