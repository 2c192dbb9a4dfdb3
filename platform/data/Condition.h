#pragma once
// Filters as data: a condition compares one field of a table with a value,
// and a filter is a list of conditions joined with AND or OR (AND binds
// tighter, as in the runtime's expressions). Filters are compiled to SQL with
// bound parameters, never spliced into query text, so a value holding quotes,
// brackets or SQL words filters for exactly that value.
//
//   Filter active{{"SCH:Disabled", Compare::Equal, int64_t(0)}};
//   Filter range{{"SCH:Category", Compare::GreaterEqual, QString("A")},
//                {"SCH:Category", Compare::LessEqual, QString("C")}};

#include "platform/data/TableDef.h"

#include <QString>

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
};

enum class Join { And, Or };

struct Condition {
    QString field;           // "SCH:Disabled" as declared
    Compare compare = Compare::Equal;
    FieldValue value;
    // How this condition joins the one before it (ignored on the first).
    Join join = Join::And;
    // Text compared without regard to case (clip, then upper case), as the
    // lists do for string columns.
    bool noCase = false;
};

using Filter = std::vector<Condition>;

} // namespace vl
