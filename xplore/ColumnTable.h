#pragma once
// The two column tables of an Xplore list: every column the list defines
// (in table order) and the columns shown now (in display order), with the
// field numbers that tie each column to its field in the list's row.

#include "xplore/XploreColumn.h"

#include <QString>

#include <vector>

namespace vl {

class ColumnTable {
public:
    // Fills both tables from the list's column definitions. Field numbers
    // count the columns, four more after a column with colours and one more
    // after a column with an icon; a column that is not displayed and has
    // locator "X" is in neither table but still takes its field number.
    // Every column starts with offsets 1, a right border, resizable, no
    // colours, ascending.
    void Load(const std::vector<ColumnDefinition>& definitions);

    const std::vector<XploreColumn>& All() const { return all_; }
    const std::vector<XploreColumn>& Shown() const { return shown_; }
    int ShownCount() const { return static_cast<int>(shown_.size()); }

    // The column shown at a display position (1-based); nullptr outside.
    XploreColumn* ShownAt(int position);
    const XploreColumn* ShownAt(int position) const;
    // The display position of the column with this field number, 0 when it
    // is not shown.
    int PositionOf(int fieldNumber) const;
    // The column of the column table with this field number; nullptr when none.
    const XploreColumn* ByField(int fieldNumber) const;

    // The format string of the columns shown, numbering their positions.
    QString BuildFormatString();
    // The format string of the designed columns: the columns the list shows
    // when it opens, as the definitions give them.
    const QString& DesignedFormatString() const { return designed_; }

    // Shows the columns a format string names, in its order and with its
    // attributes. False, and nothing changed, when the text is not a format
    // string or names a field number twice or one the table does not hold.
    bool ApplyFormatString(const QString& text);

    // Hides the column at a display position; only while more than one
    // column is shown. Keeps the hidden column's attributes for when it is
    // shown again.
    bool Hide(int position);
    // Shows a column of the column table again, at the right end, with the
    // attributes it had when it was hidden (10 dialog units wide when it had
    // no width). Answers its display position; 0 when the table has no such
    // column or it is shown already.
    int Show(int fieldNumber);
    // Exchanges the column at a display position with its left (-1) or right
    // (+1) neighbour; false at the edge.
    bool Move(int position, int step);

    // A column's width changed in the list (dialog units).
    void SetWidth(int position, int width);
    // The number of the column's ascending order, once the list has defined
    // it; 0 makes the column one that cannot be sorted.
    void SetSortOrder(int fieldNumber, int order);

private:
    void Number();

    std::vector<XploreColumn> all_;
    std::vector<XploreColumn> shown_;
    QString designed_;
};

} // namespace vl
