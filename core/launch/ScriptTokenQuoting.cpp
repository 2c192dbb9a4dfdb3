#include "core/launch/ScriptTokenQuoting.h"

#include "platform/runtime/FixedText.h"

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
    for (const QChar c : clipped) {
        if (c == QLatin1Char(' ') || c == QLatin1Char(',') || c == QLatin1Char('/') || c == QLatin1Char('\\'))
            return QLatin1Char('"') + clipped + QLatin1Char('"');
    }
    return clipped;
}

} // namespace vl
