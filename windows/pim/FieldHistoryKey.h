#pragma once
// The key of the record forms of the to-do list and the clipboard saver
// that puts back, into the field that has the focus, its value from the last
// record the form saved.

#include <QKeySequence>

namespace vl {

inline const QKeySequence kFieldHistoryKey{Qt::CTRL | Qt::Key_Apostrophe};

} // namespace vl
