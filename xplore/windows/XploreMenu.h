#pragma once
// The popup items of an Xplore list (PopupItems.h) as actions of a Qt menu.

#include "xplore/PopupItems.h"

#include <QString>

#include <functional>
#include <map>
#include <vector>

class QAction;
class QMenu;

namespace vl {

class XploreMenu {
public:
    // Appends the items to the menu; choosing a command item runs it.
    XploreMenu(QMenu& menu, const std::vector<PopupItem>& items, std::function<void(int command)> run);

    // Takes over the items' texts, enabled states and checks.
    void Update(const std::vector<PopupItem>& items);
    // The action of a command item; nullptr when the menu has none of that name.
    QAction* Action(const QString& name) const;
    // The action of a command; nullptr when the menu has none.
    QAction* ActionFor(int command) const;

private:
    void Add(QMenu& menu, const std::vector<PopupItem>& items);

    std::function<void(int)> run_;
    std::map<QString, QAction*> actions_;
    std::map<int, QAction*> commands_;
};

} // namespace vl
