#include "platform/data/FieldBinding.h"

#include "platform/runtime/FixedText.h"

namespace vl {

void BindFieldValue(SQLite::Statement& statement, int index, const FieldValue& value)
{
    if (const auto* i = std::get_if<int64_t>(&value))
        statement.bind(index, static_cast<int64_t>(*i));
    else if (const auto* d = std::get_if<double>(&value))
        statement.bind(index, *d);
    else // half a character would reach the file as "?"
        statement.bind(index, WholeCharacters(std::get<QString>(value)).toStdString());
}

} // namespace vl
