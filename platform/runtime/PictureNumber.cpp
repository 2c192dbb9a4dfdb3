// Number pictures @N and digit patterns @P...P.

#include "platform/runtime/PictureKinds.h"

#include <algorithm>

namespace vl::Picture {
namespace {

QString GroupedByThree(const QString& digits)
{
    QString text;
    for (qsizetype i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            text += QLatin1Char(',');
        text += digits.at(i);
    }
    return text;
}

bool IsDigitPosition(QChar c) { return c == QLatin1Char('<') || c == QLatin1Char('#'); }

} // namespace

QString FormatNumber(const Decimal& value, const Parsed& picture)
{
    const Decimal rounded = value.RoundedTo(picture.places);
    if (rounded.IsZero() && picture.blankWhenZero)
        return {};
    QString digits = rounded.integerDigits.isEmpty() ? QStringLiteral("0") : rounded.integerDigits;
    if (picture.fill.isNull())
        digits = GroupedByThree(digits);
    if (picture.places > 0)
        digits += QLatin1Char('.') + rounded.fractionDigits.leftJustified(picture.places, QLatin1Char('0'));
    const QString sign = rounded.negative ? QStringLiteral("-") : QString();
    const qsizetype padding = picture.size - sign.size() - digits.size();
    if (padding < 0)
        return QString(picture.size, QLatin1Char('#'));
    if (picture.fill == QLatin1Char('0'))
        return sign + QString(padding, QLatin1Char('0')) + digits;
    return QString(padding, picture.fill.isNull() ? QLatin1Char(' ') : picture.fill) + sign + digits;
}

QString FormatPattern(const Decimal& value, const Parsed& picture)
{
    // The digits of the integer part, without its sign.
    const QString& digits = value.integerDigits;
    if (digits.isEmpty() && picture.blankWhenZero)
        return {};
    const qsizetype positions = std::count_if(picture.pattern.begin(), picture.pattern.end(), IsDigitPosition);
    const bool overflow = digits.size() > positions;
    const QString filled = digits.rightJustified(positions, QLatin1Char('0'));
    QString text;
    qsizetype next = 0;
    bool significant = false; // a digit has been shown at or left of this position
    for (const QChar c : picture.pattern) {
        if (!IsDigitPosition(c)) {
            text += c;
            continue;
        }
        const QChar digit = filled.at(next++);
        if (overflow) {
            text += QLatin1Char('#');
        } else if (c == QLatin1Char('<') && !significant && digit == QLatin1Char('0')) {
            text += QLatin1Char(' ');
        } else {
            text += digit;
            significant = true;
        }
    }
    return text;
}

QString ReadPattern(const QString& text, const Parsed& picture)
{
    QString digits;
    const qsizetype length = qMin(text.size(), picture.pattern.size());
    for (qsizetype i = 0; i < length; ++i) {
        const QChar c = text.at(i);
        if (IsDigitPosition(picture.pattern.at(i)) && c >= QLatin1Char('0') && c <= QLatin1Char('9'))
            digits += c;
    }
    return ReadDecimal(digits).value_or(Decimal{}).ToText();
}

} // namespace vl::Picture
