#include "xplore/windows/XploreMenu.h"

#include <QAction>
#include <QMenu>

namespace vl {

namespace {

// Item texts carry values of the list (a cell's text); an ampersand in them
// is shown, not taken as a shortcut mark.
QString Shown(const QString& text)
{
    QString shown = text;
    return shown.replace(u'&', QStringLiteral("&&"));
}

} // namespace

XploreMenu::XploreMenu(QMenu& menu, const std::vector<PopupItem>& items, std::function<void(int command)> run)
    : run_(std::move(run))
{
    Add(menu, items);
}

void XploreMenu::Add(QMenu& menu, const std::vector<PopupItem>& items)
{
    for (const PopupItem& item : items) {
        switch (item.kind) {
        case PopupItem::Kind::Separator:
            menu.addSeparator();
            break;
        case PopupItem::Kind::Submenu:
            Add(*menu.addMenu(item.text), item.items);
            break;
        case PopupItem::Kind::Command: {
            QAction* action = menu.addAction(Shown(item.text));
            action->setObjectName(item.name);
            action->setCheckable(item.checkable);
            const int command = item.command;
            QObject::connect(action, &QAction::triggered, &menu, [this, command] { run_(command); });
            actions_[item.name] = action;
            commands_[command] = action;
            break;
        }
        }
    }
}

void XploreMenu::Update(const std::vector<PopupItem>& items)
{
    for (const PopupItem& item : items) {
        if (item.kind == PopupItem::Kind::Submenu) {
            Update(item.items);
        } else if (QAction* action = Action(item.name); action && item.kind == PopupItem::Kind::Command) {
            action->setText(Shown(item.text));
            action->setEnabled(item.enabled);
            action->setChecked(item.checked);
            action->setToolTip(item.reason);
            action->setStatusTip(item.reason);
        }
    }
}

QAction* XploreMenu::Action(const QString& name) const
{
    const auto it = actions_.find(name);
    return it != actions_.end() ? it->second : nullptr;
}

QAction* XploreMenu::ActionFor(int command) const
{
    const auto it = commands_.find(command);
    return it != commands_.end() ? it->second : nullptr;
}

} // namespace vl
