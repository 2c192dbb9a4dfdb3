#pragma once
// The text "&Copy to Clipboard" of the contacts list puts on the clipboard:
// thirteen lines, each ended by a carriage return and a line feed (the last
// one too) and without trailing blanks: last name, first name, the three
// address lines, the postal code, then "Work Phone: ", "Home Phone: ",
// "Fax: ", "Other Phone: ", "Email: ", "Web Site: " and "Category: " each
// followed by its value. An empty value leaves its line empty, or its label
// alone ("Fax:"); no line is ever left out, so the lines keep their places.

#include "core/dictionary/ContactRecord.h"

#include <QString>

namespace vl {

QString ContactClipboardText(const ContactRecord& contact);

} // namespace vl
