#pragma once
// The totals line of a printed list: each column that may be totalled adds
// up the numbers its cells show, each read back under the column's picture
// (a cell that is not a number adds nothing), and shows its total in that
// picture.

#include "xplore/XploreColumn.h"

#include <QStringList>

#include <vector>

namespace vl {

class ListTotals {
public:
    // The columns printed, in order.
    explicit ListTotals(const std::vector<XploreColumn>& columns);

    // A column of these is totalled.
    bool Any() const;
    // One row's cells, in the columns' order.
    void Add(const QStringList& cells);
    // The totals line: a totalled column's total, an empty text elsewhere.
    QStringList Texts() const;

private:
    struct Sum {
        bool on = false;
        QString picture;
        double total = 0;
    };
    std::vector<Sum> sums_;
};

} // namespace vl
