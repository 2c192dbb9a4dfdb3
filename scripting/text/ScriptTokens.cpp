#include "scripting/text/ScriptTokens.h"

#include "core/launch/ScriptTokenQuoting.h"
#include "platform/runtime/FixedText.h"
#include "scripting/items/ScriptActions.h"
#include "scripting/text/ScriptText.h"


namespace vl {
namespace {

constexpr QChar kQuote = QLatin1Char('"');

bool IsTripleQuote(QStringView text, qsizetype at)
{
    return at + 2 < text.size() && text[at] == kQuote && text[at + 1] == kQuote && text[at + 2] == kQuote;
}

ScriptToken MakeToken(const QString& raw)
{
    ScriptToken token;
    const QString clipped = Clip(raw);
    token.quoted = raw.startsWith(kQuote) && clipped.size() >= 2 && clipped.endsWith(kQuote);
    token.text = StripQuotes(raw);
    // Inside quotes the writer triples a double quote of the value.
    if (token.quoted)
        token.text.replace(QStringLiteral("\"\"\""), QString(kQuote));
    return token;
}

} // namespace

QList<ScriptToken> SplitTokens(QStringView arguments)
{
    QList<ScriptToken> tokens;
    qsizetype at = 0;
    const qsizetype size = arguments.size();
    while (at < size) {
        while (at < size && arguments[at] == QLatin1Char(' '))
            ++at;
        if (at >= size)
            break;
        const qsizetype start = at;
        QString raw;
        bool inQuotes = false;
        int brackets = 0;
        for (; at < size; ++at) {
            const QChar c = arguments[at];
            if (inQuotes && IsTripleQuote(arguments, at)) {
                raw += QStringLiteral("\"\"\"");
                at += 2;
                continue;
            }
            if (c == kQuote) {
                inQuotes = !inQuotes;
            } else if (!inQuotes && c == QLatin1Char('[')) {
                ++brackets;
            } else if (!inQuotes && c == QLatin1Char(']') && brackets > 0) {
                --brackets;
            } else if (!inQuotes && brackets == 0 && c == QLatin1Char(' ')) {
                ++at;
                break;
            } else if (!inQuotes && brackets == 0 && c == QLatin1Char(',')) {
                // The comma ends the token and stays at its end.
                raw += c;
                ++at;
                break;
            }
            raw += c;
        }
        ScriptToken token = MakeToken(raw);
        token.start = start;
        tokens.append(token);
    }
    return tokens;
}

QStringList SplitScriptTokens(QStringView arguments)
{
    QStringList texts;
    for (const ScriptToken& token : SplitTokens(arguments))
        texts.append(token.text);
    return texts;
}

QString FileActionDisplayName(const QString& word)
{
    const QString named = ScriptAction::FileActionNamed(word);
    return named.isEmpty() ? QStringLiteral("Copy") : named;
}

} // namespace vl
