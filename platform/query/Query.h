#pragma once
// A query: conditions joined with AND or OR (AND binds tighter), each
// comparing a catalogue field with a constant value, with another field, or
// with an expression the program evaluates when the query is applied. Its
// text form (QueryText) is what lists keep and saved queries store.
//
//   Query query{{Join::And, "SCH:Description", QueryOperator::Contains, QueryOperand::Value, "backup"},
//               {Join::Or, "SCH:Date", QueryOperator::Less, QueryOperand::Expression, "TODAY()"}};

#include "platform/data/Condition.h"
#include "platform/query/QueryCatalogue.h"

#include <QString>

#include <vector>

namespace vl {

// The operators, numbered as their display texts.
enum class QueryOperator {
    Equal = 1,
    NotEqual,
    Greater,
    Less,
    GreaterEqual,
    LessEqual,
    BeginsWith,
    Contains,
    NotBeginsWith,
    NotContains,
    Checked,
    NotChecked,
};

enum class QueryOperand { Value, Field, Expression };

struct QueryCondition {
    Join join = Join::And; // with the condition before (ignored on the first)
    QString field;         // "SCH:Date"
    QueryOperator op = QueryOperator::Equal;
    QueryOperand operand = QueryOperand::Value;
    // The constant in its stored form (a text, or a number: a day number for
    // dates), the other field's name, or the expression.
    QString value;
    bool caseSensitive = false; // text fields only

    bool operator==(const QueryCondition&) const = default;
};

using Query = std::vector<QueryCondition>;

// The operators that fit a field: a check box is checked or not, a number
// is compared by size, a text also by its beginning and content.
std::vector<QueryOperator> OperatorsFor(const QueryField& field);
// Whether an operator compares with anything (a check box test does not).
bool TakesOperand(QueryOperator op);

// The text form of a query: one line of JSON, which QueryFromText reads back
// to the same query. An empty query is an empty text.
QString QueryText(const Query& query);
// False, with a message, for a text that is not a query; the query is then
// left as it was.
bool QueryFromText(const QString& text, Query& query, QString& error);

} // namespace vl
