#include "platform/query/QueryTexts.h"

namespace vl {

QString QueryTexts::Text(int number) const
{
    const auto it = texts_.find(number);
    return it == texts_.end() ? QString() : it->second;
}

QString QueryTexts::Plain(int number) const
{
    QString text = Text(number);
    text.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    text.remove(QLatin1Char('&'));
    text.replace(QStringLiteral("\x01"), QStringLiteral("&"));
    return text;
}

} // namespace vl
