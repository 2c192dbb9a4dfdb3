#pragma once
// Keywords in square brackets inside texts that scripts, messages and
// e-mails send out: "[DATE]", "[FILESIZE]", "[=A+1]". Each is replaced by its
// value: a built-in keyword, a script variable, or the result of an "="
// expression whose names have been replaced by their values.

#include <QString>

namespace vl {

// Widths of the keyword texts: a name between brackets counts at most 32
// characters, a value at most 255, and an expanded text is cut to 255
// characters unless its caller's field holds more.
inline constexpr int kKeywordNameWidth = 32;
inline constexpr int kKeywordValueWidth = 255;
inline constexpr int kExpandedTextWidth = 255;

// The value of one keyword: a built-in one (any letter case), else the
// result of an expression when the name begins with "=" and the result is
// not blank, else the clipped text of the script variable of that name
// (empty when there is none).
QString EvaluateKeyword(const QString& name);

// Computes an expression after replacing each run of letters and
// parentheses by its keyword value (quoted when it begins with a letter).
// A failure gives the clipped expression, a blank and the error text, and
// is written to the event log as two "Evaluation Error" lines (as is every
// evaluation while DebugMode is on). An empty expression gives an empty text.
QString EvaluateExpression(const QString& expression);

// The clipped text with each bracketed keyword that has a non-blank value
// replaced by it (trailing blanks of the value dropped); any other "[" stays
// as written. The result is cut to maxLength characters.
QString ExpandKeywords(const QString& text, int maxLength = kExpandedTextWidth);

} // namespace vl
