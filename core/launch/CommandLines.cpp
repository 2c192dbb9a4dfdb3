#include "core/launch/CommandLines.h"

#include "platform/runtime/FixedText.h"

namespace vl {
namespace {

const QChar kBlank = QLatin1Char(' ');
const QChar kQuote = QLatin1Char('"');

QString LeftJustifiedClip(const QString& text)
{
    qsizetype start = 0;
    while (start < text.size() && text.at(start) == kBlank)
        ++start;
    return Clip(text.mid(start));
}

void AddTry(QList<ShellTry>& tries, ShellTry reading)
{
    if (!tries.contains(reading))
        tries.append(std::move(reading));
}

// The arguments as Qt's splitCommand reads them, except that a quoted empty
// text is kept as an empty argument, so that no argument of a helper program
// goes missing and shifts the others.
QStringList SplitArguments(const QString& text)
{
    QStringList arguments;
    QString argument;
    bool quoted = false;  // the argument so far holds a quote
    bool inQuotes = false;
    int quotes = 0;       // consecutive quotes just read
    for (const QChar c : text) {
        if (c == kQuote) {
            quoted = true;
            if (++quotes == 3) {
                quotes = 0;
                argument += c;
            }
            continue;
        }
        if (quotes == 1)
            inQuotes = !inQuotes;
        quotes = 0;
        if (!inQuotes && c.isSpace()) {
            if (quoted || !argument.isEmpty())
                arguments.append(argument);
            argument.clear();
            quoted = false;
        } else {
            argument += c;
        }
    }
    if (quoted || !argument.isEmpty())
        arguments.append(argument);
    return arguments;
}

} // namespace

CommandLineParts SplitCommandLine(const QString& command)
{
    const QString text = LeftJustifiedClip(command);
    CommandLineParts parts;
    QString rest;
    if (text.startsWith(kQuote)) {
        const qsizetype close = text.indexOf(kQuote, 1);
        parts.program = close < 0 ? text.mid(1) : text.mid(1, close - 1);
        rest = close < 0 ? QString() : text.mid(close + 1);
    } else {
        const qsizetype blank = text.indexOf(kBlank);
        parts.program = blank < 0 ? text : text.left(blank);
        rest = blank < 0 ? QString() : text.mid(blank + 1);
    }
    parts.arguments = SplitArguments(rest);
    return parts;
}

QList<ShellTry> ShellOpenTries(const QString& command)
{
    const QString text = Clip(command);
    QList<ShellTry> tries{{text, QString()}};
    bool split = false;
    if (text.startsWith(kQuote)) {
        const QString unquoted = text.mid(1);
        const qsizetype close = unquoted.indexOf(kQuote);
        AddTry(tries, close < 0 ? ShellTry{unquoted, QString()}
                                : ShellTry{unquoted.left(close), LeftJustifiedClip(unquoted.mid(close + 1))});
        split = true;
    } else {
        // The text is clipped, so a blank always lies before its last character.
        const qsizetype blank = text.indexOf(kBlank);
        if (blank >= 0) {
            AddTry(tries, {text.left(blank), LeftJustifiedClip(text.mid(blank + 1))});
            split = true;
        }
    }
    if (split) {
        for (qsizetype i = text.size() - 1; i >= 2; --i) {
            if (text.at(i) == kBlank)
                AddTry(tries, {text.left(i), LeftJustifiedClip(text.mid(i + 1))});
        }
    }
    return tries;
}

} // namespace vl
