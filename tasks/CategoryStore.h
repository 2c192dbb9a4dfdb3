#pragma once
// Storing task categories from the category form. Names compare without
// regard to case, so "Work" and "WORK" are one category. A category that any
// task uses can be neither renamed nor deleted: the relation from Categories
// to Schedule refuses with its own message and leaves everything as it was.

#include "core/dictionary/CategoryRecords.h"
#include "platform/ui/FormRequest.h"

#include <QString>

namespace vl {

inline constexpr char kCategoryCaption[] = "Update Category";
inline constexpr char kCategoryNoNameText[] = "Enter the category's name.";

// "The category "Work" already exists."
QString CategoryTakenText(const QString& name);

// Completes the category form's request on the program's Categories table
// (open): adds the category, renames it (before: the record as read) or
// deletes it. A blank name, a name already taken, a category in use or a
// file error is shown to the user and gives false; a refused rename gets its
// old name back in category.
bool StoreCategory(FormRequest request, CategoriesRecord& category, const CategoriesRecord& before);

} // namespace vl
