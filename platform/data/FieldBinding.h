#pragma once
// Moving field values into the engine's statements.

#include "platform/data/TableDef.h"

#include <SQLiteCpp/Statement.h>

namespace vl {

// Binds a value to parameter index: integers, reals and texts as such.
void BindFieldValue(SQLite::Statement& statement, int index, const FieldValue& value);

} // namespace vl
