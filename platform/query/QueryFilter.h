#pragma once
// A query applied to a table view: the filter of its conditions, with every
// constant and every evaluated expression bound as a value. A condition on a
// field of a linked table (the script items of a task) selects the records
// that have at least one linked record meeting it.
//
//   QueryTables tables{schedule.DefinitionPtr()};
//   ConditionLink items;
//   if (LinkQueryTable(schedule, scripting, "SCR:ID", "SCH:ID", items, error))
//       tables.links.push_back(items);
//   Filter filter;
//   if (QueryFilter(query, tables, evaluate, filter, error))
//       model.SetFilter("6 Query", filter);

#include "platform/data/TableFile.h"
#include "platform/query/Query.h"

#include <functional>

namespace vl {

// The view's table and the tables linked to it.
struct QueryTables {
    std::shared_ptr<const TableDef> view;
    std::vector<ConditionLink> links;

    // Whether a query can test a field: one of the view's or a linked table's.
    bool Has(const QString& field) const;
    // The link that holds a field, or nothing for the view's own fields.
    const ConditionLink* LinkOf(const QString& field) const;
};

// A link from the view's table to another table of the same data file,
// joined by field (of the linked table) = ownerField (of the view's).
// Opens both tables on use; false, with a message, when either cannot be
// read or they are kept in different data files.
bool LinkQueryTable(TableFile& view, TableFile& linked, const QString& field, const QString& ownerField,
                    ConditionLink& link, QString& error);

// Evaluates an expression to the value a condition compares with; false,
// with a message, when it cannot.
using QueryEvaluator = std::function<bool(const QString& expression, QString& value, QString& error)>;

// The filter of a query (empty for an empty query). False, with a message,
// for a field the tables do not hold, an expression that fails, or a missing
// evaluator.
bool QueryFilter(const Query& query, const QueryTables& tables, const QueryEvaluator& evaluate, Filter& filter,
                 QString& error);

} // namespace vl
