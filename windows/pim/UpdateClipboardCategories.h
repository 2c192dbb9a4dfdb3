#pragma once
// The clipboard category form ("Add Clipboard Category", "Change Clipboard
// Category", "View ...", "Delete ..."): one entry, "&Category:". OK adds,
// renames (the entries of the category follow) or deletes it
// (ClipboardCategoryStore.h); a refused change leaves the form open with
// what was typed. Ctrl+' puts back the name this form last saved.
// Window-modal to the window that opens it.

#include "core/dictionary/CategoryRecords.h"
#include "windows/pim/CategoryNameForm.h"

namespace vl {

inline constexpr char kUpdateClipboardCategoriesProcedure[] = "UpdateClipboardCategories";

class UpdateClipboardCategories : public CategoryFormOf<ClipboardCategoriesRecord> {
    Q_OBJECT
public:
    UpdateClipboardCategories(FormRequest request, const ClipboardCategoriesRecord& category,
                              QWidget* parent = nullptr);
    ~UpdateClipboardCategories() override;

private:
    bool categoriesOpened_ = false;
    bool clipboardOpened_ = false;
};

} // namespace vl
