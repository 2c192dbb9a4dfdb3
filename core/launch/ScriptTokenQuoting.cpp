#include "core/launch/ScriptTokenQuoting.h"

#include "platform/runtime/FixedText.h"

#include <algorithm>

namespace vl {

QString StripQuotes(const QString& token)
{
    if (token == QLatin1String("\"\""))
        return QString();
    const QString clipped = Clip(token);
    if (token.startsWith(QLatin1Char('"')) && clipped.size() >= 2 && clipped.endsWith(QLatin1Char('"')))
        return clipped.mid(1, clipped.size() - 2);
    return token;
}

QString QuoteScriptToken(const QString& token)
{
    const QString clipped = Clip(StripQuotes(token));
    if (clipped.isEmpty())
        return QStringLiteral("\"\"");
    const bool quoted = std::any_of(clipped.cbegin(), clipped.cend(), [](QChar c) {
        return c.isSpace() || c == QLatin1Char(',') || c == QLatin1Char('/') || c == QLatin1Char('\\')
            || c == QLatin1Char('"');
    });
    if (!quoted)
        return clipped;
    // Inside the quotes, three double quotes stand for one of the token's own.
    QString inner = clipped;
    inner.replace(QLatin1Char('"'), QStringLiteral("\"\"\""));
    return QLatin1Char('"') + inner + QLatin1Char('"');
}

} // namespace vl
