#pragma once
// Storing a one-field category (contact or clipboard categories) for its
// form: added, renamed or deleted through the table's relations.
//
// A blank name, one longer than the field holds and one already taken
// (without regard to case) are refused with a message, as is a file error;
// the relations refuse with their own message (a category in use). A
// refused rename gets its old name back.

#include "core/dictionary/Dictionary.h"
#include "platform/data/DataError.h"
#include "platform/runtime/FixedText.h"
#include "platform/ui/FormRequest.h"

#include <QString>

namespace vl {

// How a kind of category is named in the messages.
struct CategoryNameTexts {
    const char* caption; // "Update Contact Category"
    const char* kind;    // "contact category"
};

inline constexpr char kCategoryNoNameText[] = "Enter the category's name.";

// "The contact category "Family" already exists."
QString CategoryTakenText(const CategoryNameTexts& texts, const QString& name);

// Whether the name may be stored (not blank, not longer than width); when
// not, the user has been told.
bool CategoryNameFits(const CategoryNameTexts& texts, const QString& name, int width);

// A change that was not made: the relations' own refusal has been shown
// already (no error); a taken name and file errors are shown here. False.
bool ExplainCategoryFailure(const CategoryNameTexts& texts, const DataError& error, const QString& name);

template <class R>
bool StoreCategoryName(Table<R>& table, QString R::*name, const CategoryNameTexts& texts, FormRequest request,
                       R& category, const R& before)
{
    RelationSet& relations = Tables().Relations;
    if (request == FormRequest::Delete)
        return relations.Delete(table, before) ||
               ExplainCategoryFailure(texts, relations.LastError(), before.*name);
    const QString typed = Clip(category.*name);
    if (!CategoryNameFits(texts, typed, table.Definition().Fields().at(0).size))
        return false;
    if (request == FormRequest::Insert)
        return table.Add(category) || ExplainCategoryFailure(texts, table.LastError(), typed);
    return relations.Update(table, category, before) || ExplainCategoryFailure(texts, relations.LastError(), typed);
}

} // namespace vl
