#pragma once
// The quoting of one token of a script's text form: a token with a blank
// inside, a comma, a path separator or a double quote is written between
// double quotes, so that SplitCommandLine reads it back as exactly one
// argument. The script text writer and the loaders that build helper-program
// command lines share these rules.

#include <QString>

namespace vl {

// A token that is exactly two double quotes becomes empty; one that begins
// with a double quote and (clipped) ends with one loses both; any other token
// is returned unchanged.
QString StripQuotes(const QString& token);

// StripQuotes first; then an empty (or blank) token is written as two double
// quotes, a token holding white space, a comma, "/", "\" or a double quote
// as double quote + clipped token (each of its double quotes tripled) +
// double quote, any other token clipped.
QString QuoteScriptToken(const QString& token);

} // namespace vl
