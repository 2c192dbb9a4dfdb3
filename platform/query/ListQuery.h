#pragma once
// The query of a list: the catalogue of fields the query dialog offers (in
// the user's date picture, only the fields the list's tables hold), the
// tables a query reads, the query in force and the filter it gives. The list
// hands over how expressions are computed.
//
//   ListQuery query(evaluate);
//   if (query.Open(catalogueText, tables, datePicture))   // tells the user when it cannot
//       ... offer "Query" ...
//   Filter filter;
//   if (query.Apply(dialogResult, filter, error))
//       model.SetFilter(kQueryFilterName, filter);

#include "platform/query/QueryCatalogue.h"
#include "platform/query/QueryFilter.h"

namespace vl {

// Caption of what the lists tell about a query.
inline constexpr char kQueryErrorCaption[] = "Query Error";
// The name of the query's filter on a list's view, on top of its own.
inline constexpr char kQueryFilterName[] = "6 Query";

class ListQuery {
public:
    explicit ListQuery(QueryEvaluator evaluate) : evaluate_(std::move(evaluate)) {}

    // Reads the catalogue and keeps the tables. On failure the user has
    // been told and the list offers no query.
    bool Open(const QString& catalogueText, QueryTables tables, const QString& datePicture);
    bool Available() const { return available_; }

    const QueryCatalogue& Catalogue() const { return catalogue_; }
    // The query in force; empty when none.
    const Query& Current() const { return current_; }

    // The filter of a query, which becomes the one in force. False, with a
    // message, when it cannot be built (the query in force stays).
    bool Apply(const Query& query, Filter& filter, QString& error);
    void Reset() { current_.clear(); }

private:
    QueryEvaluator evaluate_;
    bool available_ = false;
    QueryCatalogue catalogue_;
    QueryTables tables_;
    Query current_;
};

} // namespace vl
