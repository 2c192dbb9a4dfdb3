#pragma once
// Filters as data: a condition compares one field of a table with a value
// (or with another field of the same record), and a filter is a list of
// conditions joined with AND or OR (AND binds tighter, as in the runtime's
// expressions). Filters are compiled to SQL with bound parameters, never
// spliced into query text, so a value holding quotes, brackets or SQL words
// filters for exactly that value.
//
//   Filter active{{"SCH:Disabled", Compare::Equal, int64_t(0)}};
//   Filter range{{"SCH:Category", Compare::GreaterEqual, QString("A")},
//                {"SCH:Category", Compare::LessEqual, QString("C")}};
//   Condition late{"SCH:Date", Compare::Greater};
//   late.otherField = "SCH:ExpiryDate";
//
// A condition on a field of a linked table (the script items of a task)
// holds for a record that has at least one linked record meeting it.

#include "platform/data/TableDef.h"

#include <QString>

#include <memory>
#include <optional>
#include <vector>

namespace vl {

enum class Compare {
    Equal,
    NotEqual,
    Less,
    LessEqual,
    Greater,
    GreaterEqual,
    BeginsWith, // text fields: the field's text starts with the value
    Contains,   // text fields: the value occurs anywhere in the field's text
    NotBeginsWith,
    NotContains,
    SameMonth,  // day numbers: the field's date falls in the value's month, in any year
};

enum class Join { And, Or };

// Records of another table that belong to the view's records, joined by one
// field each ("SCR:ID" of the script items = "SCH:ID" of the task). The
// table must be stored in the view's data file.
struct ConditionLink {
    std::shared_ptr<const TableDef> def;
    QString table;      // its stored table name
    QString field;      // "SCR:ID"
    QString ownerField; // "SCH:ID", a field of the view's table
};

struct Condition {
    QString field;           // "SCH:Disabled" as declared
    Compare compare = Compare::Equal;
    FieldValue value;
    // How this condition joins the one before it (ignored on the first).
    Join join = Join::And;
    // Text compared without regard to case (clip, then upper case), as the
    // lists do for string columns.
    bool noCase = false;
    // When set, the condition compares with this field of the record (of the
    // view's table, or of the linked table) and value is not used.
    QString otherField;
    // When set, field (and otherField) may name fields of the linked table:
    // the condition holds when at least one linked record meets it.
    std::optional<ConditionLink> link;
};

using Filter = std::vector<Condition>;

} // namespace vl
