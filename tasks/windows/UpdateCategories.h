#pragma once
// The category form ("Update Category"): one entry, "&Category:". OK adds,
// renames or deletes the category (CategoryStore.h): a category in use is
// neither renamed nor deleted, and a refused change leaves the form open.
// Window-modal to the list that opens it.

#include "core/dictionary/CategoryRecords.h"
#include "platform/ui/FormRequest.h"

#include <QDialog>

class QLineEdit;
class QPushButton;

namespace vl {

inline constexpr char kUpdateCategoriesProcedure[] = "UpdateCategories";

class UpdateCategories : public QDialog {
    Q_OBJECT
public:
    UpdateCategories(FormRequest request, const CategoriesRecord& category, QWidget* parent = nullptr);
    ~UpdateCategories() override;

    // The category as stored (after OK) or as the form opened with.
    const CategoriesRecord& Record() const { return category_; }

    QLineEdit* NameEntry() const { return name_; }
    QPushButton* OkButton() const { return ok_; }
    QPushButton* CancelButton() const { return cancel_; }

    void accept() override; // "&OK"

private:
    FormRequest request_;
    CategoriesRecord category_;
    bool opened_ = false;
    QLineEdit* name_ = nullptr;
    QPushButton* ok_ = nullptr;
    QPushButton* cancel_ = nullptr;
};

} // namespace vl
