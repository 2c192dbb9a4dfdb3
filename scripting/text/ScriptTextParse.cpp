// Reading one line of a script's text form into an item.

#include "platform/runtime/FixedText.h"
#include "scripting/items/ItemFieldRoles.h"
#include "scripting/items/ScriptActions.h"
#include "scripting/text/ScriptText.h"
#include "scripting/text/ScriptTokens.h"

#include <algorithm>
#include <functional>
#include <map>
#include <optional>

namespace vl {
namespace {

namespace A = ScriptAction;

// The tokens of a line after its keyword; a missing token reads as empty.
class Tokens {
public:
    explicit Tokens(QList<ScriptToken> tokens) : tokens_(std::move(tokens)) {}
    QString operator[](qsizetype index) const { return index < tokens_.size() ? tokens_[index].text : QString(); }
    // The token was written between double quotes: a value, never a word
    // of the text form.
    bool Quoted(qsizetype index) const { return index < tokens_.size() && tokens_[index].quoted; }
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
    // The leading digits (after a minus sign), as a runtime number
    // conversion reads them.
    const QString trimmed = text.trimmed();
    qsizetype digits = trimmed.startsWith(u'-') ? 1 : 0;
    while (digits < trimmed.size() && trimmed[digits].isDigit())
        ++digits;
    return trimmed.left(digits).toInt();
}

bool IsNumber(const QString& text)
{
    const QString trimmed = text.trimmed();
    const QStringView digits = QStringView(trimmed).mid(trimmed.startsWith(u'-') ? 1 : 0);
    return !digits.isEmpty() && std::all_of(digits.cbegin(), digits.cend(), [](QChar c) { return c.isDigit(); });
}

// A whole number that a stored number field holds.
bool InRange(const QString& number)
{
    bool ok = false;
    number.trimmed().toInt(&ok);
    return ok;
}

// The value of an option token ("MODE=..." after its "="): a value written
// between double quotes is taken as it stands, quotes removed.
QString OptionValue(const QString& written)
{
    if (!written.startsWith(u'"'))
        return written;
    const QList<ScriptToken> tokens = SplitTokens(written);
    return tokens.isEmpty() ? QString() : tokens.front().text;
}

bool IsWaitMode(const QString& token)
{
    const QString upper = Clip(token).toUpper();
    return upper == QLatin1String("AND") || upper == QLatin1String("OR") || upper == QLatin1String("EITHER")
           || upper == QLatin1String("BOTH");
}

// One line being read: its arguments and tokens, the item it fills, and why
// it cannot be stored as typed (the first thing found; empty when it can).
struct LineReader {
    QStringView arguments;
    Tokens tokens;
    ScriptingRecord& item;
    QString problem;

    void Fault(const QString& text)
    {
        if (problem.isEmpty())
            problem = text;
    }
    // The values beyond the first count are more than the command takes.
    void AtMost(const Tokens& values, qsizetype count, const char* keyword)
    {
        if (values.size() <= count)
            return;
        const QString command = QLatin1String(keyword);
        if (count == 0)
            Fault(command + QStringLiteral(" takes no values."));
        else
            Fault(command + QStringLiteral(" takes ") + QString::number(count)
                  + (count == 1 ? QStringLiteral(" value") : QStringLiteral(" values"))
                  + QStringLiteral("; put a value that holds blanks or commas in double quotes."));
    }
    // The number a token holds; a token that is neither empty nor a whole
    // number would otherwise be read as its leading digits or as 0, and one
    // out of range as 0 (written back as another number).
    int32_t NumberAt(const QString& token)
    {
        if (!token.trimmed().isEmpty() && !IsNumber(token))
            Fault(QStringLiteral("\"") + token + QStringLiteral("\" is not a whole number."));
        else if (IsNumber(token) && !InRange(token))
            Fault(QStringLiteral("\"") + token.trimmed() + QStringLiteral("\" lies outside -2147483648 to 2147483647."));
        return Number(token);
    }
};

bool IsWaitModeOption(const QString& upper) { return upper.startsWith(QLatin1String("MODE=")); }

// WAIT mode seconds title contents, WAIT seconds mode title contents (the
// reference's "WAIT 999 Or window_title optional_content"), WAIT seconds
// title contents, or WAIT title contents seconds. A mode word ("And", "Or",
// "Either", "Both") unquoted before or after the seconds is the mode; a
// title that is such a word goes in double quotes. "MODE=" gives any other
// mode. Without a mode, seconds and a title make it "Both".
void ParseWait(LineReader& line)
{
    const Tokens t = line.tokens.Without(IsWaitModeOption);
    ScriptingRecord& item = line.item;
    const bool secondsFirst = !t.Quoted(0) && IsNumber(t[0]);
    const bool modeFirst = !t.Quoted(0) && IsWaitMode(t[0]);
    const bool modeSecond = secondsFirst && !t.Quoted(1) && IsWaitMode(t[1]);
    std::optional<QString> modeWord;
    if (modeFirst || modeSecond) {
        line.AtMost(t, 4, "WAIT");
        modeWord = t[modeFirst ? 0 : 1];
        item.SecondsToWait = line.NumberAt(t[modeFirst ? 1 : 0]);
        item.WaitForWindow = t[2];
        item.FocusOnWindow = t[3];
    } else if (secondsFirst) {
        line.AtMost(t, 3, "WAIT");
        item.SecondsToWait = line.NumberAt(t[0]);
        item.WaitForWindow = t[1];
        item.FocusOnWindow = t[2];
    } else {
        line.AtMost(t, 3, "WAIT");
        item.WaitForWindow = t[0];
        item.FocusOnWindow = t[1];
        item.SecondsToWait = line.NumberAt(t[2]);
    }
    std::optional<QString> given;
    for (const ScriptToken& token : line.tokens.All()) {
        if (!token.quoted && IsWaitModeOption(token.text.toUpper()))
            given = OptionValue(token.text.mid(5));
    }
    if (given)
        SetWaitMode(item, *given);
    else if (modeWord)
        SetWaitMode(item, *modeWord);
    else if (item.SecondsToWait > 0 && !Clip(item.WaitForWindow).isEmpty())
        SetWaitMode(item, QString::fromUtf16(A::Both));
}

bool IsModal(const QString& upper) { return upper == QLatin1String("/MODAL"); }

void ParseDisplay(LineReader& line)
{
    const Tokens t = line.tokens.Without(IsModal);
    line.AtMost(t, 3, "DISPLAY");
    SetMessage(line.item, t[0], t[1]);
    line.item.FocusOnWindow = t[2];
    // The desktop's message dialog unless "/MODAL" asks for the program's
    // own message window.
    line.item.SecondsToWait = t.size() < line.tokens.size() ? 0 : 1;
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

// The verb of "ACTION=": a value in double quotes as it stands, else the
// verb its first two letters name, else its first seven letters.
QString VerbWritten(const QString& written)
{
    if (written.startsWith(u'"'))
        return OptionValue(written);
    const QString upperValue = written.toUpper();
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

void ParseStart(LineReader& line)
{
    ScriptingRecord& item = line.item;
    const Tokens t = line.tokens.Without(IsStartOption);
    line.AtMost(t, 2, "START");
    item.Command = t[0];
    item.Path = t[1];
    QString codes = QLatin1String(kDefaultStartCodes);
    for (const ScriptToken& token : line.tokens.All()) {
        if (token.quoted)
            continue;
        const QString upper = token.text.toUpper();
        if (upper.startsWith(QLatin1String("WAIT="))) {
            codes[0] = QLatin1Char('1');
            SetStopWaitingAfter(item, line.NumberAt(token.text.mid(5))); // "WAIT=" as typed
        } else if (upper.startsWith(QLatin1String("PRIORITY=")) && upper.size() > 9) {
            codes[1] = upper[9];
        } else if (upper.startsWith(QLatin1String("MODE=")) && upper.size() > 5) {
            codes[2] = upper[5];
        } else if (upper.startsWith(QLatin1String("ACTION="))) {
            SetStartVerb(item, VerbWritten(token.text.mid(7)));
        } else if (upper == QLatin1String("/TRANSLATE")) {
            codes[3] = QLatin1Char('1');
        }
    }
    SetStartCodes(item, codes);
}

void ParseFile(LineReader& line)
{
    const Tokens& t = line.tokens;
    ScriptingRecord& item = line.item;
    const QString named = A::FileActionNamed(t[0]);
    if (t.Quoted(0) && named.isEmpty()) {
        // A sub-action in double quotes that names none is kept as written.
        item.DDEType = t[0];
    } else {
        // An unknown word would otherwise copy files the line never meant to.
        if (named.isEmpty())
            line.Fault(QStringLiteral("\"") + t[0] + QStringLiteral("\" is no file action."));
        item.DDEType = FileActionDisplayName(t[0]);
    }
    line.AtMost(t, 6, "FILE");
    item.Command = t[1];
    item.Path = t[2];
    SetFileHost(item, t[3]);
    SetFileLogin(item, t[4], t[5]);
}

void ParseScriptStart(LineReader& line)
{
    const Tokens& t = line.tokens;
    line.AtMost(t, 2, "SCRIPT");
    line.item.Command = t[0];
    const QChar letter = t[1].trimmed().isEmpty() ? QChar() : t[1].trimmed().at(0).toUpper();
    if (letter == QLatin1Char('I'))
        line.item.Path = QString::fromUtf16(A::InsertMode);
    else if (letter == QLatin1Char('J'))
        line.item.Path = QString::fromUtf16(A::JumpMode);
    else if (letter == QLatin1Char('A'))
        line.item.Path = QString::fromUtf16(A::AppendMode);
    else
        line.item.Path = t[1];
}

struct Command {
    const char16_t* action;
    std::function<void(LineReader&)> fill;
};

const std::map<QString, Command>& Commands()
{
    using L = LineReader&;
    static const std::map<QString, Command> kCommands{
        {QStringLiteral("KEYS"), {A::SendKeys, [](L l) { l.item.Keystrokes = RestOfLine(l.arguments, l.tokens, 0); }}},
        {QStringLiteral("FOCUS"), {A::SetFocus, [](L l) {
             l.AtMost(l.tokens, 2, "FOCUS");
             l.item.FocusOnWindow = l.tokens[0];
             l.item.WaitForWindow = l.tokens[1];
         }}},
        {QStringLiteral("WAIT"), {A::Wait, ParseWait}},
        {QStringLiteral("DISPLAY"), {A::DisplayMessage, ParseDisplay}},
        {QStringLiteral("START"), {A::StartProgram, ParseStart}},
        {QStringLiteral("CLOSE"), {A::CloseProgram, [](L l) {
             l.AtMost(l.tokens, 1, "CLOSE");
             l.item.Command = l.tokens[0];
         }}},
        {QStringLiteral("EXIT"), {A::ExitScript, [](L l) { l.AtMost(l.tokens, 0, "EXIT"); }}},
        {QStringLiteral("DDE"), {A::Dde, [](L l) {
             l.AtMost(l.tokens, 5, "DDE");
             l.item.DDEApplicationName = l.tokens[0];
             l.item.DDEApplicationTopic = l.tokens[1];
             l.item.DDECommand = l.tokens[2];
             l.item.DDEType = l.tokens[3];
             l.item.DDELinkItem = l.tokens[4];
         }}},
        {QStringLiteral("FILE"), {A::FileActions, ParseFile}},
        {QStringLiteral("EMAIL"), {A::SendEmail, [](L l) {
             l.AtMost(l.tokens, 1, "EMAIL");
             l.item.EmailID = l.NumberAt(l.tokens[0]);
         }}},
        {QStringLiteral("SET"), {A::SetValue, [](L l) {
             l.item.Path = l.tokens[0];
             l.item.Command = RestOfLine(l.arguments, l.tokens, 1);
         }}},
        {QStringLiteral("IF"), {A::IfValue, [](L l) {
             l.AtMost(l.tokens, 3, "IF");
             l.item.Command = l.tokens[0];
             l.item.WindowTitleToCheckFor = l.tokens[1];
             l.item.WaitForWindow = l.tokens[2];
         }}},
        {QStringLiteral("SCRIPT"), {A::StartScript, ParseScriptStart}},
        {QStringLiteral("IFWINDOW"), {A::IfWindow, [](L l) {
             l.AtMost(l.tokens, 2, "IFWINDOW");
             l.item.WindowExistance = QString::fromUtf16(A::Exists);
             l.item.WindowTitleToCheckFor = l.tokens[0];
             l.item.FocusOnWindow = l.tokens[1];
         }}},
        {QStringLiteral("IFNOTWINDOW"), {A::IfWindow, [](L l) {
             l.AtMost(l.tokens, 2, "IFNOTWINDOW");
             l.item.WindowExistance = QString::fromUtf16(A::DoesNotExist);
             l.item.WindowTitleToCheckFor = l.tokens[0];
             l.item.FocusOnWindow = l.tokens[1];
         }}},
        {QStringLiteral("IFTIME"), {A::IfTimeElapsed, [](L l) {
             l.AtMost(l.tokens, 1, "IFTIME");
             l.item.IfTimeElapsed = QString::fromUtf16(A::GreaterThan);
             l.item.TimeElapsed = l.NumberAt(l.tokens[0]);
         }}},
        {QStringLiteral("IFTIMELESS"), {A::IfTimeElapsed, [](L l) {
             l.AtMost(l.tokens, 1, "IFTIMELESS");
             l.item.IfTimeElapsed = QString::fromUtf16(A::LessThan);
             l.item.TimeElapsed = l.NumberAt(l.tokens[0]);
         }}},
        {QStringLiteral("END"), {A::EndIf, [](L l) { l.AtMost(l.tokens, 0, "END"); }}},
        {QStringLiteral("COMMENT"), {A::Comment, [](L l) { l.item.Command = RestOfLine(l.arguments, l.tokens, 0); }}},
        {QStringLiteral("!"), {A::Comment, [](L l) { l.item.Command = RestOfLine(l.arguments, l.tokens, 0); }}},
    };
    return kCommands;
}

} // namespace

ScriptLineKind ParseScriptLine(QStringView line, ScriptingRecord& item, QString* problem)
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
        if (problem)
            *problem = QLatin1String(kUnknownScriptActionText) + QLatin1Char(' ') + keyword;
        return ScriptLineKind::Unknown;
    }
    item.Action = QString::fromUtf16(found->second.action);
    LineReader reader{arguments, Tokens(SplitTokens(arguments)), item, QString()};
    found->second.fill(reader);
    if (problem)
        *problem = reader.problem;
    return ScriptLineKind::Known;
}

} // namespace vl
