#include "platform/data/FieldBinding.h"

namespace vl {

void BindFieldValue(SQLite::Statement& statement, int index, const FieldValue& value)
{
    if (const auto* i = std::get_if<int64_t>(&value))
        statement.bind(index, static_cast<int64_t>(*i));
    else if (const auto* d = std::get_if<double>(&value))
        statement.bind(index, *d);
    else
        statement.bind(index, std::get<QString>(value).toStdString());
}

} // namespace vl
