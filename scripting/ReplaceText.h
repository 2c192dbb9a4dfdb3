#pragma once
// Replacing every occurrence of a text inside a fixed-length text variable.

#include <QString>

namespace vl {

// Treats text as a variable of width characters (cut or blank-padded to it)
// and replaces occurrences of search by replacement, walking the start
// position from the last character to the first: a replacement lands behind
// the walk, so a search text of one character never meets inserted text
// again (a longer one is compared with what the variable holds at that
// moment). After each replacement the variable is cut or padded to width
// again: it never grows. With ignoreCase a match may also differ in case. An
// empty search text replaces nothing. text comes back exactly width
// characters long.
void ReplaceText(QString& text, int width, const QString& search, const QString& replacement,
                 bool ignoreCase);

} // namespace vl
