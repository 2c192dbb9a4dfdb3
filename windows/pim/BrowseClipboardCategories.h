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

#include "windows/lists/CategoryWindow.h"

namespace vl {

inline constexpr char kBrowseClipboardCategoriesProcedure[] = "BrowseClipboardCategories";
inline constexpr char kClipboardEntriesCaption[] = "Clipboard Entries for Highlighted Category";

class BrowseClipboardCategories : public CategoryWindow {
    Q_OBJECT
public:
    explicit BrowseClipboardCategories(QWidget* parent = nullptr);

    BrowseList* EntryList() const { return items_.List(); }
    BrowseModel* EntryModel() const { return &items_.Model(); }
    const BrowseButtons& EntryButtons() const { return items_.Buttons(); }
};

} // namespace vl
