#pragma once
// The clipboard categories ("Clipboard Categories"): the categories above,
// the saved entries of the highlighted category below ("Clipboard Entries
// for Highlighted Category": date saved and text, by abbreviation). "&New",
// "&Edit" and "&Delete" open the category form (a renamed category takes its
// entries along; one that entries use is not deleted); "New", "Edit" and
// "Delete" open the entry form ("New" starts the entry in the highlighted
// category; a kept entry asks before it is deleted). The entries pane keeps
// its layout, and the window its place, under "BrowseClipboardCategories".
// One window at a time: the frame's menu brings an open one forward, with
// the focus on the categories.

#include "windows/lists/ListPane.h"

#include <QWidget>

namespace vl {

inline constexpr char kBrowseClipboardCategoriesProcedure[] = "BrowseClipboardCategories";
inline constexpr char kClipboardEntriesCaption[] = "Clipboard Entries for Highlighted Category";

class BrowseClipboardCategories : public QWidget {
    Q_OBJECT
public:
    explicit BrowseClipboardCategories(QWidget* parent = nullptr);

    BrowseList* CategoryList() const { return categories_.List(); }
    BrowseList* EntryList() const { return entries_.List(); }
    BrowseModel* EntryModel() const { return &entries_.Model(); }
    const BrowseButtons& CategoryButtons() const { return categories_.Buttons(); }
    const BrowseButtons& EntryButtons() const { return entries_.Buttons(); }
    // The category highlighted now; empty when the list has none.
    QString Category() const;

private:
    void ShowEntriesOfCategory();
    void OpenCategoryForm(FormRequest request);
    void OpenEntryForm(FormRequest request);

    ListPane categories_;
    ListPane entries_;
};

} // namespace vl
