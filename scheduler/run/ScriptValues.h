#pragma once
// The script steps' named values: "Set Value" stores one, every service that
// publishes a result stores its own, and "If Value..." compares one with a
// text. Values live in the program's ScriptVariables.

#include <QString>

namespace vl {

// Stores the value under the name: the value with its bracketed keywords
// expanded, computed when it then begins with "=" (left as expanded when the
// computation fails).
void SetScriptValue(const QString& name, const QString& value);

// Whether the named value compares with compareTo by the operator ("=",
// "<", "<=", "=>", ">", "<>"; anything else is false). The name is a
// keyword, a variable or an "=" expression; a compareTo that begins with
// "[" is expanded first. Numbers are compared when either side reads as a
// non-zero number or the name is one of the numeric results (FileExists,
// FileSize, FileDate, Date, FileTime, Time, or any name holding "#"); texts
// otherwise, case significant and trailing blanks ignored.
bool TestScriptValue(const QString& name, const QString& op, const QString& compareTo);

} // namespace vl
