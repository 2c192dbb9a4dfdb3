#pragma once
// How the lists' queries compute an expression a condition compares with.

#include <QString>

namespace vl {

// Keywords in brackets are expanded ("[TODAY]"), TODAY() is today's day
// number, and the rest is computed as script expressions are ("TODAY()+7").
// False, with the expression and the reason in error, when it cannot be
// computed (value untouched).
bool EvaluateQueryExpression(const QString& expression, QString& value, QString& error);

} // namespace vl
