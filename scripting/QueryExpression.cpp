#include "scripting/QueryExpression.h"

#include "platform/runtime/Clock.h"
#include "scripting/ExpressionEvaluator.h"
#include "scripting/Keywords.h"

#include <QRegularExpression>

namespace vl {

namespace {

// Wide enough for any expression the query dialog takes.
constexpr int kExpressionWidth = 4096;

} // namespace

bool EvaluateQueryExpression(const QString& expression, QString& value, QString& error)
{
    static const QRegularExpression today(QStringLiteral("\\bTODAY\\s*\\(\\s*\\)"),
                                          QRegularExpression::CaseInsensitiveOption);
    QString text = ExpandKeywords(expression, kExpressionWidth);
    text.replace(today, QString::number(Today()));
    const ExpressionOutcome outcome = ComputeExpression(text);
    if (outcome.failed) {
        error = QStringLiteral("%1: %2").arg(expression.trimmed(), outcome.text);
        return false;
    }
    value = outcome.text;
    return true;
}

} // namespace vl
