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

#include "platform/browse/BrowseModel.h"
#include "platform/ui/FormRequest.h"
#include "platform/viewcopy/ViewCopyBrowse.h"

#include <QWidget>

#include <memory>

namespace vl {

class BrowseList;
class Xplore;

inline constexpr char kBrowseClipboardCategoriesProcedure[] = "BrowseClipboardCategories";
inline constexpr char kClipboardEntriesCaption[] = "Clipboard Entries for Highlighted Category";

class BrowseClipboardCategories : public QWidget {
    Q_OBJECT
public:
    explicit BrowseClipboardCategories(QWidget* parent = nullptr);
    ~BrowseClipboardCategories() override;

    BrowseList* CategoryList() const { return categories_; }
    BrowseList* EntryList() const { return entries_; }
    BrowseModel* EntryModel() const { return entryModel_.get(); }
    const BrowseButtons& CategoryButtons() const { return categoryButtons_; }
    const BrowseButtons& EntryButtons() const { return entryButtons_; }
    // The category highlighted now; empty when the list has none.
    QString Category() const;

private:
    void ShowEntriesOfCategory();
    void OpenCategoryForm(FormRequest request);
    void OpenEntryForm(FormRequest request);

    bool categoriesOpened_ = false;
    bool clipboardOpened_ = false;
    std::unique_ptr<BrowseModel> categoryModel_;
    std::unique_ptr<BrowseModel> entryModel_;
    BrowseList* categories_ = nullptr;
    BrowseList* entries_ = nullptr;
    BrowseButtons categoryButtons_;
    BrowseButtons entryButtons_;
    Xplore* entryXplore_ = nullptr;
};

} // namespace vl
