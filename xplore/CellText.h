#pragma once
// What a list cell shows of a value: one line. A text that holds line breaks
// (a description pasted from several lines) shows them as spaces, so the row
// reads as one line instead of two halves cut by the row's height. Only the
// text shown changes; the value stays as stored.

#include <QString>

namespace vl {

// Each line break (CR LF, CR, LF, vertical tab, form feed, next line, line or
// paragraph separator) becomes one space.
QString CellLine(const QString& text);

} // namespace vl
