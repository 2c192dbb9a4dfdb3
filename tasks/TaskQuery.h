#pragma once
// The query of a task list: the catalogue of fields the query dialog offers
// (in the user's date picture, only fields the task tables hold), the
// tables a query reads (the tasks with their script items and category),
// the query in force and the filter it gives. Both task lists keep one.
//
//   TaskQuery query;
//   if (query.Open(schedule, scripting, categories))   // tells the user when it cannot
//       ... offer "Query" ...
//   Filter filter;
//   if (query.Apply(dialogResult, filter, error))
//       model.SetFilter(kQueryFilterName, filter);

#include "platform/data/TableFile.h"
#include "platform/query/QueryFilter.h"

namespace vl {

// Captions of what the lists tell about a query.
inline constexpr char kQueryErrorCaption[] = "Query Error";

// An expression of a query condition, computed when the query is applied:
// keywords in brackets are expanded ("[TODAY]"), TODAY() is today's day
// number, and the rest is computed as script expressions are ("TODAY()+7").
bool EvaluateQueryExpression(const QString& expression, QString& value, QString& error);

class TaskQuery {
public:
    // Reads the catalogue and links the tables. On failure the user has
    // been told (the catalogue's error, or the tables that cannot be read)
    // and the list offers no query.
    bool Open(TableFile& schedule, TableFile& scripting, TableFile& categories);
    bool Available() const { return available_; }

    const QueryCatalogue& Catalogue() const { return catalogue_; }
    // The query in force; empty when none.
    const Query& Current() const { return current_; }

    // The filter of a query, which becomes the one in force. False, with a
    // message, when it cannot be built (the query in force stays).
    bool Apply(const Query& query, Filter& filter, QString& error);
    void Reset() { current_.clear(); }

private:
    bool available_ = false;
    QueryCatalogue catalogue_;
    QueryTables tables_;
    Query current_;
};

} // namespace vl
