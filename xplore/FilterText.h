#pragma once
// A filter as one line of text for the user to read, the way the graph
// names the filter its rows were counted under:
// "UPPER(ENT:Kind) = 'ANNUAL' AND ENT:Date < 80020".

#include "platform/data/Condition.h"

#include <QString>

#include <vector>

namespace vl {

QString FilterText(const Filter& filter);
// Several filters a row passes all of, joined with AND; a filter that joins
// its own conditions with OR is put in parentheses.
QString FilterText(const std::vector<Filter>& filters);

} // namespace vl
