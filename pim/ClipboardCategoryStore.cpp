#include "pim/ClipboardCategoryStore.h"

#include "pim/CategoryNameStore.h"

namespace vl {

namespace {

const CategoryNameTexts kClipboardCategoryTexts{kClipboardCategoryCaption, "clipboard category"};

} // namespace

QString ClipboardCategoryTakenText(const QString& name)
{
    return CategoryTakenText(kClipboardCategoryTexts, name);
}

bool StoreClipboardCategory(FormRequest request, ClipboardCategoriesRecord& category,
                            const ClipboardCategoriesRecord& before)
{
    return StoreCategoryName(Tables().ClipboardCategories, &ClipboardCategoriesRecord::CATEGORY,
                             kClipboardCategoryTexts, request, category, before);
}

} // namespace vl
