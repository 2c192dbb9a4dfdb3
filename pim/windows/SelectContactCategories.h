#pragma once
// The contact-category picker ("Select a Category"): the categories in name
// order under the one tab "Category", typing locates a category; "&Select"
// (also Enter and a double click) closes it with the highlighted category,
// "Cancel" with none. Window-modal to the window that asks.

#include "core/dictionary/CategoryRecords.h"

#include <QDialog>

#include <memory>

class QPushButton;

namespace vl {

class BrowseList;
class BrowseModel;

inline constexpr char kSelectContactCategoriesProcedure[] = "SelectContactCategories";

class SelectContactCategories : public QDialog {
    Q_OBJECT
public:
    explicit SelectContactCategories(QWidget* parent = nullptr);
    ~SelectContactCategories() override;

    // The category chosen (after "&Select").
    const ContactCategoriesRecord& Chosen() const { return chosen_; }

    BrowseList* List() const { return list_; }
    QPushButton* SelectButton() const { return select_; }
    QPushButton* CancelButton() const { return cancel_; }

private:
    void Select();

    bool opened_ = false;
    std::unique_ptr<BrowseModel> model_;
    BrowseList* list_ = nullptr;
    QPushButton* select_ = nullptr;
    QPushButton* cancel_ = nullptr;
    ContactCategoriesRecord chosen_;
};

} // namespace vl
