#pragma once
// The contact-category picker ("Select a Category"): the categories in name
// order under the one tab "Category", typing locates a category; "&Select"
// (also Enter and a double click) closes it with the highlighted category,
// "Cancel" with none. Window-modal to the window that asks.

#include "core/dictionary/CategoryRecords.h"
#include "windows/pim/CategoryPickList.h"

namespace vl {

inline constexpr char kSelectContactCategoriesProcedure[] = "SelectContactCategories";

class SelectContactCategories : public CategoryPickOf<ContactCategoriesRecord> {
    Q_OBJECT
public:
    explicit SelectContactCategories(QWidget* parent = nullptr);
};

} // namespace vl
