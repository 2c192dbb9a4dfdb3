#include "xplore/HeaderSort.h"

#include "platform/runtime/FixedText.h"

namespace vl {

ColumnOrder OrderOfColumn(const XploreColumn& column, bool descending, bool upper)
{
    return ColumnOrder{column.field, descending, upper && column.PictureType() == u'S'};
}

QString NotSortableMessage(const XploreColumn& column)
{
    return QStringLiteral("Data cannot be ordered on column: ") + Clip(column.header) + u'(' + Clip(column.field) +
           u')';
}

int HeaderSort::SortPosition(const ColumnTable& columns) const
{
    return sortField_ != 0 ? columns.PositionOf(sortField_) : 0;
}

XploreColumn* HeaderSort::SortColumn(ColumnTable& columns) const
{
    return columns.ShownAt(SortPosition(columns));
}

void HeaderSort::SortOnColumn(ColumnTable& columns, int position)
{
    XploreColumn* column = columns.ShownAt(position);
    if (!column || !column->sortable)
        return;
    ClearSortMark(columns);
    if (column->fieldNumber == sortField_) {
        column->descending = !column->descending;
    } else {
        column->descending = restoredDescending_;
        restoredDescending_ = false;
        sortField_ = column->fieldNumber;
    }
    columnOrder_ = true;
    fileSequence_ = false;
}

void HeaderSort::KeySequence(ColumnTable& columns, bool fileSequence)
{
    ClearSortMark(columns);
    sortField_ = 0;
    columnOrder_ = false;
    fileSequence_ = fileSequence;
}

int HeaderSort::OrderNumber(const ColumnTable& columns) const
{
    if (!columnOrder_)
        return 0;
    for (const XploreColumn& column : columns.Shown()) {
        if (column.fieldNumber == sortField_)
            return column.sortOrder + (column.descending ? 1 : 0);
    }
    return 0;
}

void HeaderSort::ShowSortMark(ColumnTable& columns)
{
    XploreColumn* column = SortColumn(columns);
    if (!column || markedField_ != 0 || !columnOrder_)
        return;
    if (style_ == SortMarkStyle::Underline) {
        column->underline = true;
    } else {
        markedToken_ = column->descending ? u'<' : u'>';
        column->header = markedToken_ + Clip(column->header);
    }
    markedField_ = column->fieldNumber;
}

QString HeaderSort::UnmarkedHeader(const XploreColumn& column) const
{
    if (style_ == SortMarkStyle::Header && markedField_ != 0 && column.fieldNumber == markedField_ &&
        column.header.startsWith(markedToken_))
        return column.header.mid(1);
    return column.header;
}

void HeaderSort::ClearSortMark(ColumnTable& columns)
{
    if (markedField_ == 0)
        return;
    if (XploreColumn* column = columns.ShownAt(columns.PositionOf(markedField_))) {
        if (style_ == SortMarkStyle::Underline)
            column->underline = false;
        else if (column->header.startsWith(markedToken_))
            column->header.remove(0, 1);
    }
    markedField_ = 0;
}

} // namespace vl
