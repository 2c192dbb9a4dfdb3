#pragma once
// The tray icon's popup menu: the items of TrayMenu.h with their icons. Each
// action is named after its item; choosing one emits Chosen with that name.
// The frame hands the menu to its TrayIcon with a preparation that calls
// Apply with the present state.

#include "core/frame/TrayMenu.h"

#include <QMenu>

class QAction;

namespace vl {

class TrayPopupMenu : public QMenu {
    Q_OBJECT
public:
    explicit TrayPopupMenu(QWidget* parent = nullptr);

    // The item's action, or nullptr for an unknown name.
    QAction* Action(const QString& name) const;
    // Enables and disables the items by the menu's rules.
    void Apply(const TrayMenu::State& state);

signals:
    void Chosen(const QString& name);
};

} // namespace vl
