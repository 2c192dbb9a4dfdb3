#pragma once
// The clipboard category pick list ("Select a Category"): the clipboard
// categories in name order with a locator; "&Select" (also Enter and a
// double click) closes it with the highlighted category, "Cancel" with none.
// Window-modal to the entry form that asks.

#include "core/dictionary/CategoryRecords.h"

#include <QDialog>

#include <memory>

class QPushButton;

namespace vl {

class BrowseList;
class BrowseModel;

inline constexpr char kSelectClipboardCategoryProcedure[] = "SelectClipboardCategory";

class SelectClipboardCategory : public QDialog {
    Q_OBJECT
public:
    // Opens with the category highlighted, or the one after its place.
    explicit SelectClipboardCategory(const QString& category, QWidget* parent = nullptr);
    ~SelectClipboardCategory() override;

    // The category chosen (after "&Select").
    QString Chosen() const { return chosen_.CATEGORY; }

    BrowseList* List() const { return list_; }
    QPushButton* SelectButton() const { return select_; }

private:
    void Select();

    bool opened_ = false;
    std::unique_ptr<BrowseModel> model_;
    BrowseList* list_ = nullptr;
    QPushButton* select_ = nullptr;
    ClipboardCategoriesRecord chosen_;
};

} // namespace vl
