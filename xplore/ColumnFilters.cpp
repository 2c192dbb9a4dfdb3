#include "xplore/ColumnFilters.h"

#include "platform/runtime/FixedText.h"

namespace vl {

namespace {

// Text values are compared clipped, as the table stores them.
FieldValue Clipped(const FieldValue& value)
{
    if (const QString* text = std::get_if<QString>(&value))
        return Clip(*text);
    return value;
}

} // namespace

ColumnFilters::Entry& ColumnFilters::EntryOf(const QString& field)
{
    for (Entry& entry : entries_) {
        if (SameTextNoCase(entry.field, field))
            return entry;
    }
    entries_.push_back(Entry{Clip(field), {}, {}, {}});
    return entries_.back();
}

void ColumnFilters::SetEqual(const QString& field, const FieldValue& value, bool different)
{
    EntryOf(field).equal = Bound{Clipped(value), different};
}

void ColumnFilters::SetUpperBound(const QString& field, const FieldValue& value, bool inclusive)
{
    EntryOf(field).upper = Bound{Clipped(value), inclusive};
}

void ColumnFilters::SetLowerBound(const QString& field, const FieldValue& value, bool inclusive)
{
    EntryOf(field).lower = Bound{Clipped(value), inclusive};
}

void ColumnFilters::Clear()
{
    entries_.clear();
}

bool ColumnFilters::IsEmpty() const
{
    return entries_.empty();
}

Condition ColumnFilters::Make(const QString& field, Compare compare, const FieldValue& value) const
{
    Condition condition;
    condition.field = field;
    condition.compare = compare;
    condition.value = value;
    condition.join = Join::And;
    condition.noCase = noCase_ && std::holds_alternative<QString>(value);
    return condition;
}

Filter ColumnFilters::ToFilter() const
{
    Filter filter;
    for (const Entry& entry : entries_) {
        if (entry.equal)
            filter.push_back(Make(entry.field, entry.equal->flag ? Compare::NotEqual : Compare::Equal,
                                  entry.equal->value));
        if (entry.lower)
            filter.push_back(Make(entry.field, entry.lower->flag ? Compare::GreaterEqual : Compare::Greater,
                                  entry.lower->value));
        if (entry.upper)
            filter.push_back(Make(entry.field, entry.upper->flag ? Compare::LessEqual : Compare::Less,
                                  entry.upper->value));
    }
    return filter;
}

} // namespace vl
