#pragma once
// The contact categories ("Contact Categories"): the categories above, the
// contacts of the highlighted category below ("Contacts for Highlighted
// Category", by last name, typing locates a last name). "&New", "&Edit" and
// "&Delete" open the category form (a category that contacts use is neither
// renamed nor deleted); "New", "Cop&y", "Edit" and "Delete" open the contact
// form ("New" starts the contact in the highlighted category). Both lists
// keep their layouts, and the window its place, under
// "BrowseContactCategories2Pane". One window at a time: the frame's menu
// brings an open one forward, with the focus on the categories.

#include "core/dictionary/ContactRecord.h"
#include "platform/browse/BrowseModel.h"
#include "platform/ui/FormRequest.h"
#include "platform/viewcopy/ViewCopyBrowse.h"

#include <QWidget>

#include <memory>

namespace vl {

class BrowseList;
class Xplore;

inline constexpr char kBrowseContactCategoriesProcedure[] = "BrowseContactCategories2Pane";
inline constexpr char kCategoryContactsCaption[] = "Contacts for Highlighted Category";

class BrowseContactCategories2Pane : public QWidget {
    Q_OBJECT
public:
    explicit BrowseContactCategories2Pane(QWidget* parent = nullptr);
    ~BrowseContactCategories2Pane() override;

    BrowseList* CategoryList() const { return categories_; }
    BrowseList* ContactList() const { return contacts_; }
    BrowseModel* ContactModel() const { return contactModel_.get(); }
    const BrowseButtons& CategoryButtons() const { return categoryButtons_; }
    const BrowseButtons& ContactButtons() const { return contactButtons_; }
    // The category highlighted now; empty when the list has none.
    QString Category() const;

private:
    void ShowContactsOfCategory();
    void OpenCategoryForm(FormRequest request);
    void OpenContactForm(FormRequest request, bool copy);

    bool categoriesOpened_ = false;
    bool contactsOpened_ = false;
    std::unique_ptr<BrowseModel> categoryModel_;
    std::unique_ptr<BrowseModel> contactModel_;
    BrowseList* categories_ = nullptr;
    BrowseList* contacts_ = nullptr;
    BrowseButtons categoryButtons_;
    BrowseButtons contactButtons_;
    Xplore* categoryXplore_ = nullptr;
    Xplore* contactXplore_ = nullptr;
};

} // namespace vl
