#pragma once
// The tray icon's popup menu as data and rules: its items in order, which
// are enabled, and which bring the frame back before they act. The frame
// performs what an item does; TrayPopupMenu.h shows the menu.

#include <QList>
#include <QString>

namespace vl::TrayMenu {

// Item names, which the frame's actions are keyed by.
inline constexpr char kRestore[] = "Restore";
inline constexpr char kAddProgram[] = "AddProgram";
inline constexpr char kAddMessage[] = "AddMessage";
inline constexpr char kAddScript[] = "AddScript";
inline constexpr char kStopScript[] = "StopScript";
inline constexpr char kHotKeys[] = "HotKeys";
inline constexpr char kOptions[] = "Options";
inline constexpr char kAbout[] = "About";
inline constexpr char kExit[] = "Exit";

struct Item {
    QString name; // empty for a separator
    QString text;
    QString icon;
    bool IsSeparator() const { return name.isEmpty(); }
};

// The items top to bottom, separators included.
QList<Item> Items();

struct State {
    bool scriptsQueued = false; // a script is running or waiting
    bool frameIconized = false; // the frame is minimised or hidden in the tray
};

// "StopScript" only while scripts are queued, "Restore" only while the
// frame is iconized; every other item always.
bool Enabled(const QString& name, const State& state);
// The items that restore the frame before their action.
bool RestoresFrameFirst(const QString& name);

} // namespace vl::TrayMenu
