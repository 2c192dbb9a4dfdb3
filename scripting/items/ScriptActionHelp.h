#pragma once
// The help paragraph the item editor shows under the page of each action.

#include <QString>
#include <QStringView>

namespace vl {

// The paragraph of a stored action (older names included); blank for
// "...End If" and any text that names no action.
QString ScriptActionHelp(QStringView action);

} // namespace vl
