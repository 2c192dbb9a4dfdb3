#include "windows/pim/UpdateContactCategories.h"

#include "core/dictionary/Dictionary.h"
#include "pim/ContactStore.h"

namespace vl {

namespace {

// The name the form last saved, for the history key.
QString& LastSavedName()
{
    static QString last;
    return last;
}

CategoryFormTexts ContactCategoryTexts()
{
    // No length limit on the entry: a longer name is refused with a message
    // on OK rather than cut while typing or pasting.
    return {kUpdateContactCategoriesProcedure, QStringLiteral("New Contact Category"),
            QStringLiteral("Edit Contact Category"), QStringLiteral("Contact Category"), 0, kContactHistoryKey,
            &LastSavedName()};
}

} // namespace

UpdateContactCategories::UpdateContactCategories(FormRequest request, const ContactCategoriesRecord& category,
                                                 QWidget* parent)
    : CategoryFormOf(request, category, &ContactCategoriesRecord::CONTACTCATEGORY, &StoreContactCategory,
                     ContactCategoryTexts(), parent)
{
    opened_ = OpenTable(Tables().ContactCategories);
}

UpdateContactCategories::~UpdateContactCategories()
{
    if (opened_)
        Tables().ContactCategories.Close();
}

} // namespace vl
