#pragma once
// The orders of the contacts list: one per sheet tab, each the order of a
// key of Contact, typing in the list locating on the order's first field.
// The "Category" tab shows the contacts of one category only (a filter, so
// that it holds in a column sort's order too); within that category its key
// orders by last name, so its order is the key's order after the category
// and typing locates on the last name.

#include "platform/data/Condition.h"
#include "platform/data/ViewOrder.h"

#include <QString>

#include <vector>

namespace vl {

inline constexpr int kContactCategoryTab = 6;

// The tab texts, in the sheet's order: "Last Name" (the default), "First
// Name", "Work/Day Phone", "Home/Evening Phone", "Fax", "Email", "Category".
const std::vector<QString>& ContactTabTexts();

// The order of a tab (0-based); file sequence for a tab there is not.
ViewOrder ContactTabOrder(const TableDef& contactDef, int tab);

// The contacts whose category is this one (without regard to case; a blank
// category: the contacts that have none).
Filter ContactCategoryFilter(const QString& category);

} // namespace vl
