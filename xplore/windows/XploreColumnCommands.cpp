// Xplore: the commands that change one column or the list: hide, move,
// justification and flags, the one-value windows, the font, column select.
#include "xplore/windows/Xplore.h"

#include "xplore/AttributePrompts.h"
#include "xplore/XploreCommands.h"
#include "xplore/windows/AttributeWindow.h"
#include "xplore/windows/ListAppearanceIO.h"

#include <QApplication>
#include <QFontDialog>

namespace vl {

namespace {
using namespace XploreCommand;
} // namespace

void Xplore::ToggleColumnSelect()
{
    const bool cells = list_->selectionBehavior() != QAbstractItemView::SelectItems;
    list_->setSelectionBehavior(cells ? QAbstractItemView::SelectItems : QAbstractItemView::SelectRows);
    // The selection takes the new shape at once: the current cell, or its row.
    const QModelIndex current = list_->currentIndex();
    if (current.isValid())
        list_->selectionModel()->select(current, QItemSelectionModel::ClearAndSelect |
                                                     (cells ? QItemSelectionModel::NoUpdate : QItemSelectionModel::Rows));
}

void Xplore::HideColumn()
{
    if (columns_.ShownCount() <= 1 || !columns_.ShownAt(currentColumn_))
        return;
    ReadColumnsFromList();
    sort_.ClearSortMark(columns_);
    columns_.Hide(currentColumn_);
    sort_.ShowSortMark(columns_);
    ShowColumns();
}

void Xplore::ChangeColumns(const std::function<void(ColumnTable&)>& change)
{
    ReadColumnsFromList();
    sort_.ClearSortMark(columns_);
    change(columns_);
    sort_.ShowSortMark(columns_);
    ShowColumns();
}

void Xplore::MoveColumn(int step)
{
    ReadColumnsFromList();
    sort_.ClearSortMark(columns_);
    if (columns_.Move(currentColumn_, step))
        currentColumn_ += step;
    else
        QApplication::beep();
    sort_.ShowSortMark(columns_);
    ShowColumns();
}

void Xplore::ToggleColumnAttribute(int command)
{
    if (command == kInclusiveBounds) {
        inclusiveBounds_ = !inclusiveBounds_;
        return;
    }
    if (command == kHScroll || command == kVScroll) {
        const bool horizontal = command == kHScroll;
        const Qt::ScrollBarPolicy policy =
            horizontal ? list_->horizontalScrollBarPolicy() : list_->verticalScrollBarPolicy();
        const Qt::ScrollBarPolicy flipped =
            policy == Qt::ScrollBarAlwaysOff ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff;
        if (horizontal)
            list_->setHorizontalScrollBarPolicy(flipped);
        else
            list_->setVerticalScrollBarPolicy(flipped);
        return;
    }
    XploreColumn* column = columns_.ShownAt(currentColumn_);
    if (!column)
        return;
    switch (command) {
    case kHeaderLeft:
        column->headerJust = u'L';
        break;
    case kHeaderRight:
        column->headerJust = u'R';
        break;
    case kHeaderCenter:
        column->headerJust = u'C';
        break;
    case kHeaderDecimal:
        column->headerJust = u'D';
        break;
    case kDataLeft:
        column->dataJust = u'L';
        break;
    case kDataRight:
        column->dataJust = u'R';
        break;
    case kDataCenter:
        column->dataJust = u'C';
        break;
    case kDataDecimal:
        column->dataJust = u'D';
        break;
    case kFixed:
        column->fixed = !column->fixed;
        break;
    case kUnderline:
        column->underline = !column->underline;
        break;
    case kBorder:
        column->border = !column->border;
        break;
    case kResize:
        column->resizable = !column->resizable;
        break;
    }
    ShowColumns();
}

void Xplore::OpenAttributeWindow(int command)
{
    const QString code = AttributeCode(command);
    const int position = currentColumn_;
    const auto prompt = AttributePromptFor(code, columns_.ShownAt(position), ReadAppearance(*list_));
    if (!prompt)
        return;
    auto* window = new AttributeWindow(*prompt, window_, [this, code, position, ofColumn = prompt->ofColumn](int value) {
        ListAppearance appearance = ReadAppearance(*list_);
        ApplyAttribute(code, value, columns_.ShownAt(position), appearance);
        if (ofColumn)
            ShowColumns();
        else
            ApplyAppearance(*list_, appearance, designed_, code != u"LHI");
    });
    window->open();
}

void Xplore::OpenHeaderTextWindow()
{
    const int position = currentColumn_;
    const XploreColumn* column = columns_.ShownAt(position);
    if (!column)
        return;
    auto* window =
        new HeaderTextWindow(HeaderTextPrompt(*column), column->header, window_, [this, position](const QString& text) {
            if (XploreColumn* column = columns_.ShownAt(position)) {
                column->header = text.left(kHeaderTextWidth);
                ShowColumns();
            }
        });
    window->open();
}

void Xplore::ChooseFont()
{
    auto* dialog = new QFontDialog(list_->font(), window_);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QFontDialog::fontSelected, list_, &QWidget::setFont);
    dialog->open();
}

} // namespace vl
