#pragma once
// The category pick list ("Select a Category"): the categories in name
// order with a locator; "&Select" (also Enter and a double click) closes it
// with the highlighted category, "Cancel" with none. Window-modal to the
// window that asks; every request opens it.

#include "core/dictionary/CategoryRecords.h"

#include <QDialog>

#include <memory>

class QPushButton;

namespace vl {

class BrowseList;
class BrowseModel;

inline constexpr char kSelectCategoriesProcedure[] = "SelectCategories";

class SelectCategories : public QDialog {
    Q_OBJECT
public:
    explicit SelectCategories(QWidget* parent = nullptr);
    ~SelectCategories() override;

    // The category chosen (after "&Select").
    const CategoriesRecord& Chosen() const { return chosen_; }

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
    CategoriesRecord chosen_;
};

} // namespace vl
