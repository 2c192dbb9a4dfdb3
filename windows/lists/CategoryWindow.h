#pragma once
// The base of a window that lists the categories in one pane and what
// belongs to the highlighted category in another (a ListPane each): the
// categories' one column "Categories" in category order, the other pane
// following the highlighted category, and the two panes stacked.

#include "platform/data/Table.h"
#include "windows/lists/ListPane.h"

#include <QWidget>

class QSplitter;

namespace vl {

class CategoryWindow : public QWidget {
public:
    BrowseList* CategoryList() const { return categories_.List(); }
    const BrowseButtons& CategoryButtons() const { return categories_.Buttons(); }
    // The category highlighted now; empty when the list has none.
    QString Category() const;

protected:
    // The categories of categoryTable, their name in field, in the order of
    // key ("By Category"), filling their pane; the items of itemTable.
    CategoryWindow(QWidget* parent, const char* procedure, const QString& title, TableFile& categoryTable,
                   const char* field, KeyRef key, TableFile& itemTable);

    // The items pane shows the items whose itemField holds the highlighted
    // category (in any case), and what none lets through while no category is
    // highlighted; now and whenever another category is highlighted or the
    // categories reload. The categories take the focus now and whenever the
    // window is brought forward.
    void FollowHighlightedCategory(const char* itemField, Filter none);

    // The panes stacked: the categories with categoryRow above, the items
    // with itemRow below in a box captioned caption, "Cl&ose" under both.
    QSplitter* StackPanes(QBoxLayout* categoryRow, const char* caption, QBoxLayout* itemRow);

    ListPane categories_;
    ListPane items_;
};

} // namespace vl
