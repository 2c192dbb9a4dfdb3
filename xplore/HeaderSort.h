#pragma once
// Sorting an Xplore list by a click on a column header, and the mark that
// shows which column the list is sorted on. A click on a sortable header
// sorts ascending (or in the direction saved with the layout), a second
// click on the same header descending, a third ascending again. The header
// menu returns the list to its key order ("Key Sequence") or to record order
// ("File Sequence"), both without a mark.
//
// The sort column is remembered by its field, so it keeps its mark when
// columns are moved, hidden or shown again.

#include "xplore/ColumnTable.h"

#include <QString>

namespace vl {

// How the sort column is marked: "Underline" underlines the column,
// ">Header" puts ">" (ascending) or "<" (descending) before its header text.
enum class SortMarkStyle { Underline, Header };

inline constexpr char kUnderlineStyle[] = "Underline";
inline constexpr char kHeaderStyle[] = ">Header";

// The order of one column as a list sorts on it: the field, its direction,
// and whether text is compared without regard to case (string columns of a
// list that sorts text case-insensitively).
struct ColumnOrder {
    QString field;
    bool descending = false;
    bool noCase = false;
};
ColumnOrder OrderOfColumn(const XploreColumn& column, bool descending, bool upper);

// What a click on a header of a column that cannot be sorted shows.
inline constexpr char kNotSortableCaption[] = "Xplore Template - Re-Order Option";
QString NotSortableMessage(const XploreColumn& column);

class HeaderSort {
public:
    explicit HeaderSort(SortMarkStyle style) : style_(style) {}

    SortMarkStyle Style() const { return style_; }

    // The field number of the sort column, 0 when the list is in a key or
    // record order.
    int SortField() const { return sortField_; }
    // The display position of the sort column, 0 when there is none or it is
    // not shown.
    int SortPosition(const ColumnTable& columns) const;
    // The list is in a column order chosen by a header click or "Sort on".
    bool ColumnOrderActive() const { return columnOrder_; }
    // The list is in record order, chosen from the header menu.
    bool FileSequence() const { return fileSequence_; }

    // The direction saved with the layout: the next column sorted takes it.
    void RestoreDirection(bool descending) { restoredDescending_ = descending; }

    // Sorts on the shown column at a display position: the same column again
    // flips its direction, another column takes the saved direction. The
    // column must be sortable.
    void SortOnColumn(ColumnTable& columns, int position);
    // Back to the list's first key order, or to record order.
    void KeySequence(ColumnTable& columns, bool fileSequence);
    // The number of the list order to use while a column order is active:
    // the sort column's ascending order, plus 1 when it is descending; 0 when
    // no column order is active.
    int OrderNumber(const ColumnTable& columns) const;

    // The column's header without the mark this sort drew on it.
    QString UnmarkedHeader(const XploreColumn& column) const;

    // Draws the mark on the sort column, once; removes it.
    void ShowSortMark(ColumnTable& columns);
    void ClearSortMark(ColumnTable& columns);

private:
    XploreColumn* SortColumn(ColumnTable& columns) const;

    SortMarkStyle style_;
    int sortField_ = 0;
    int markedField_ = 0; // the field whose column carries the mark
    QChar markedToken_;
    bool columnOrder_ = false;
    bool fileSequence_ = false;
    bool restoredDescending_ = false;
};

} // namespace vl
