#pragma once
// A filter as one line of text for the user to read, the way the graph
// names the filter its rows were counted under:
// "UPPER(ENT:Kind) = 'ANNUAL' AND ENT:Date < 80020".

#include "platform/data/Condition.h"

#include <QString>

namespace vl {

QString FilterText(const Filter& filter);

} // namespace vl
