#pragma once
// The orders a list takes from the keys the program declares for its table.

#include "platform/browse/BrowseModel.h"

namespace vl {

// The order of a declared key. A key the table does not have is a fault of
// the program: it is said in a notice, and the order is file sequence.
ViewOrder DeclaredKeyOrder(const TableDef& def, KeyRef key);

// Registers a declared key's order with the list's model (AddOrder).
int AddKeyOrder(BrowseModel& model, const QString& name, KeyRef key);

} // namespace vl
