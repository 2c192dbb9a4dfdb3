#pragma once
// The evaluator of bracketed "=" expressions once their names have been
// replaced by values: numbers, single-quoted texts, + - * /, unary minus and
// plus, the comparisons = <> < > <= >= (also written => and =<), and
// parentheses. It has no side effects and never throws; a text that cannot
// be computed gives an error text instead of a value.
//
// "<<" stands for one "<" everywhere, as the operator and inside quoted texts
// alike (callers double every "<" they pass through); a single "<" is read as
// "<" too. Inside a quoted text two quotes stand for one.
//
// Numbers are decimal, never binary floating point: each value keeps 40
// significant digits, and only a written result is rounded (to 9 decimal
// places), so that 100000000000/3 is 33333333333.333333333.
//
// Results: a number rounded to 9 decimal places without trailing zeros, a
// comparison "1" or "0", a text as it is. Text in arithmetic, a text compared
// with a number, a name, and division by zero are failures.

#include "platform/runtime/PictureDecimal.h"

#include <QString>

namespace vl {

struct ExpressionOutcome {
    bool failed = false;
    QString text; // the result, or the error text when failed
};

ExpressionOutcome ComputeExpression(const QString& expression);

// A number as results show it: rounded half away from zero to 9 decimal
// places, no trailing zeros, no decimal point for whole numbers, never "-0".
QString FormatExpressionNumber(const Picture::Decimal& value);

} // namespace vl
