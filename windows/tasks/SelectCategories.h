#pragma once
// The category pick list ("Select a Category"): the categories in name
// order with a locator; "&Select" (also Enter and a double click) closes it
// with the highlighted category, "Cancel" with none. Window-modal to the
// window that asks; every request opens it.

#include "core/dictionary/CategoryRecords.h"
#include "windows/pim/CategoryPickList.h"

namespace vl {

inline constexpr char kSelectCategoriesProcedure[] = "SelectCategories";

class SelectCategories : public CategoryPickOf<CategoriesRecord> {
    Q_OBJECT
public:
    explicit SelectCategories(QWidget* parent = nullptr);
};

} // namespace vl
