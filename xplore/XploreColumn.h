#pragma once
// The columns of an Xplore list: what the list defines for each column it
// can show, and the state Xplore keeps per column while the list is open.

#include <QChar>
#include <QString>

#include <array>

namespace vl {

// One column as a list defines it, in the order of its column table.
struct ColumnDefinition {
    QString field;            // "SCH:Date": the table field the column shows
    int width = 0;            // dialog units
    QString header;
    QString picture;          // "@d6b"; empty shows the value as "@S20"
    QString description;      // names the column in the popup's texts
    QChar justification = u'L'; // "L", "R", "C" or "D" (decimal), header and data alike
    bool displayed = true;    // shown when the list opens
    bool colours = false;     // four colour fields follow the column in the list's row
    bool icon = false;        // an icon field follows the column
    bool viewField = true;    // a field of the table (filters allowed); false for a computed column
    bool graph = false;       // the column may be graphed
    bool total = false;       // a printed list adds up the column
    bool sortable = false;    // a header click sorts on the column
    QChar locator = u' ';     // "X" on a column that is not displayed drops the column
};

// A column's colours as stored values (0xBBGGRR), -1 for none.
enum ColourSlot { kNormalText, kNormalBack, kSelectedText, kSelectedBack };
using ColumnColours = std::array<int, 4>;
inline constexpr ColumnColours kNoColours{-1, -1, -1, -1};

// A column while the list is open. The list's columns are held twice: every
// column of the column table (in table order), and the columns shown now (in
// display order), each a copy with its own current attributes.
struct XploreColumn {
    QString field;
    QString description;
    QString header;           // the header text shown, sort mark included
    QString picture;
    int fieldNumber = 0;      // the column's field in the list's row (1-based); identifies the column
    int tableOrder = 0;       // position in the column table (1-based)
    int position = 0;         // display position (1-based), 0 = not displayed
    ColumnColours colours = kNoColours;
    int width = 0;            // dialog units
    QChar headerJust = u'L';
    QChar dataJust = u'L';
    int headerOffset = 1;
    int dataOffset = 1;
    bool underline = false;
    bool fixed = false;       // stays in view when the list scrolls sideways
    bool border = true;       // a line on the right edge
    bool resizable = true;    // the user may drag the width
    bool designed = false;    // part of the list's designed column set
    bool viewField = true;
    bool graphOk = false;
    bool totalOk = false;     // a printed list adds up the column
    bool sortable = false;
    int sortOrder = 0;        // after activation: the number of the column's ascending order
    bool descending = false;  // current direction of the column's order
    bool hasColours = false;
    bool hasIcon = false;

    // The picture's type letter, upper case ("S" for "@s20"); the list shows
    // an empty picture as "@S20".
    QChar PictureType() const;
};

} // namespace vl
