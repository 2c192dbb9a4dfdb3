#pragma once
// The columns of the lists that show contacts (ListColumns.h).

#include "windows/lists/ListColumns.h"

#include <vector>

namespace vl {

// The contacts list's: last name, first name, e-mail, the phones, the
// category, the address, and the contact ID (not shown).
const std::vector<ListColumn>& ContactListColumns();
// The contacts pane of the contact categories: first and last name, e-mail,
// address, phones; the contact ID and category are not shown.
const std::vector<ListColumn>& CategoryContactColumns();

} // namespace vl
