#pragma once
// The contact-category form ("New Contact Category", "Edit Contact
// Category", "View ...", "Delete ..."): one entry, "&Category:". OK adds,
// renames or deletes the category (ContactStore.h); a refused change leaves
// the form open with what was typed. Ctrl+` puts back the name this form
// last saved. Window-modal to the window that opens it.

#include "core/dictionary/CategoryRecords.h"
#include "platform/ui/FormRequest.h"

#include <QDialog>
#include <QKeySequence>

class QLineEdit;
class QPushButton;

namespace vl {

inline constexpr char kUpdateContactCategoriesProcedure[] = "UpdateContactCategories";
// The key that puts a field's value from the last record the form saved back.
inline const QKeySequence kContactHistoryKey{Qt::CTRL | Qt::Key_QuoteLeft};

class UpdateContactCategories : public QDialog {
    Q_OBJECT
public:
    UpdateContactCategories(FormRequest request, const ContactCategoriesRecord& category, QWidget* parent = nullptr);
    ~UpdateContactCategories() override;

    // The category as stored (after OK) or as the form opened with.
    const ContactCategoriesRecord& Record() const { return category_; }

    QLineEdit* NameEntry() const { return name_; }
    QPushButton* OkButton() const { return ok_; }
    QPushButton* CancelButton() const { return cancel_; }

    void accept() override; // "&OK"

private:
    FormRequest request_;
    ContactCategoriesRecord category_;
    bool opened_ = false;
    QLineEdit* name_ = nullptr;
    QPushButton* ok_ = nullptr;
    QPushButton* cancel_ = nullptr;
};

} // namespace vl
