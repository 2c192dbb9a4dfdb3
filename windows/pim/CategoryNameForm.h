#pragma once
// The form of a one-field category (task, contact and clipboard categories):
// one entry, "&Category:", with "&OK" and "Cancel", laid out and made
// read-only by the request. OK stores the typed name through the category's
// store function; a refused change leaves the form open with the name the
// store gives back. A form may offer a history key that puts back the name
// it last saved. Window-modal to the window that opens it.

#include "platform/runtime/FixedText.h"
#include "platform/ui/FormRequest.h"

#include <QDialog>
#include <QKeySequence>

class QLineEdit;
class QPushButton;

namespace vl {

// What sets one category form apart from another.
struct CategoryFormTexts {
    const char* procedure;     // window name and position key
    QString insertCaption;     // "New Category"
    QString changeCaption;     // "Edit Category"
    QString statusTip;         // the entry's status tip, on a status line; neither when empty
    int maxLength = 0;         // the entry's length limit; none when 0
    QKeySequence historyKey{}; // puts back the name last saved; none when empty
    QString* lastSaved = nullptr; // where the form keeps that name
};

class CategoryNameForm : public QDialog {
    Q_OBJECT
public:
    QLineEdit* NameEntry() const { return name_; }
    QPushButton* OkButton() const { return ok_; }
    QPushButton* CancelButton() const { return cancel_; }

    void accept() override; // "&OK"

protected:
    CategoryNameForm(FormRequest request, const QString& name, const CategoryFormTexts& texts, QWidget* parent);

    FormRequest Request() const { return request_; }

    // Stores the category with the name typed (not for a deletion); true when
    // stored. Afterwards name holds the category's name as it now stands.
    virtual bool Store(QString& name) = 0;

private:
    FormRequest request_;
    QString* lastSaved_ = nullptr;
    QLineEdit* name_ = nullptr;
    QPushButton* ok_ = nullptr;
    QPushButton* cancel_ = nullptr;
};

// The form over the category record R, whose name is the field R::*field;
// store adds, renames or deletes it as the request says.
template <class R>
class CategoryFormOf : public CategoryNameForm {
public:
    using StoreFunction = bool (*)(FormRequest, R&, const R&);

    // The category as stored (after OK) or as the form opened with.
    const R& Record() const { return category_; }

protected:
    CategoryFormOf(FormRequest request, const R& category, QString R::*field, StoreFunction store,
                   const CategoryFormTexts& texts, QWidget* parent)
        : CategoryNameForm(request, Clip(category.*field), texts, parent), category_(category), field_(field),
          store_(store)
    {
    }

private:
    bool Store(QString& name) override
    {
        R edited = category_;
        if (Request() != FormRequest::Delete)
            edited.*field_ = name;
        const bool stored = store_(Request(), edited, category_);
        if (stored)
            category_ = edited;
        name = Clip(edited.*field_);
        return stored;
    }

    R category_;
    QString R::*field_;
    StoreFunction store_;
};

} // namespace vl
