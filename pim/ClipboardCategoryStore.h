#pragma once
// Storing what the clipboard category form asks for, on the program's
// ClipboardCategories table (open, with Clipboard for the relation).
// A blank, overlong or taken name is refused with a message; a renamed
// category takes its entries along; a category that entries use is not
// deleted (the relation refuses with its own message).

#include "core/dictionary/CategoryRecords.h"
#include "platform/ui/FormRequest.h"

#include <QString>

namespace vl {

inline constexpr char kClipboardCategoryCaption[] = "Update Clipboard Category";

// "The clipboard category "Work" already exists."
QString ClipboardCategoryTakenText(const QString& name);

// Adds, renames (before: the record as read) or deletes the category. A
// refusal or failure is shown to the user and gives false; a refused rename
// gets its old name back in category.
bool StoreClipboardCategory(FormRequest request, ClipboardCategoriesRecord& category,
                            const ClipboardCategoriesRecord& before);

} // namespace vl
