#pragma once
// The contact-category form ("New Contact Category", "Edit Contact
// Category", "View ...", "Delete ..."): one entry, "&Category:". OK adds,
// renames or deletes the category (ContactStore.h); a refused change leaves
// the form open with what was typed. Ctrl+` puts back the name this form
// last saved. Window-modal to the window that opens it.

#include "core/dictionary/CategoryRecords.h"
#include "windows/pim/CategoryNameForm.h"

#include <QKeySequence>

namespace vl {

inline constexpr char kUpdateContactCategoriesProcedure[] = "UpdateContactCategories";
// The key that puts a field's value from the last record the form saved back.
inline const QKeySequence kContactHistoryKey{Qt::CTRL | Qt::Key_QuoteLeft};

class UpdateContactCategories : public CategoryFormOf<ContactCategoriesRecord> {
    Q_OBJECT
public:
    UpdateContactCategories(FormRequest request, const ContactCategoriesRecord& category, QWidget* parent = nullptr);
    ~UpdateContactCategories() override;

private:
    bool opened_ = false;
};

} // namespace vl
