#pragma once
// The list format string: the columns a list shows, in display order, with
// their widths and attributes, as one text. Saved layouts are kept in this
// form. One segment per column, without separators:
//
//   width  data-justification  [(data-offset)]  [*][I][F][_][M][|]
//   ~header~  header-justification  [(header-offset)]  @picture@  #field#
//   [E(normal text,normal back,selected text,selected back)]
//
// "40L(1)M|~Date~L(1)@d6b@#1#" is a column 40 dialog units wide, data and
// header left-justified with offset 1, resizable, with a right border, the
// header "Date", the picture "@d6b" and field 1 of the list's row. Flags:
// "*" colours follow, "I" an icon follows, "F" fixed, "_" underline,
// "M" resizable, "|" right border. A colour of -1 is written as nothing.

#include "xplore/XploreColumn.h"

#include <QString>

#include <optional>
#include <vector>

namespace vl {

// Headers are cut to this many characters in the format string.
inline constexpr int kFormatHeaderWidth = 25;
// The picture written for a column without one.
inline constexpr char kDefaultColumnPicture[] = "@S20";

// The segment of one column. An empty picture is written as "@S20".
QString FormatSegment(const XploreColumn& column);
// The segments of the columns, in the order given.
QString BuildFormatString(const std::vector<XploreColumn>& columns);

// A format string read back: one entry per column, in display order, with the
// attributes the string holds (width, justifications, offsets, flags, header,
// picture, colours) and its field number. A segment without "#n#" takes the
// next field number by counting: one more than the column before, plus four
// after a column with colours and one after a column with an icon. Nothing
// when the text is not a format string (an unclosed "(", "~", "@" or "#", a
// character the grammar does not know, a width without its justification)
// or holds no column.
std::optional<std::vector<XploreColumn>> ParseFormatString(const QString& text);

} // namespace vl
