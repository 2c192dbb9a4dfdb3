#pragma once
// The clipboard category form ("Add Clipboard Category", "Change Clipboard
// Category", "View ...", "Delete ..."): one entry, "&Category:". OK adds,
// renames (the entries of the category follow) or deletes it
// (ClipboardCategoryStore.h); a refused change leaves the form open with
// what was typed. Ctrl+' puts back the name this form last saved.
// Window-modal to the window that opens it.

#include "core/dictionary/CategoryRecords.h"
#include "platform/ui/FormRequest.h"

#include <QDialog>

class QLineEdit;
class QPushButton;

namespace vl {

inline constexpr char kUpdateClipboardCategoriesProcedure[] = "UpdateClipboardCategories";

class UpdateClipboardCategories : public QDialog {
    Q_OBJECT
public:
    UpdateClipboardCategories(FormRequest request, const ClipboardCategoriesRecord& category,
                              QWidget* parent = nullptr);
    ~UpdateClipboardCategories() override;

    // The category as stored (after OK) or as the form opened with.
    const ClipboardCategoriesRecord& Record() const { return category_; }

    QLineEdit* NameEntry() const { return name_; }
    QPushButton* OkButton() const { return ok_; }
    QPushButton* CancelButton() const { return cancel_; }

    void accept() override; // "&OK"

private:
    FormRequest request_;
    ClipboardCategoriesRecord category_;
    bool categoriesOpened_ = false;
    bool clipboardOpened_ = false;
    QLineEdit* name_ = nullptr;
    QPushButton* ok_ = nullptr;
    QPushButton* cancel_ = nullptr;
};

} // namespace vl
