#pragma once
// The columns of a list window: one table per list gives each column's
// field, header, picture, description and width, and makes both the browse
// model's columns and the list enhancement's column table from it, so the
// two always agree in number and order.

#include "platform/browse/BrowseModel.h"
#include "xplore/windows/Xplore.h"

#include <vector>

namespace vl {

struct ListColumn {
    const char* field;
    const char* header;
    const char* picture;
    const char* description;
    int width; // dialog units
    bool displayed = true;
    // A date shown in the user's date picture (the enhancement's, and the
    // model's through SetUserDatePicture).
    bool userDate = false;
    QChar justification = u'L';
};

std::vector<BrowseColumn> BrowseColumnsOf(const std::vector<ListColumn>& columns);

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
