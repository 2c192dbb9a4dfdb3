#include "scripting/Keywords.h"

#include "core/base/EventLog.h"
#include "platform/runtime/FixedText.h"
#include "core/base/Globals.h"
#include "scripting/ExpressionEvaluator.h"

namespace vl {
namespace {

const QString kEvaluationErrorLabel = QStringLiteral("Evaluation Error");

bool IsAsciiLetter(QChar c) { return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z'); }

// A value that begins with a letter goes into the expression as a quoted
// text. Its own quotes and "<" are doubled so that the evaluator reads back
// exactly the value, and a quote inside it cannot end the text early.
QString Quoted(const QString& value)
{
    QString text = value;
    text.replace(u'\'', QStringLiteral("''"));
    text.replace(u'<', QStringLiteral("<<"));
    return u'\'' + text + u'\'';
}

// The text that replaces a run of letters and parentheses: its keyword value
// when that is not blank and differs from the name, else the name itself.
QString Substitute(const QString& name)
{
    const QString value = EvaluateKeyword(name);
    if (DebugMode) {
        WriteEventLog(QStringLiteral("EvaluateKeyword"), name);
        WriteEventLog(QStringLiteral("EvaluateKeywordResult"), value);
    }
    if (value == name || Clip(value).isEmpty())
        return name;
    return IsAsciiLetter(value.at(0)) ? Quoted(value) : value;
}

} // namespace

QString EvaluateExpression(const QString& expression)
{
    const QString clipped = Clip(expression);
    if (clipped.isEmpty())
        return {};

    QString output;
    QString name;
    const auto flush = [&] {
        if (!name.isEmpty())
            output += Substitute(name);
        name.clear();
    };
    for (const QChar c : clipped) {
        if (IsAsciiLetter(c) || c == u'(' || c == u')') {
            name += c;
            continue;
        }
        flush();
        output += c;
        // The evaluator reads "<<" as one "<".
        if (c == u'<')
            output += c;
    }
    flush();

    const ExpressionOutcome outcome = ComputeExpression(output);
    const QString result = outcome.failed ? clipped + u' ' + outcome.text : outcome.text;
    if (DebugMode || outcome.failed) {
        WriteEventLog(kEvaluationErrorLabel, output);
        WriteEventLog(kEvaluationErrorLabel, QStringLiteral("Result:  ") + result);
    }
    return result;
}

} // namespace vl
