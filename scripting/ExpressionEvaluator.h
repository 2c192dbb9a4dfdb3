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
// Results: a number rounded to 9 decimal places without trailing zeros, a
// comparison "1" or "0", a text as it is. Text in arithmetic, a text compared
// with a number, a name, and division by zero are failures.

#include <QString>

namespace vl {

struct ExpressionOutcome {
    bool failed = false;
    QString text; // the result, or the error text when failed
};

ExpressionOutcome ComputeExpression(const QString& expression);

// A number as results show it: rounded to 9 decimal places, no trailing
// zeros, no decimal point for whole numbers, never "-0".
QString FormatExpressionNumber(double value);

} // namespace vl
