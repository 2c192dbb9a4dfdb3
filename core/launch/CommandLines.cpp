#include "core/launch/CommandLines.h"

#include "platform/runtime/FixedText.h"

#include <QProcess>

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
    parts.arguments = QProcess::splitCommand(rest);
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
