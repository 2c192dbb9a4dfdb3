#include "scheduler/run/ScriptValues.h"

#include "scripting/ExpressionEvaluator.h"
#include "scripting/Keywords.h"
#include "scripting/ScriptVariables.h"
#include "platform/runtime/FixedText.h"

#include <QStringList>

namespace vl {
namespace {

bool ForcedNumeric(const QString& name)
{
    static const QStringList kNumericNames{QStringLiteral("FILEEXISTS"), QStringLiteral("FILESIZE"),
                                           QStringLiteral("FILEDATE"),   QStringLiteral("DATE"),
                                           QStringLiteral("FILETIME"),   QStringLiteral("TIME")};
    return kNumericNames.contains(name.toUpper()) || name.contains(QLatin1Char('#'));
}

template <typename T>
bool Compare(const QString& op, const T& left, const T& right)
{
    if (op == QLatin1String("="))
        return left == right;
    if (op == QLatin1String("<="))
        return left <= right;
    if (op == QLatin1String("<"))
        return left < right;
    if (op == QLatin1String("=>"))
        return left >= right;
    if (op == QLatin1String(">"))
        return left > right;
    if (op == QLatin1String("<>"))
        return left != right;
    return false;
}

} // namespace

void SetScriptValue(const QString& name, const QString& value)
{
    QString text = ExpandKeywords(value);
    if (text.startsWith(QLatin1Char('='))) {
        const ExpressionOutcome outcome = ComputeExpression(text.mid(1));
        if (!outcome.failed)
            text = outcome.text;
    }
    CurrentScriptVariables().Set(name, text);
}

bool TestScriptValue(const QString& name, const QString& op, const QString& compareTo)
{
    const QString left = EvaluateKeyword(name);
    const QString right = compareTo.startsWith(QLatin1Char('[')) ? ExpandKeywords(compareTo) : compareTo;
    const double leftNumber = ReadAsNumber(left);
    const double rightNumber = ReadAsNumber(right);
    const QString clippedOp = Clip(op);
    if (leftNumber != 0 || rightNumber != 0 || ForcedNumeric(Clip(name)))
        return Compare(clippedOp, leftNumber, rightNumber);
    return Compare(clippedOp, Clip(left), Clip(right));
}

} // namespace vl
