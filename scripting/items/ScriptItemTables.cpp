#include "scripting/items/ScriptItemTables.h"

#include <limits>

namespace vl {

template <class R>
DataError ReadScriptItems(Table<R>& table, int32_t owner, std::vector<R>& items)
{
    using Items = ScriptItemTable<R>;
    items.clear();
    R position;
    Items::Owner(position) = owner;
    position.Sequence = std::numeric_limits<int32_t>::min();
    Cursor<R> cursor(table);
    cursor.Set(Items::kKey, position);
    R item;
    while (cursor.Next(item)) {
        if (Items::Owner(item) != owner)
            return {};
        items.push_back(item);
    }
    return table.ErrorCode() == kRecordNotAvailable ? DataError() : table.LastError();
}

template DataError ReadScriptItems(Table<ScriptingRecord>&, int32_t, std::vector<ScriptingRecord>&);
template DataError ReadScriptItems(Table<ScriptTemplateDetailsRecord>&, int32_t,
                                   std::vector<ScriptTemplateDetailsRecord>&);

} // namespace vl
