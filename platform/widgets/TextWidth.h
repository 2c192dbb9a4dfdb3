#pragma once
// An entry that holds at most a field's width of text. Qt's own length limit
// cuts a paste at any unit, inside a character too (half an emoji, a letter
// without its accent); this one keeps as much of what is typed or pasted as
// fits and ends it where a character ends.

class QLineEdit;

namespace vl {

void LimitToWidth(QLineEdit* entry, int width);

} // namespace vl
