#pragma once
// The columns of a list window: one table per list gives each column's
// field, header, picture, description, width and kind, and makes both the
// browse model's columns and the list enhancement's column table from it,
// so the two always agree in number and order.

#include "platform/browse/BrowseModel.h"
#include "xplore/windows/Xplore.h"

#include <QIcon>

#include <vector>

namespace vl {

// What a column is besides its field shown in its picture; or-ed together.
enum ListColumnKind : unsigned {
    kHiddenColumn = 1, // carried in the row, shown when the user asks for it
    kRightColumn = 2,  // right-justified
    // A date shown in the user's date picture (the enhancement's, and the
    // model's through SetUserDatePicture); with kBlankZeroDate the
    // enhancement's picture shows a zero date blank too.
    kUserDateColumn = 4,
    kBlankZeroDate = 8,
    kGraphColumn = 16, // the enhancement may graph it
    // A mark the window draws from the row (ComputeColumn): neither sorted
    // by nor filtered on.
    kMarkColumn = 32,
};
constexpr ListColumnKind operator|(ListColumnKind a, ListColumnKind b)
{
    return static_cast<ListColumnKind>(static_cast<unsigned>(a) | static_cast<unsigned>(b));
}

struct ListColumn {
    const char* field;
    const char* header;
    const char* picture;
    const char* description;
    int width; // dialog units
    ListColumnKind kind = {};
};

std::vector<BrowseColumn> BrowseColumnsOf(const std::vector<ListColumn>& columns);

// A column of the model shown from the row by compute (and look) rather than
// as its field in its picture.
void ComputeColumn(BrowseColumn& column, std::function<FieldValue(const ViewRow&)> compute,
                   std::function<QVariant(const ViewRow&, int role)> look = {});

// The column shown as a mark: no text, the icon on while its field is not
// zero, else off.
void ShowAsMark(BrowseColumn& column, const TableDef& table, const QIcon& on, const QIcon& off);
// The text column's first length characters on one line (line ends shown
// as blanks).
void ShowOnOneLine(BrowseColumn& column, const TableDef& table, int length,
                   std::function<QVariant(const ViewRow&, int role)> look = {});

// A list enhancement whose column table is given.
class ColumnTableXplore : public Xplore {
public:
    ColumnTableXplore(const std::vector<ListColumn>& columns, QObject* parent);

protected:
    std::vector<ColumnDefinition> DefineColumns() override { return definitions_; }

private:
    std::vector<ColumnDefinition> definitions_;
};

} // namespace vl
