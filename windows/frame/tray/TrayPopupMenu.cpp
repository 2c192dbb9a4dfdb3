#include "windows/frame/tray/TrayPopupMenu.h"

#include "resources/ProgramIcons.h"

#include <QAction>

namespace vl {

TrayPopupMenu::TrayPopupMenu(QWidget* parent) : QMenu(parent)
{
    for (const TrayMenu::Item& item : TrayMenu::Items()) {
        if (item.IsSeparator()) {
            addSeparator();
            continue;
        }
        QAction* action = addAction(LoadIcon(item.icon), item.text);
        action->setObjectName(item.name);
        connect(action, &QAction::triggered, this, [this, name = item.name] { emit Chosen(name); });
    }
}

QAction* TrayPopupMenu::Action(const QString& name) const
{
    if (name.isEmpty())
        return nullptr;
    return findChild<QAction*>(name, Qt::FindDirectChildrenOnly);
}

void TrayPopupMenu::Apply(const TrayMenu::State& state)
{
    for (QAction* action : actions()) {
        if (!action->isSeparator())
            action->setEnabled(TrayMenu::Enabled(action->objectName(), state));
    }
}

} // namespace vl
