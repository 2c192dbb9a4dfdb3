#pragma once
// The columns of the lists that show contacts: one table per list gives each
// column's field, header, picture, description and width, and makes both the
// browse model's columns and the list enhancement's column table from it, so
// the two always agree in number and order.

#include "platform/browse/BrowseModel.h"
#include "xplore/windows/Xplore.h"

#include <vector>

namespace vl {

struct ContactColumn {
    const char* field;
    const char* header;
    const char* picture;
    const char* description;
    int width; // dialog units
    bool displayed = true;
};

// The contacts list's: last name, first name, e-mail, the phones, the
// category, the address, and the contact ID (not shown).
const std::vector<ContactColumn>& ContactListColumns();
// The contacts pane of the contact categories: first and last name, e-mail,
// address, phones; the contact ID and category are not shown.
const std::vector<ContactColumn>& CategoryContactColumns();

std::vector<BrowseColumn> BrowseColumnsOf(const std::vector<ContactColumn>& columns);

// A list enhancement whose column table is given.
class ColumnTableXplore : public Xplore {
public:
    ColumnTableXplore(const std::vector<ContactColumn>& columns, QObject* parent);

protected:
    std::vector<ColumnDefinition> DefineColumns() override { return definitions_; }

private:
    std::vector<ColumnDefinition> definitions_;
};

} // namespace vl
