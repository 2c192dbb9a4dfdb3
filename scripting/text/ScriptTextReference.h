#pragma once
// The reference of the script text window: the command forms, key names and
// keyword names a user picks from to build one line of script text, and the
// bracketed groups the picks append to it.

#include <QString>
#include <QStringList>

namespace vl {

// One line of each command, with placeholders for its values.
const QStringList& ScriptCommandTemplates();
// "(none)" first, then the modifier words of a key group.
const QStringList& ScriptKeyModifiers();
// The keys a group offers: a to z, then the named keys.
const QStringList& ScriptReferenceKeys();
// The keyword names a group offers.
const QStringList& ScriptReferenceKeywords();

// "[Ctrl-s]" for a modifier and a key; "[s]" without a modifier or with
// "(none)"; empty without a key.
QString ScriptKeyGroup(const QString& modifier, const QString& key);
// "[TODAY]"; empty without a name.
QString ScriptKeywordGroup(const QString& name);

} // namespace vl
