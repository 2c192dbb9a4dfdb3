// Xplore: sorting by a header click, and the header menu of key and record order.
#include "xplore/windows/Xplore.h"

#include "platform/browse/BrowseModel.h"
#include "platform/ui/PromptService.h"

#include <QMenu>

namespace vl {

void Xplore::SelectListOrder()
{
    if (sort_.ColumnOrderActive())
        model_->SelectOrder(sort_.OrderNumber(columns_));
    else if (sort_.FileSequence())
        model_->SetOrder(ViewOrder{});
    else if (defaultOrder_ >= 0)
        model_->SelectOrder(defaultOrder_);
    else
        model_->SetOrder(defaultViewOrder_);
}

void Xplore::HandleHeaderClick(int section)
{
    currentColumn_ = PositionOfSection(section);
    const XploreColumn* column = columns_.ShownAt(currentColumn_);
    if (!column)
        return;
    if (column->sortable)
        SortOnColumn(currentColumn_);
    else
        Prompt::Message(NotSortableMessage(*column), QString::fromLatin1(kNotSortableCaption),
                        PromptIcon::Information);
}

void Xplore::SortOnColumn(int position)
{
    const XploreColumn* column = columns_.ShownAt(position);
    if (!column || !column->sortable)
        return;
    ReadColumnsFromList();
    sort_.SortOnColumn(columns_, position);
    SortColumnChanged(column->field);
    SelectListOrder();
    sort_.ShowSortMark(columns_);
    ShowColumns();
}

void Xplore::KeySequence(bool fileSequence)
{
    ReadColumnsFromList();
    sort_.KeySequence(columns_, fileSequence);
    SortColumnChanged(QString());
    SelectListOrder();
    ShowColumns();
}

void Xplore::UseKeyOrder(int number)
{
    defaultOrder_ = number;
    KeySequence(false);
}

void Xplore::SetTabOrder(int number)
{
    defaultOrder_ = number;
    SelectListOrder();
}

void Xplore::RebuildColumnOrders()
{
    for (const XploreColumn& column : columns_.All()) {
        if (!column.sortable || column.sortOrder <= 0)
            continue;
        for (const bool descending : {false, true}) {
            const ViewOrder order = DefineSortOrder(OrderOfColumn(column, descending, options_.upper));
            model_->ReplaceOrder(column.sortOrder + (descending ? 1 : 0), ViewOrderText(order), order);
        }
    }
}

void Xplore::HandleHeaderRightClick(const QPoint& globalPos)
{
    headerMenu_->popup(globalPos);
}

} // namespace vl
