#include "tasks/CategoryStore.h"

#include "core/dictionary/Dictionary.h"
#include "platform/runtime/FixedText.h"
#include "platform/ui/PromptService.h"

namespace vl {

namespace {

bool Refuse(const QString& text, PromptIcon icon = PromptIcon::Exclamation)
{
    Prompt::Message(text, QLatin1String(kCategoryCaption), icon);
    return false;
}

// A change that was not made: the relations' own refusal has been shown
// already (no error); a taken name and file errors are shown here.
bool ExplainFailure(const DataError& error, const QString& name)
{
    if (error.Ok())
        return false;
    if (error.code == kDuplicateKey)
        return Refuse(CategoryTakenText(name));
    return Refuse(error.Describe(), PromptIcon::Stop);
}

} // namespace

QString CategoryTakenText(const QString& name)
{
    return QStringLiteral("The category \"%1\" already exists.").arg(Clip(name));
}

bool StoreCategory(FormRequest request, CategoriesRecord& category, const CategoriesRecord& before)
{
    Dictionary& tables = Tables();
    if (request == FormRequest::Delete)
        return tables.Relations.Delete(tables.Categories, before) ||
               ExplainFailure(tables.Relations.LastError(), before.Category);
    const QString name = category.Category;
    if (name.trimmed().isEmpty())
        return Refuse(QLatin1String(kCategoryNoNameText));
    if (request == FormRequest::Insert)
        return tables.Categories.Add(category) || ExplainFailure(tables.Categories.LastError(), name);
    return tables.Relations.Update(tables.Categories, category, before) ||
           ExplainFailure(tables.Relations.LastError(), name);
}

} // namespace vl
