#pragma once
// The room a list column keeps beside its text when it is fitted to its
// widest text.

#include "xplore/XploreColumn.h"

namespace vl {

// The room a column keeps beside its text, in width units: one unit, the
// data offset of a left or right justified column (one unit for a decimal
// one), and the room of an icon.
int ColumnPadding(const XploreColumn& column);

} // namespace vl
