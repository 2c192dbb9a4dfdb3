#pragma once
// How output and windows name a list's columns to the user: by the title the
// header shows (without the sort mark), or by the column's description when
// the header is blank; and the order of the list told in those names.

#include "platform/data/ViewOrder.h"
#include "xplore/XploreColumn.h"

#include <vector>

namespace vl {

// `header` is the column's header without the sort mark.
QString ColumnTitle(const XploreColumn& column, const QString& header);

// "Category (ascending), Date (descending)": each field of the order by the
// title of the column that shows it (titles gives one per column), else by
// its name without the table's prefix. Empty for record order.
QString OrderTitle(const ViewOrder& order, const std::vector<XploreColumn>& columns, const QStringList& titles);

} // namespace vl
