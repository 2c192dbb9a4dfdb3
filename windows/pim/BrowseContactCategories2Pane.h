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

#include "windows/lists/CategoryWindow.h"

namespace vl {

inline constexpr char kBrowseContactCategoriesProcedure[] = "BrowseContactCategories2Pane";
inline constexpr char kCategoryContactsCaption[] = "Contacts for Highlighted Category";

class BrowseContactCategories2Pane : public CategoryWindow {
    Q_OBJECT
public:
    explicit BrowseContactCategories2Pane(QWidget* parent = nullptr);

    BrowseList* ContactList() const { return items_.List(); }
    BrowseModel* ContactModel() const { return &items_.Model(); }
    const BrowseButtons& ContactButtons() const { return items_.Buttons(); }

private:
    void OpenContactForm(FormRequest request, bool copy);
};

} // namespace vl
