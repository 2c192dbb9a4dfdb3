#pragma once
// The pick list of a one-field category ("Select a Category"): the
// categories in name order with a locator; "&Select" (also Enter and a
// double click) closes it with the highlighted category, "Cancel" with none.
// Window-modal to the window that asks.

#include "core/dictionary/Dictionary.h"
#include "platform/browse/BrowseModel.h"

#include <QDialog>
#include <QSize>

#include <functional>
#include <memory>

class QPushButton;

namespace vl {

class BrowseList;

// What sets one pick list apart from another.
struct CategoryPickTexts {
    const char* procedure; // window name and position key
    QString field;         // the column's field, "CAT:Category"
    QString statusTip;     // the list's status tip, on a status line; neither when empty
    QSize size;            // the window's first size
    // Puts the list into the window; returns what the window shows (the list
    // itself when null).
    std::function<QWidget*(QWidget* list)> body;
};

class CategoryPickList : public QDialog {
    Q_OBJECT
public:
    BrowseList* List() const { return list_; }
    QPushButton* SelectButton() const { return select_; }
    QPushButton* CancelButton() const { return cancel_; }

protected:
    // Opens the table and shows it in the order of key.
    CategoryPickList(TableFile& table, KeyRef key, const CategoryPickTexts& texts, QWidget* parent);
    ~CategoryPickList() override;

    // Takes the category of the row as the one chosen; false when there is none.
    virtual bool Choose(int row) = 0;

    std::unique_ptr<BrowseModel> model_;

private:
    void Select();

    TableFile& table_;
    bool opened_ = false;
    BrowseList* list_ = nullptr;
    QPushButton* select_ = nullptr;
    QPushButton* cancel_ = nullptr;
};

// The pick list over the category table of records R.
template <class R>
class CategoryPickOf : public CategoryPickList {
public:
    // The category chosen (after "&Select").
    const R& Chosen() const { return chosen_; }

protected:
    CategoryPickOf(Table<R>& table, KeyRef key, const CategoryPickTexts& texts, QWidget* parent)
        : CategoryPickList(table, key, texts, parent)
    {
    }

private:
    bool Choose(int row) override { return model_->Record(row, chosen_); }

    R chosen_;
};

} // namespace vl
