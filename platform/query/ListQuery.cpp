#include "platform/query/ListQuery.h"

namespace vl {

bool ListQuery::Open(const QString& catalogueText, QueryTables tables, const QString& datePicture)
{
    available_ = false;
    if (!OpenQueryCatalogue(catalogueText, catalogue_))
        return false;
    tables_ = std::move(tables);
    catalogue_.UseDatePicture(datePicture);
    catalogue_.Keep([this](const QueryField& field) { return tables_.Has(field.field); });
    available_ = true;
    return true;
}

bool ListQuery::Apply(const Query& query, Filter& filter, QString& error)
{
    if (!QueryFilter(query, tables_, evaluate_, filter, error))
        return false;
    current_ = query;
    return true;
}

} // namespace vl
