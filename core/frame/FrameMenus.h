#pragma once
// The frame's menu bar and toolbar as data: every menu, item, accelerator
// and button in the order shown. An item names the command it runs: the
// name of a procedure (FrameProcedures.h) or one of the frame's own
// commands below. MainFrame builds its widgets from these lists.

#include <QList>
#include <QString>

namespace vl {

// The frame's own commands.
namespace FrameCommand {
inline constexpr char kOptions[] = "Options";
inline constexpr char kAbout[] = "About";
inline constexpr char kExit[] = "Exit";
inline constexpr char kBackupRestore[] = "BackupRestore";
inline constexpr char kPrintSetup[] = "PrintSetup";
inline constexpr char kCut[] = "Cut";
inline constexpr char kCopy[] = "Copy";
inline constexpr char kPaste[] = "Paste";
inline constexpr char kTile[] = "Tile";
inline constexpr char kCascade[] = "Cascade";
inline constexpr char kArrangeIcons[] = "ArrangeIcons";
inline constexpr char kHelpContents[] = "HelpContents";
inline constexpr char kHelpSearch[] = "HelpSearch";
inline constexpr char kHelpOnHelp[] = "HelpOnHelp";
inline constexpr char kEmailUs[] = "EmailUs";
inline constexpr char kHomePage[] = "HomePage";
inline constexpr char kViewCurrentScript[] = "ViewQueue:Script";
} // namespace FrameCommand

struct FrameMenuItem {
    QString text;     // with its mnemonic ("&Options"); empty for a separator
    QString shortcut; // portable key text ("F10", "Ctrl+Shift+X"), or empty
    QString command;  // empty for a separator or a submenu
    QList<FrameMenuItem> items; // a submenu's items
    QString statusText; // shown in the status bar while the item is highlighted

    bool IsSeparator() const { return text.isEmpty(); }
    bool IsSubmenu() const { return !items.isEmpty(); }
};

// The menus of the menu bar, left to right. Every item and submenu has a
// status text.
QList<FrameMenuItem> FrameMenuBar();

struct ToolbarButton {
    QString command;   // empty for a separator
    QString text;      // the button's caption and tip
    QString icon;      // icon name (ProgramIcons.h)
    // The desktop theme's icon shown while the program has none of its own:
    // freedesktop names separated by ";", the first the theme has.
    QString themeIcon;
    bool IsSeparator() const { return command.isEmpty(); }
};

// The toolbar's buttons, left to right.
QList<ToolbarButton> FrameToolbar();

// The commands that cannot run on this system: the help file and the
// arrangement of minimised windows belong to the desktop, and the backup
// runner's command waits until that program is built.
bool CommandUnavailable(const QString& command);

} // namespace vl
