// Reading one line of a script's text form into an item.

#include "platform/runtime/FixedText.h"
#include "scripting/items/ScriptActions.h"
#include "scripting/text/ScriptText.h"
#include "scripting/text/ScriptTokens.h"

#include <algorithm>
#include <functional>
#include <map>

namespace vl {
namespace {

namespace A = ScriptAction;

// The tokens of a line after its keyword; a missing token reads as empty.
class Tokens {
public:
    explicit Tokens(QList<ScriptToken> tokens) : tokens_(std::move(tokens)) {}
    QString operator[](qsizetype index) const { return index < tokens_.size() ? tokens_[index].text : QString(); }
    qsizetype size() const { return tokens_.size(); }
    const QList<ScriptToken>& All() const { return tokens_; }

    // Leaves out the unquoted tokens the predicate picks (option words).
    Tokens Without(const std::function<bool(const QString& upper)>& option) const
    {
        QList<ScriptToken> kept;
        for (const ScriptToken& token : tokens_) {
            if (token.quoted || !option(token.text.toUpper()))
                kept.append(token);
        }
        return Tokens(kept);
    }

private:
    QList<ScriptToken> tokens_;
};

// The text a command ends with: the whole rest of the line from the token
// on, so that unquoted words after the first are kept; a single token is
// taken as the token (its quotes gone).
QString RestOfLine(QStringView arguments, const Tokens& tokens, qsizetype from)
{
    if (tokens.size() <= from + 1)
        return tokens[from];
    return Clip(arguments.mid(tokens.All()[from].start).toString());
}

int32_t Number(const QString& text)
{
    // The leading digits, as a runtime number conversion reads them.
    const QString trimmed = text.trimmed();
    qsizetype digits = 0;
    while (digits < trimmed.size() && trimmed[digits].isDigit())
        ++digits;
    return digits == 0 ? 0 : trimmed.left(digits).toInt();
}

bool IsNumber(const QString& text)
{
    const QString trimmed = text.trimmed();
    return !trimmed.isEmpty() && std::all_of(trimmed.cbegin(), trimmed.cend(), [](QChar c) { return c.isDigit(); });
}

bool IsWaitMode(const QString& token)
{
    const QString upper = Clip(token).toUpper();
    return upper == QLatin1String("AND") || upper == QLatin1String("OR") || upper == QLatin1String("EITHER")
           || upper == QLatin1String("BOTH");
}

void ParseWait(const Tokens& t, ScriptingRecord& item)
{
    QString mode;
    if (IsWaitMode(t[0])) {
        mode = t[0];
        item.SecondsToWait = Number(t[1]);
        item.WaitForWindow = t[2];
        item.FocusOnWindow = t[3];
    } else if (IsNumber(t[0]) && IsWaitMode(t[1])) {
        // "WAIT 999 Or title content": the seconds before the mode.
        item.SecondsToWait = Number(t[0]);
        mode = t[1];
        item.WaitForWindow = t[2];
        item.FocusOnWindow = t[3];
    } else if (IsNumber(t[0])) {
        item.SecondsToWait = Number(t[0]);
        item.WaitForWindow = t[1];
        item.FocusOnWindow = t[2];
    } else {
        item.WaitForWindow = t[0];
        item.FocusOnWindow = t[1];
        item.SecondsToWait = Number(t[2]);
    }
    if (mode.isEmpty() && item.SecondsToWait > 0 && !Clip(item.WaitForWindow).isEmpty())
        mode = QString::fromUtf16(A::Both);
    item.DDEApplicationName = mode;
}

bool IsModal(const QString& upper) { return upper == QLatin1String("/MODAL"); }

void ParseDisplay(const Tokens& all, ScriptingRecord& item)
{
    const Tokens t = all.Without(IsModal);
    item.DDEApplicationName = t[0];
    item.DDEApplicationTopic = t[1];
    item.FocusOnWindow = t[2];
    // The desktop's message dialog unless "/MODAL" asks for the program's
    // own message window.
    item.SecondsToWait = t.size() < all.size() ? 0 : 1;
}

// The codes of "Start Program" options: wait, priority, window mode,
// translate.
constexpr char kDefaultStartCodes[] = "0210";

bool IsStartOption(const QString& upper)
{
    return upper.startsWith(QLatin1String("WAIT=")) || upper.startsWith(QLatin1String("PRIORITY="))
           || upper.startsWith(QLatin1String("MODE=")) || upper.startsWith(QLatin1String("ACTION="))
           || upper == QLatin1String("/TRANSLATE");
}

QString StartVerb(const QString& upperValue)
{
    static const std::map<QString, QString> kVerbs{
        {QStringLiteral("OP"), QStringLiteral("Open")},  {QStringLiteral("VI"), QStringLiteral("View")},
        {QStringLiteral("PR"), QStringLiteral("Print")}, {QStringLiteral("PL"), QStringLiteral("Play")},
        {QStringLiteral("EX"), QStringLiteral("Explore")}, {QStringLiteral("FI"), QStringLiteral("Find")},
        {QStringLiteral("ED"), QStringLiteral("Edit")}};
    const auto found = kVerbs.find(upperValue.left(2));
    if (found != kVerbs.end())
        return found->second;
    const QString seven = upperValue.left(7);
    const qsizetype blank = seven.indexOf(QLatin1Char(' '));
    return blank < 0 ? seven : seven.left(blank);
}

void ParseStart(const Tokens& all, ScriptingRecord& item)
{
    const Tokens t = all.Without(IsStartOption);
    item.Command = t[0];
    item.Path = t[1];
    QString codes = QLatin1String(kDefaultStartCodes);
    for (const ScriptToken& token : all.All()) {
        if (token.quoted)
            continue;
        const QString upper = token.text.toUpper();
        const auto value = [&upper](const char* option) { return upper.mid(qsizetype(qstrlen(option))); };
        if (upper.startsWith(QLatin1String("WAIT="))) {
            codes[0] = QLatin1Char('1');
            item.TimeElapsed = Number(value("WAIT="));
        } else if (upper.startsWith(QLatin1String("PRIORITY=")) && upper.size() > 9) {
            codes[1] = upper[9];
        } else if (upper.startsWith(QLatin1String("MODE=")) && upper.size() > 5) {
            codes[2] = upper[5];
        } else if (upper.startsWith(QLatin1String("ACTION="))) {
            item.DDEApplicationTopic = StartVerb(value("ACTION="));
        } else if (upper == QLatin1String("/TRANSLATE")) {
            codes[3] = QLatin1Char('1');
        }
    }
    item.DDEApplicationName = codes;
}

bool IsTransfer(const QString& subAction)
{
    return subAction == QLatin1String("FTP Upload") || subAction == QLatin1String("FTP Download")
           || subAction == QLatin1String("HTTP Download");
}

constexpr int kTopicHalf = 128;

void ParseFile(const Tokens& t, ScriptingRecord& item)
{
    item.DDEType = FileActionDisplayName(t[0]);
    item.Command = t[1];
    item.Path = t[2];
    if (IsTransfer(item.DDEType)) {
        item.DDEApplicationName = t[3];
        // User name in characters 1-128, password from 129 on.
        item.DDEApplicationTopic = t[5].isEmpty() ? t[4] : PadTo(t[4], kTopicHalf) + t[5];
    }
}

void ParseScriptStart(const Tokens& t, ScriptingRecord& item)
{
    item.Command = t[0];
    const QChar letter = t[1].trimmed().isEmpty() ? QChar() : t[1].trimmed().at(0).toUpper();
    if (letter == QLatin1Char('I'))
        item.Path = QString::fromUtf16(A::InsertMode);
    else if (letter == QLatin1Char('J'))
        item.Path = QString::fromUtf16(A::JumpMode);
    else if (letter == QLatin1Char('A'))
        item.Path = QString::fromUtf16(A::AppendMode);
    else
        item.Path = t[1];
}

struct Command {
    const char16_t* action;
    std::function<void(QStringView arguments, const Tokens&, ScriptingRecord&)> fill;
};

const std::map<QString, Command>& Commands()
{
    using Args = QStringView;
    using T = const Tokens&;
    using R = ScriptingRecord&;
    static const std::map<QString, Command> kCommands{
        {QStringLiteral("KEYS"), {A::SendKeys, [](Args a, T t, R r) { r.Keystrokes = RestOfLine(a, t, 0); }}},
        {QStringLiteral("FOCUS"), {A::SetFocus, [](Args, T t, R r) { r.FocusOnWindow = t[0]; r.WaitForWindow = t[1]; }}},
        {QStringLiteral("WAIT"), {A::Wait, [](Args, T t, R r) { ParseWait(t, r); }}},
        {QStringLiteral("DISPLAY"), {A::DisplayMessage, [](Args, T t, R r) { ParseDisplay(t, r); }}},
        {QStringLiteral("START"), {A::StartProgram, [](Args, T t, R r) { ParseStart(t, r); }}},
        {QStringLiteral("CLOSE"), {A::CloseProgram, [](Args, T t, R r) { r.Command = t[0]; }}},
        {QStringLiteral("EXIT"), {A::ExitScript, [](Args, T, R) {}}},
        {QStringLiteral("DDE"), {A::Dde, [](Args, T t, R r) {
             r.DDEApplicationName = t[0];
             r.DDEApplicationTopic = t[1];
             r.DDECommand = t[2];
             r.DDEType = t[3];
             r.DDELinkItem = t[4];
         }}},
        {QStringLiteral("FILE"), {A::FileActions, [](Args, T t, R r) { ParseFile(t, r); }}},
        {QStringLiteral("EMAIL"), {A::SendEmail, [](Args, T t, R r) { r.EmailID = Number(t[0]); }}},
        {QStringLiteral("SET"), {A::SetValue, [](Args a, T t, R r) {
             r.Path = t[0];
             r.Command = RestOfLine(a, t, 1);
         }}},
        {QStringLiteral("IF"), {A::IfValue, [](Args, T t, R r) {
             r.Command = t[0];
             r.WindowTitleToCheckFor = t[1];
             r.WaitForWindow = t[2];
         }}},
        {QStringLiteral("SCRIPT"), {A::StartScript, [](Args, T t, R r) { ParseScriptStart(t, r); }}},
        {QStringLiteral("IFWINDOW"), {A::IfWindow, [](Args, T t, R r) {
             r.WindowExistance = QString::fromUtf16(A::Exists);
             r.WindowTitleToCheckFor = t[0];
             r.FocusOnWindow = t[1];
         }}},
        {QStringLiteral("IFNOTWINDOW"), {A::IfWindow, [](Args, T t, R r) {
             r.WindowExistance = QString::fromUtf16(A::DoesNotExist);
             r.WindowTitleToCheckFor = t[0];
             r.FocusOnWindow = t[1];
         }}},
        {QStringLiteral("IFTIME"), {A::IfTimeElapsed, [](Args, T t, R r) {
             r.IfTimeElapsed = QString::fromUtf16(A::GreaterThan);
             r.TimeElapsed = Number(t[0]);
         }}},
        {QStringLiteral("IFTIMELESS"), {A::IfTimeElapsed, [](Args, T t, R r) {
             r.IfTimeElapsed = QString::fromUtf16(A::LessThan);
             r.TimeElapsed = Number(t[0]);
         }}},
        {QStringLiteral("END"), {A::EndIf, [](Args, T, R) {}}},
        {QStringLiteral("COMMENT"), {A::Comment, [](Args a, T t, R r) { r.Command = RestOfLine(a, t, 0); }}},
        {QStringLiteral("!"), {A::Comment, [](Args a, T t, R r) { r.Command = RestOfLine(a, t, 0); }}},
    };
    return kCommands;
}

} // namespace

ScriptLineKind ParseScriptLine(QStringView line, ScriptingRecord& item)
{
    ScriptingRecord cleared;
    cleared.ID = item.ID;
    cleared.Sequence = item.Sequence;
    item = cleared;
    const QString text = line.toString().trimmed();
    if (text.isEmpty())
        return ScriptLineKind::Blank;
    const qsizetype blank = text.indexOf(QLatin1Char(' '));
    const QString keyword = blank < 0 ? text : text.left(blank);
    const QString arguments = blank < 0 ? QString() : text.mid(blank + 1).trimmed();
    const auto found = Commands().find(keyword.toUpper());
    if (found == Commands().end()) {
        // Kept as typed, the arguments too, so that nothing the user wrote is lost.
        item.Action = keyword;
        item.Command = arguments;
        return ScriptLineKind::Unknown;
    }
    item.Action = QString::fromUtf16(found->second.action);
    found->second.fill(arguments, Tokens(SplitTokens(arguments)), item);
    return ScriptLineKind::Known;
}

} // namespace vl
