#include "windows/pim/UpdateClipboardCategories.h"

#include "core/dictionary/Dictionary.h"
#include "pim/ClipboardCategoryStore.h"
#include "windows/pim/FieldHistoryKey.h"

namespace vl {

namespace {

// The name the form last saved, for the history key.
QString& LastSavedName()
{
    static QString last;
    return last;
}

CategoryFormTexts ClipboardCategoryTexts()
{
    // No length limit on the entry: a longer name is refused with a message
    // on OK rather than cut while typing or pasting.
    return {kUpdateClipboardCategoriesProcedure, QStringLiteral("Add Clipboard Category"),
            QStringLiteral("Change Clipboard Category"), QStringLiteral("Category"), 0, kFieldHistoryKey,
            &LastSavedName()};
}

} // namespace

UpdateClipboardCategories::UpdateClipboardCategories(FormRequest request, const ClipboardCategoriesRecord& category,
                                                     QWidget* parent)
    : CategoryFormOf(request, category, &ClipboardCategoriesRecord::CATEGORY, &StoreClipboardCategory,
                     ClipboardCategoryTexts(), parent)
{
    // The entries are read and changed along with their category.
    Dictionary& tables = Tables();
    categoriesOpened_ = OpenTable(tables.ClipboardCategories);
    clipboardOpened_ = OpenTable(tables.Clipboard);
}

UpdateClipboardCategories::~UpdateClipboardCategories()
{
    Dictionary& tables = Tables();
    if (clipboardOpened_)
        tables.Clipboard.Close();
    if (categoriesOpened_)
        tables.ClipboardCategories.Close();
}

} // namespace vl
