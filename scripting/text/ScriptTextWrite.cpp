// Writing items as the lines of a script's text form.

#include "core/launch/ScriptTokenQuoting.h"
#include "platform/runtime/FixedText.h"
#include "scripting/items/ItemFieldRoles.h"
#include "scripting/items/NormalizeScriptItem.h"
#include "scripting/items/ScriptActions.h"
#include "scripting/text/ScriptText.h"

#include <algorithm>

namespace vl {
namespace {

namespace A = ScriptAction;

constexpr int kIndentStep = 3;
constexpr int kMaxIndent = 24;
const QString kEmptyToken = QStringLiteral("\"\"");

// The keyword and its tokens, already quoted, joined by blanks; empty
// tokens at the end are left off; the options follow.
QString Joined(const char* keyword, QStringList tokens, const QString& options = QString())
{
    while (!tokens.isEmpty() && tokens.last() == kEmptyToken)
        tokens.removeLast();
    tokens.prepend(QLatin1String(keyword));
    return tokens.join(QLatin1Char(' ')) + options;
}

// The keyword and its tokens, each through QuoteScriptToken.
QString Line(const char* keyword, QStringList tokens, const QString& options = QString())
{
    for (QString& token : tokens)
        token = QuoteScriptToken(token);
    return Joined(keyword, tokens, options);
}

QString Number(int32_t value) { return QString::number(value); }

bool IsWaitMode(const QString& text)
{
    const QString upper = Clip(text).toUpper();
    return upper == QLatin1String("AND") || upper == QLatin1String("OR") || upper == QLatin1String("EITHER")
           || upper == QLatin1String("BOTH");
}

bool IsWholeNumber(const QString& text)
{
    bool number = false;
    text.trimmed().toInt(&number);
    return number;
}

// A value that the parser would take for a word of the line (a mode, the
// seconds, an option) goes in double quotes.
QString WaitValue(const QString& value)
{
    const bool misread = IsWaitMode(value) || IsWholeNumber(value)
                         || value.trimmed().startsWith(QLatin1String("MODE="), Qt::CaseInsensitive);
    return misread ? QuotedScriptToken(value) : QuoteScriptToken(value);
}

QString WaitLine(const ScriptingRecord& item)
{
    const QString mode = Clip(WaitMode(item));
    const QString seconds = Number(item.SecondsToWait);
    const QString title = WaitValue(item.WaitForWindow);
    const QString contents = WaitValue(item.FocusOnWindow);
    if (IsWaitMode(mode))
        return Joined("WAIT", {mode, seconds, title, contents});
    // Seconds and a title without a mode read back as "Both".
    const bool readAsBoth = item.SecondsToWait > 0 && !Clip(item.WaitForWindow).isEmpty();
    if (!mode.isEmpty() || readAsBoth)
        return Joined("WAIT", {seconds, title, contents}, QStringLiteral(" MODE=") + QuoteScriptToken(mode));
    if (item.SecondsToWait == 0 && !Clip(item.WaitForWindow).isEmpty())
        return Joined("WAIT", {title, contents});
    return Joined("WAIT", {seconds, title, contents});
}

QString DisplayLine(const ScriptingRecord& item)
{
    const QStringList tokens{MessageText(item), MessageTitle(item), item.FocusOnWindow};
    if (item.SecondsToWait != 0)
        return Line("DISPLAY", tokens);
    // The empty tokens stay before "/MODAL": their places count.
    QStringList quoted;
    for (const QString& token : tokens)
        quoted.append(QuoteScriptToken(token));
    return QStringLiteral("DISPLAY ") + quoted.join(QLatin1Char(' ')) + QStringLiteral(" /MODAL");
}

// A command or folder that reads like an option goes in double quotes.
QString StartValue(const QString& value)
{
    const QString upper = value.trimmed().toUpper();
    const bool option = upper.startsWith(QLatin1String("WAIT=")) || upper.startsWith(QLatin1String("PRIORITY="))
                        || upper.startsWith(QLatin1String("MODE=")) || upper.startsWith(QLatin1String("ACTION="));
    return option ? QuotedScriptToken(value) : QuoteScriptToken(value);
}

// The verbs "ACTION=" names by their first two letters are written as they
// are; any other verb in double quotes, which the parser takes as written.
QString StartVerbOption(const QString& verb)
{
    for (const char* named : {"Open", "View", "Print", "Play", "Explore", "Find", "Edit"}) {
        if (verb == QLatin1String(named))
            return verb;
    }
    return QuotedScriptToken(verb);
}

QString StartLine(const ScriptingRecord& item)
{
    // The codes are normalised: four digits.
    const QString codes = StartCodes(item);
    QString options;
    if (codes[0] == u'1')
        options += QStringLiteral(" WAIT=") + Number(StopWaitingAfter(item));
    if (codes[1] != u'2')
        options += QStringLiteral(" PRIORITY=") + codes[1];
    if (codes[2] != u'1')
        options += QStringLiteral(" MODE=") + codes[2];
    const QString verb = Clip(StartVerb(item));
    if (!verb.isEmpty())
        options += QStringLiteral(" ACTION=") + StartVerbOption(verb);
    if (codes[3] == u'1')
        options += QStringLiteral(" /TRANSLATE");
    // A start-in folder left empty keeps its place when options follow.
    if (options.isEmpty())
        return Joined("START", {StartValue(item.Command), StartValue(item.Path)});
    return QStringLiteral("START ") + StartValue(item.Command) + QLatin1Char(' ') + StartValue(item.Path) + options;
}

QString FileLine(const ScriptingRecord& item)
{
    const QString subAction = Clip(item.DDEType);
    // A sub-action no word names is written in double quotes: read back as
    // it stands.
    const QString word =
        ScriptAction::FileActionNamed(subAction).isEmpty() ? QuotedScriptToken(subAction) : QuoteScriptToken(subAction);
    const FileLoginParts login = FileLogin(item);
    QStringList tokens;
    for (const QString& value : {item.Command, item.Path, FileHost(item), login.user, login.password})
        tokens.append(QuoteScriptToken(value));
    // The sub-action always stands, even blank: the values follow it.
    return QStringLiteral("FILE ") + word + Joined("", tokens);
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
