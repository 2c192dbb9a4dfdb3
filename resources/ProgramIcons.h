#pragma once
// The program's icons. Windows, menus and the tray name an icon as its file
// was once called ("tray.ico", "~wrka.ico", "WIZARD.ICO") or by its resource
// name ("tray_ico"); every such spelling finds the same icon.

#include <QIcon>
#include <QString>

namespace vl {

// The resource name of an icon file name: when the clipped name is longer
// than four characters and its fourth-last character is ".", that character
// becomes "_" ("tray.ico" -> "tray_ico"); any other name is only clipped.
QString IconResourceName(const QString& iconName);

// The icon of that name, rendered crisply at every size asked for; an empty
// icon when the program has none of that name. Letter case, a leading "~"
// and "." or "_" before the extension do not matter.
QIcon LoadIcon(const QString& name);
bool HasIcon(const QString& name);

} // namespace vl
