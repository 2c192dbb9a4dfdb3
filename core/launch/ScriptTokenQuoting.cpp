#include "core/launch/ScriptTokenQuoting.h"

#include "platform/runtime/FixedText.h"

#include <algorithm>

namespace vl {
namespace {

// A "[" is closed by the next "]"; a "]" with no "[" open is plain text.
bool OpensAGroupItNeverCloses(const QString& text)
{
    int open = 0;
    for (const QChar c : text) {
        if (c == u'[')
            ++open;
        else if (c == u']' && open > 0)
            --open;
    }
    return open > 0;
}

} // namespace

QString StripQuotes(const QString& token)
{
    if (token == QLatin1String("\"\""))
        return QString();
    const QString clipped = Clip(token);
    if (token.startsWith(QLatin1Char('"')) && clipped.size() >= 2 && clipped.endsWith(QLatin1Char('"')))
        return clipped.mid(1, clipped.size() - 2);
    return token;
}

QString QuotedScriptToken(const QString& token)
{
    // Inside the quotes, three double quotes stand for one of the token's own.
    QString inner = Clip(token);
    inner.replace(QLatin1Char('"'), QStringLiteral("\"\"\""));
    return QLatin1Char('"') + inner + QLatin1Char('"');
}

QString QuoteScriptToken(const QString& token)
{
    const QString clipped = Clip(token);
    const bool quoted = clipped.isEmpty() || OpensAGroupItNeverCloses(clipped)
                        || std::any_of(clipped.cbegin(), clipped.cend(), [](QChar c) {
                               return c.isSpace() || c == u',' || c == u'/' || c == u'\\' || c == u'"';
                           });
    return quoted ? QuotedScriptToken(clipped) : clipped;
}

} // namespace vl
