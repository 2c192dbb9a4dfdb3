#pragma once
// The contact form ("New Contact", "Edit Contact", "View Contact", "Delete
// Contact"): on the tab "General" the names, the category, the address, the
// four numbers, e-mail and web site; on the tab "Notes" the notes. Every
// field may stay empty. The category is chosen from the contact categories
// or typed: a category that does not exist yet opens the category form
// primed with it when OK is pressed, and the contact is stored once that
// form has added it (cancelled: the form stays open on the category). A
// value longer than its field holds is refused with a message; nothing is
// cut. Ctrl+` puts back, into the field that has the focus, its value from
// the last contact this form saved.
//
// Window-modal to the list that opens it; OK stores the request in the
// Contact table and closes the form with the contact as stored.

#include "core/dictionary/ContactRecord.h"
#include "platform/ui/FormRequest.h"

#include <QDialog>

#include <vector>

class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;

namespace vl {

inline constexpr char kUpdateContactsProcedure[] = "UpdateContacts";

class UpdateContacts : public QDialog {
    Q_OBJECT
public:
    UpdateContacts(FormRequest request, const ContactRecord& contact, QWidget* parent = nullptr);
    ~UpdateContacts() override;

    // The contact as stored (after OK) or as the form opened with.
    const ContactRecord& Record() const { return contact_; }

    // The entry of a field ("C_:LastName"); nullptr for the category and the notes.
    QLineEdit* Entry(const QString& field) const;
    QComboBox* CategoryBox() const { return category_; }
    QPlainTextEdit* NotesBox() const { return notes_; }
    QTabWidget* Sheet() const { return sheet_; }
    QPushButton* OkButton() const { return ok_; }
    QPushButton* CancelButton() const { return cancel_; }

    void accept() override; // "&OK"

private:
    ContactRecord Edited() const;
    void Show(const ContactRecord& contact);
    void PutBackLastSaved();
    // A typed category that does not exist: asks the category form to add it.
    void AddTypedCategory(const QString& name);
    void FillCategories();

    FormRequest request_;
    ContactRecord contact_;
    bool contactsOpened_ = false;
    bool categoriesOpened_ = false;
    struct FieldEntry {
        QString field; // "C_:LastName"
        QString ContactRecord::*member;
        QLineEdit* edit;
    };
    std::vector<FieldEntry> entries_;
    QComboBox* category_ = nullptr;
    QPlainTextEdit* notes_ = nullptr;
    QTabWidget* sheet_ = nullptr;
    QPushButton* ok_ = nullptr;
    QPushButton* cancel_ = nullptr;
};

} // namespace vl
