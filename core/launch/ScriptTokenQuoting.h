#pragma once
// The quoting of one token of a script's text form: a token that the
// tokenizer or SplitCommandLine would not read back as exactly itself is
// written between double quotes, each of its own double quotes tripled. The
// script text writer and the loaders that build helper-program command
// lines share these rules, so a value comes back exactly as it was stored,
// quotes, brackets and commas included.

#include <QString>

namespace vl {

// A token that is exactly two double quotes becomes empty; one that begins
// with a double quote and (clipped) ends with one loses both; any other token
// is returned unchanged. (The reading side of QuoteScriptToken.)
QString StripQuotes(const QString& token);

// The clipped value as one token: two double quotes when it is empty;
// between double quotes when it holds white space, a comma, "/", "\", a
// double quote, or a "[" without its "]" (which would open a key group that
// swallows the tokens after it); else as it stands. A value's own double
// quotes are kept (tripled inside the quotes), never taken for quoting.
QString QuoteScriptToken(const QString& token);

// The clipped value always between double quotes, so that a reader takes it
// for a value and never for a word of the text form ("Or", "/MODAL",
// "WAIT=5", a number where a Wait reads its seconds).
QString QuotedScriptToken(const QString& token);

} // namespace vl
