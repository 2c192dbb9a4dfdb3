#pragma once
// The items Xplore adds to a list's right-click menu, and their texts,
// checks and enabled states for the column under the mouse and the current
// row. Every list shows "Adjust All Widths", "&Filter", "Sort on",
// "Properties", "Hide Column", "Default" and "&Output"; a list's feature mask
// adds the column and list attribute items of the "&Xplore" submenu.

#include "xplore/XploreColumn.h"

#include <QString>

#include <functional>
#include <vector>

namespace vl {

// The feature mask every list of the program passes: "Properties" and
// "Hide Column".
inline constexpr quint32 kStandardFeatures = 0x100000;
// The feature that lets the user move columns ("Move Left", "Move Right" and
// dropping a dragged header beyond the column's edge).
inline constexpr quint32 kMovableColumns = 0x2000;

// The cell text shown in the filter items is cut to this many characters.
inline constexpr int kPopupCellWidth = 80;

struct PopupItem {
    enum class Kind { Command, Separator, Submenu };
    Kind kind = Kind::Command;
    QString name;        // "ADDF1", "S11", "&Filter"
    QString text;        // as shown; a check item's text without its "+"
    int command = 0;     // XploreCommands.h
    bool checkable = false;
    bool enabled = true;
    bool checked = false;
    QString reason;      // why a disabled item cannot act; shown as its tip
    std::vector<PopupItem> items; // of a submenu
};

// The items in menu order for a feature mask; the two export items name the
// export files.
std::vector<PopupItem> BuildPopupItems(quint32 mask, const QString& asciiFile, const QString& htmlFile);

// What the items depend on at a right-click.
struct PopupContext {
    // The column under the mouse; nullptr outside every column.
    const XploreColumn* column = nullptr;
    // A row is selected, and the column's text in it as the list shows it.
    bool rowSelected = false;
    QString cell;
    int shownColumns = 0;
    bool inclusiveBounds = false; // "+Add = to Filter" is checked
    bool graph = true;            // the list allows graphs, printing the whole list, a page
    bool printAll = true;
    bool printPage = true;
    bool hScroll = false;
    bool vScroll = false;
    // Whether a command that opens a window of its own can run now (its
    // procedure is registered).
    std::function<bool(int command)> available;
};

// Sets the texts, checks and enabled states. Outside every column the
// column's items are disabled and read as they do without a column; the
// filter items also need a selected row.
void PrepareItems(std::vector<PopupItem>& items, const PopupContext& context);

// The item of that name anywhere in the menu; nullptr when none.
PopupItem* FindPopupItem(std::vector<PopupItem>& items, const QString& name);

} // namespace vl
