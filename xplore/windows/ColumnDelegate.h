#pragma once
// Draws the cells of one Xplore column with the column's own attributes:
// data justification and offset, underline (the "Underline" sort mark),
// colours of normal and selected cells (a row's own text colour, from the
// model, before the column's), the row's icon, and the line on its right edge.
// The text shows on one line (xplore/CellText.h).

#include "xplore/XploreColumn.h"

#include <QStyledItemDelegate>

namespace vl {

class DialogUnits;

class ColumnDelegate : public QStyledItemDelegate {
public:
    explicit ColumnDelegate(QObject* parent);

    void SetColumn(const XploreColumn& column, const DialogUnits& units);

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;

    // The cell text's alignment for a justification letter ("D" decimal
    // shows right-aligned).
    static Qt::Alignment Alignment(QChar justification);

private:
    Qt::Alignment alignment_ = Qt::AlignLeft;
    int offset_ = 0; // pixels from the aligned edge
    bool underline_ = false;
    bool border_ = true;
    ColumnColours colours_ = kNoColours;
};

} // namespace vl
