#include "windows/tasks/UpdateCategories.h"

#include "core/dictionary/Dictionary.h"
#include "tasks/CategoryStore.h"

namespace vl {

namespace {

constexpr int kNameWidth = 20;

} // namespace

UpdateCategories::UpdateCategories(FormRequest request, const CategoriesRecord& category, QWidget* parent)
    : CategoryFormOf(request, category, &CategoriesRecord::Category, &StoreCategory,
                     {kUpdateCategoriesProcedure, QStringLiteral("New Category"), QStringLiteral("Edit Category"),
                      QString(), kNameWidth},
                     parent)
{
    opened_ = OpenTable(Tables().Categories);
}

UpdateCategories::~UpdateCategories()
{
    if (opened_)
        Tables().Categories.Close();
}

} // namespace vl
