#pragma once
// A walk over a table that stops on a failure (a damaged page, a lost lock)
// has not reached the table's end: what was read is only part of it. Where
// the walk fills something the user sees, the user is told.

#include "platform/data/TableFile.h"

namespace vl {

inline constexpr char kWalkFailureCaption[] = "Record Retrieval Error";

// When the table's last step stopped on a failure rather than at the end of
// its key: shows which table and file could not be read to the end, and
// gives true. False (nothing shown) after a walk that ended well.
bool TellWalkFailure(const TableFile& table);

} // namespace vl
