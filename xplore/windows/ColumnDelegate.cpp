#include "xplore/windows/ColumnDelegate.h"

#include "core/tabs/TabColours.h"
#include "platform/browse/BrowseModel.h"
#include "xplore/CellText.h"
#include "xplore/windows/ListAppearanceIO.h"

#include <QApplication>
#include <QPainter>
#include <QTableView>

namespace vl {

ColumnDelegate::ColumnDelegate(QObject* parent) : QStyledItemDelegate(parent) {}

Qt::Alignment ColumnDelegate::Alignment(QChar justification)
{
    switch (justification.unicode()) {
    case u'R':
    case u'D':
        return Qt::AlignRight;
    case u'C':
        return Qt::AlignHCenter;
    default:
        return Qt::AlignLeft;
    }
}

void ColumnDelegate::SetColumn(const XploreColumn& column, const DialogUnits& units)
{
    alignment_ = Alignment(column.dataJust);
    offset_ = column.dataJust == u'C' ? 0 : units.ToPixelsX(column.dataOffset);
    underline_ = column.underline;
    border_ = column.border;
    colours_ = column.colours;
}

void ColumnDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    QStyleOptionViewItem item = option;
    initStyleOption(&item, index);
    const QString text = CellLine(item.text);
    item.text.clear();
    const QWidget* widget = option.widget;
    QStyle* style = widget ? widget->style() : QApplication::style();
    style->drawPrimitive(QStyle::PE_PanelItemViewItem, &item, painter, widget);

    const bool selected = item.state & QStyle::State_Selected;
    painter->save();
    const QColor back = StoredColour(colours_[selected ? kSelectedBack : kNormalBack]);
    if (back.isValid())
        painter->fillRect(item.rect, back);
    // A row's own text colour (a disabled task's grey date) before the column's.
    QColor fore = index.data(selected ? BrowseModel::kSelectedForegroundRole : Qt::ForegroundRole).value<QColor>();
    if (!fore.isValid())
        fore = StoredColour(colours_[selected ? kSelectedText : kNormalText]);
    painter->setPen(fore.isValid() ? fore
                                   : item.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
    QFont font = item.font;
    font.setUnderline(underline_ || font.underline());
    painter->setFont(font);
    QRect textRect = item.rect;
    if (item.features & QStyleOptionViewItem::HasDecoration) {
        // The icon before the text; alone, in the middle of the cell.
        const QSize size = item.decorationSize.boundedTo(item.rect.size());
        QRect iconRect(QPoint(), size);
        iconRect.moveCenter(item.rect.center());
        if (!text.isEmpty()) {
            iconRect.moveLeft(item.rect.left() + offset_);
            textRect.setLeft(iconRect.right() + 1 + offset_);
        }
        item.icon.paint(painter, iconRect, Qt::AlignCenter, selected ? QIcon::Selected : QIcon::Normal);
    }
    if (alignment_ & Qt::AlignLeft)
        textRect.setLeft(textRect.left() + offset_);
    else if (alignment_ & Qt::AlignRight)
        textRect.setRight(textRect.right() - offset_);
    painter->setClipRect(item.rect);
    painter->drawText(textRect, static_cast<int>(alignment_ | Qt::AlignVCenter), text);
    if (border_) {
        const auto* table = qobject_cast<const QTableView*>(widget);
        painter->setPen(table ? table->palette().color(QPalette::Mid) : item.palette.color(QPalette::Mid));
        painter->drawLine(item.rect.topRight(), item.rect.bottomRight());
    }
    painter->restore();
}

} // namespace vl
