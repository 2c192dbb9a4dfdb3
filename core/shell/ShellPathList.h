#pragma once
// The path texts a shell file operation is given: one path, or a list of
// paths separated by ";" or "|" ("a.txt; b.txt").

#include <QString>
#include <QStringList>

namespace vl {

// Splits and normalises a path text.
// - A text holding ";", "|" or a NUL is a list: "| ", "; ", "|" and ";" each
//   separate two names. Each name is clipped of trailing blanks; empty names
//   are left out rather than ending the list early.
// - Otherwise it is one path. One holding "*", "?" or "/" is kept as it is; a
//   bare name of an existing file in the current directory becomes its full
//   path (a bare name of nothing stays as it is).
// A blank text gives an empty list.
QStringList SplitPathText(const QString& text);

} // namespace vl
