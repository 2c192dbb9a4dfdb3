#pragma once
// The category form ("Update Category"): one entry, "&Category:". OK adds,
// renames or deletes the category (CategoryStore.h): a category in use is
// neither renamed nor deleted, and a refused change leaves the form open.
// Window-modal to the list that opens it.

#include "core/dictionary/CategoryRecords.h"
#include "windows/pim/CategoryNameForm.h"

namespace vl {

inline constexpr char kUpdateCategoriesProcedure[] = "UpdateCategories";

class UpdateCategories : public CategoryFormOf<CategoriesRecord> {
    Q_OBJECT
public:
    UpdateCategories(FormRequest request, const CategoriesRecord& category, QWidget* parent = nullptr);
    ~UpdateCategories() override;

private:
    bool opened_ = false;
};

} // namespace vl
