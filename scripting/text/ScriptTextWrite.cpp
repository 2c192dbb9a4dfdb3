// Writing items as the lines of a script's text form.

#include "core/launch/ScriptTokenQuoting.h"
#include "platform/runtime/FixedText.h"
#include "scripting/items/NormalizeScriptItem.h"
#include "scripting/items/ScriptActions.h"
#include "scripting/text/ScriptText.h"

#include <algorithm>

namespace vl {
namespace {

namespace A = ScriptAction;

constexpr int kIndentStep = 3;
constexpr int kMaxIndent = 24;
constexpr int kTopicHalf = 128;
const QString kEmptyToken = QStringLiteral("\"\"");

// The keyword and its tokens, each through QuoteScriptToken, joined by
// blanks; empty tokens at the end are left off.
QString Line(const char* keyword, QStringList tokens, const QString& options = QString())
{
    for (QString& token : tokens)
        token = QuoteScriptToken(token);
    while (!tokens.isEmpty() && tokens.last() == kEmptyToken)
        tokens.removeLast();
    tokens.prepend(QLatin1String(keyword));
    return tokens.join(QLatin1Char(' ')) + options;
}

QString Number(int32_t value) { return QString::number(value); }

QString WaitLine(const ScriptingRecord& item)
{
    const QString seconds = Number(item.SecondsToWait);
    if (Clip(item.WaitForWindow).isEmpty())
        return Line("WAIT", {seconds});
    const bool noMode = Clip(item.DDEApplicationName).isEmpty();
    if (noMode && item.SecondsToWait == 0)
        return Line("WAIT", {item.WaitForWindow, item.FocusOnWindow});
    if (noMode)
        return Line("WAIT", {seconds, item.WaitForWindow, item.FocusOnWindow});
    return Line("WAIT", {item.DDEApplicationName, seconds, item.WaitForWindow, item.FocusOnWindow});
}

QString DisplayLine(const ScriptingRecord& item)
{
    const QStringList tokens{item.DDEApplicationName, item.DDEApplicationTopic, item.FocusOnWindow};
    if (item.SecondsToWait != 0)
        return Line("DISPLAY", tokens);
    // The empty tokens stay before "/MODAL": their places count.
    QStringList quoted;
    for (const QString& token : tokens)
        quoted.append(QuoteScriptToken(token));
    return QStringLiteral("DISPLAY ") + quoted.join(QLatin1Char(' ')) + QStringLiteral(" /MODAL");
}

QString StartLine(const ScriptingRecord& item)
{
    const QString codes = item.DDEApplicationName;
    const auto code = [&codes](int index) { return index < codes.size() ? codes[index] : QLatin1Char(' '); };
    QString options;
    if (code(0) > QLatin1Char('0'))
        options += QStringLiteral(" WAIT=") + Number(item.TimeElapsed);
    if (code(1) > QLatin1Char('0') && code(1) != QLatin1Char('2'))
        options += QStringLiteral(" PRIORITY=") + code(1);
    if (code(2) > QLatin1Char('1'))
        options += QStringLiteral(" MODE=") + code(2);
    const QString verb = Clip(item.DDEApplicationTopic).trimmed();
    if (!verb.isEmpty() && !verb.contains(QLatin1Char(' ')))
        options += QStringLiteral(" ACTION=") + verb;
    if (code(3) > QLatin1Char('0'))
        options += QStringLiteral(" /TRANSLATE");
    // A start-in folder left empty keeps its place when options follow.
    if (options.isEmpty())
        return Line("START", {item.Command, item.Path});
    return QStringLiteral("START ") + QuoteScriptToken(item.Command) + QLatin1Char(' ') + QuoteScriptToken(item.Path)
           + options;
}

QString FileLine(const ScriptingRecord& item)
{
    const QString subAction = Clip(item.DDEType);
    if (subAction == QLatin1String("Delete") || subAction == QLatin1String("Recycle"))
        return Line("FILE", {subAction, item.Command});
    if (subAction == QLatin1String("FTP Upload") || subAction == QLatin1String("FTP Download"))
        return Line("FILE", {subAction, item.Command, item.Path, item.DDEApplicationName,
                             item.DDEApplicationTopic.left(kTopicHalf), item.DDEApplicationTopic.mid(kTopicHalf)});
    if (subAction == QLatin1String("HTTP Download"))
        return Line("FILE", {subAction, item.Command, item.Path, item.DDEApplicationName});
    return Line("FILE", {subAction, item.Command, item.Path});
}

bool IsTest(const QString& action)
{
    return action == QStringView(A::IfValue) || action == QStringView(A::IfWindow)
           || action == QStringView(A::IfTimeElapsed);
}

} // namespace

QString ScriptItemToLine(const ScriptingRecord& stored)
{
    ScriptingRecord item = stored;
    NormalizeScriptItem(item);
    const QString action = A::CanonicalAction(item.Action);
    const auto is = [&action](const char16_t* name) { return action == QStringView(name); };
    if (is(A::SendKeys))
        return Line("KEYS", {item.Keystrokes});
    if (is(A::SetFocus))
        return Line("FOCUS", {item.FocusOnWindow, item.WaitForWindow});
    if (is(A::Wait))
        return WaitLine(item);
    if (is(A::DisplayMessage))
        return DisplayLine(item);
    if (is(A::StartProgram))
        return StartLine(item);
    if (is(A::CloseProgram))
        return Line("CLOSE", {item.Command});
    if (is(A::ExitScript))
        return QStringLiteral("EXIT");
    if (is(A::Dde))
        return Line("DDE", {item.DDEApplicationName, item.DDEApplicationTopic, item.DDECommand, item.DDEType,
                            item.DDELinkItem});
    if (is(A::FileActions))
        return FileLine(item);
    if (is(A::SendEmail))
        return Line("EMAIL", {Number(item.EmailID)});
    if (is(A::SetValue))
        return Line("SET", {item.Path, item.Command});
    if (is(A::IfValue))
        return Line("IF", {item.Command, item.WindowTitleToCheckFor, item.WaitForWindow});
    if (is(A::StartScript))
        return Line("SCRIPT", {item.Command, item.Path});
    if (is(A::IfWindow))
        return Line(item.WindowExistance == QStringView(A::Exists) ? "IFWINDOW" : "IFNOTWINDOW",
                    {item.WindowTitleToCheckFor, item.FocusOnWindow});
    if (is(A::IfTimeElapsed))
        return Line(item.IfTimeElapsed == QStringView(A::GreaterThan) ? "IFTIME" : "IFTIMELESS",
                    {Number(item.TimeElapsed)});
    if (is(A::EndIf))
        return QStringLiteral("END");
    if (is(A::Comment))
        return Line("COMMENT", {item.Command});
    // A line the parser did not know comes back as it was typed.
    return Clip(action + QLatin1Char(' ') + item.Command);
}

QString ScriptItemsToText(const std::vector<ScriptingRecord>& items)
{
    QString text;
    int indent = 0;
    for (const ScriptingRecord& item : items) {
        const QString action = A::CanonicalAction(item.Action);
        if (action == QStringView(A::EndIf))
            indent = std::max(0, indent - kIndentStep);
        text += QString(std::min(indent, kMaxIndent), QLatin1Char(' ')) + ScriptItemToLine(item)
                + QStringLiteral("\r\n");
        if (IsTest(action))
            indent += kIndentStep;
    }
    return text;
}

} // namespace vl
