#include "platform/viewcopy/ViewCopyBrowse.h"

#include "platform/widgets/BrowseList.h"

#include <QKeyEvent>
#include <QMenu>
#include <QPushButton>

namespace vl {

ViewCopyBrowse::ViewCopyBrowse(BrowseList* list, const BrowseButtons& buttons, AskForm askForm)
    : QObject(list), list_(list), buttons_(buttons), askForm_(std::move(askForm))
{
    const auto connectButton = [this](QPushButton* button, FormRequest request, bool copy = false) {
        if (button)
            connect(button, &QPushButton::clicked, this, [this, request, copy] { Ask(request, copy); });
    };
    connectButton(buttons_.insert, FormRequest::Insert);
    connectButton(buttons_.change, FormRequest::Change);
    connectButton(buttons_.remove, FormRequest::Delete);
    connectButton(buttons_.view, FormRequest::View);
    connectButton(buttons_.copy, FormRequest::Insert, true);

    connect(list_, &BrowseList::insertPressed, this, [this] { Press(buttons_.insert); });
    connect(list_, &BrowseList::deletePressed, this, [this] { Press(buttons_.remove); });
    connect(list_, &BrowseList::enterPressed, this, &ViewCopyBrowse::Activate);
    connect(list_, &BrowseList::rowDoubleClicked, this, &ViewCopyBrowse::Activate);
    // Shift+Enter reaches the filter before the list treats it as Enter.
    list_->installEventFilter(this);

    QAbstractItemModel* model = list_->model();
    Q_ASSERT(model);
    connect(model, &QAbstractItemModel::modelReset, this, &ViewCopyBrowse::UpdateButtons);
    connect(model, &QAbstractItemModel::layoutChanged, this, &ViewCopyBrowse::UpdateButtons);
    connect(model, &QAbstractItemModel::rowsInserted, this, &ViewCopyBrowse::UpdateButtons);
    connect(model, &QAbstractItemModel::rowsRemoved, this, &ViewCopyBrowse::UpdateButtons);
    UpdateButtons();
}

void ViewCopyBrowse::SetSelectMode(bool selectMode)
{
    selectMode_ = selectMode;
}

bool ViewCopyBrowse::HasRows() const
{
    return list_->model() && list_->model()->rowCount() > 0;
}

void ViewCopyBrowse::UpdateButtons()
{
    const bool rows = HasRows();
    for (QPushButton* button : {buttons_.change, buttons_.remove, buttons_.select, buttons_.view, buttons_.copy}) {
        if (button)
            button->setEnabled(rows);
    }
    if (buttons_.insert)
        buttons_.insert->setEnabled(true);
    for (const auto& [action, button] : popupItems_)
        action->setEnabled(button->isEnabled());
}

bool ViewCopyBrowse::Press(QPushButton* button)
{
    if (!button || !button->isEnabled())
        return false;
    button->click();
    return true;
}

void ViewCopyBrowse::Activate()
{
    if (!HasRows())
        return;
    const int row = list_->CurrentRow();
    for (QPushButton* button : {selectMode_ ? buttons_.select : nullptr, buttons_.view, buttons_.change}) {
        if (button && button->isDefault()) {
            Press(button);
            UpdateButtons();
            list_->SelectRow(row);
            return;
        }
    }
    Press(selectMode_ ? buttons_.select : buttons_.change);
}

void ViewCopyBrowse::Ask(FormRequest request, bool copy)
{
    const bool onSelectedRow = request != FormRequest::Insert || copy;
    if (onSelectedRow && list_->CurrentRow() < 0)
        return;
    askForm_(request, copy);
}

void ViewCopyBrowse::AddPopupItems(QMenu& menu)
{
    const auto add = [this, &menu](QPushButton* button, const QString& text, const QKeySequence& key = {}) {
        if (!button)
            return;
        QAction* action = menu.addAction(text, button, &QPushButton::click);
        action->setShortcut(key);
        action->setEnabled(button->isEnabled());
        popupItems_.emplace_back(action, button);
    };
    add(buttons_.insert, QStringLiteral("&Insert"), QKeySequence(Qt::Key_Insert));
    add(buttons_.change, QStringLiteral("&Change"));
    add(buttons_.remove, QStringLiteral("&Delete"), QKeySequence(Qt::Key_Delete));
    add(buttons_.view, QStringLiteral("&View"), kViewKey);
    add(buttons_.copy, QStringLiteral("Cop&y"));
    menu.addSeparator();
}

bool ViewCopyBrowse::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == list_ && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        if (enter && key->modifiers() == Qt::ShiftModifier && buttons_.view) {
            if (HasRows())
                Press(buttons_.view);
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace vl
