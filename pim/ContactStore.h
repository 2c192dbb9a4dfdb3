#pragma once
// Storing what the contact form and the contact-category form ask for, on
// the program's Contact and ContactCategories tables (open).
//
// Nothing is ever cut to fit: a value longer than its field holds is
// refused with a message naming the field, so the form stays open with
// everything typed. A change of a contact that another window or program
// deleted meanwhile asks whether to save it as a new contact instead.
// Category names compare without regard to case; a category that contacts
// use can be neither renamed nor deleted (the relation from
// ContactCategories to Contact refuses with its own message).

#include "core/dictionary/CategoryRecords.h"
#include "core/dictionary/ContactRecord.h"
#include "platform/ui/FormRequest.h"

#include <QString>

namespace vl {

inline constexpr char kContactCaption[] = "Update Contact";
inline constexpr char kContactCategoryCaption[] = "Update Contact Category";
inline constexpr char kContactGoneText[] =
    "This contact has been deleted meanwhile by another window or program. Save it as a new contact?";

// "Last Name holds at most 30 characters; the text entered has 35. Shorten
// it and press OK again." for the first field of the contact that is too
// long; empty when every field fits.
QString OverlongContactField(const ContactRecord& contact);

// Adds (a copy gets a number of its own), changes or deletes the contact.
// A refusal or failure is shown to the user and gives false.
bool StoreContact(FormRequest request, ContactRecord& contact);

// "The contact category "Family" already exists."
QString ContactCategoryTakenText(const QString& name);

// Whether a category of that name (without regard to case) exists.
bool ContactCategoryExists(const QString& name);

// Adds, renames (before: the record as read) or deletes the category. A
// blank or overlong name, a name already taken, a category in use or a file
// error is shown to the user and gives false; a refused rename gets its old
// name back in category.
bool StoreContactCategory(FormRequest request, ContactCategoriesRecord& category,
                          const ContactCategoriesRecord& before);

} // namespace vl
