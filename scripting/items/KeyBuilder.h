#pragma once
// The key builder of the "Send Keys" page: a key combination or a keyword
// appended to the keystrokes as a bracketed group ("[CtrlShift-F5]",
// "[ENTER]", "[TODAY]").

#include <QString>
#include <QStringList>

namespace vl {

// The modifiers (the first is none), the keys and the keywords offered.
const QStringList& KeyBuilderModifiers();
const QStringList& KeyBuilderKeys();
const QStringList& KeyBuilderKeywords();

// The keystrokes without their trailing blanks, followed by "[modifier-key]",
// or "[key]" when no modifier is chosen. A blank key appends nothing.
QString AppendKeyCode(const QString& keystrokes, const QString& modifier, const QString& key);
// The keystrokes without their trailing blanks, followed by "[keyword]"; a
// blank keyword appends nothing.
QString AppendKeyword(const QString& keystrokes, const QString& keyword);

} // namespace vl
