#include "platform/runtime/PictureDecimal.h"

#include <QLocale>

#include <cmath>

namespace vl::Picture {
namespace {

bool IsAsciiDigit(QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); }

Decimal Normalized(bool negative, QString integerDigits, QString fractionDigits)
{
    qsizetype lead = 0;
    while (lead < integerDigits.size() && integerDigits.at(lead) == QLatin1Char('0'))
        ++lead;
    integerDigits.remove(0, lead);
    qsizetype end = fractionDigits.size();
    while (end > 0 && fractionDigits.at(end - 1) == QLatin1Char('0'))
        --end;
    fractionDigits.truncate(end);
    Decimal d{negative, integerDigits, fractionDigits};
    if (d.IsZero())
        d.negative = false;
    return d;
}

// Adds one to a string of decimal digits ("" counts as 0).
QString Incremented(QString digits)
{
    for (qsizetype i = digits.size() - 1; i >= 0; --i) {
        if (digits.at(i) != QLatin1Char('9')) {
            digits[i] = QChar(digits.at(i).unicode() + 1);
            return digits;
        }
        digits[i] = QLatin1Char('0');
    }
    return QLatin1Char('1') + digits;
}

} // namespace

Decimal Decimal::FromInteger(qint64 value)
{
    return *ReadDecimal(QString::number(value));
}

Decimal Decimal::FromDouble(double value)
{
    if (!std::isfinite(value))
        return {};
    return ReadDecimal(QString::number(value, 'f', QLocale::FloatingPointShortest)).value_or(Decimal{});
}

Decimal Decimal::RoundedTo(int places) const
{
    places = qMax(places, 0);
    if (fractionDigits.size() <= places)
        return *this;
    // Working on the magnitude makes "half up" mean "half away from zero".
    const bool up = fractionDigits.at(places) >= QLatin1Char('5');
    QString kept = integerDigits + fractionDigits.left(places);
    if (up)
        kept = Incremented(kept);
    const qsizetype integerLength = kept.size() - places;
    return Normalized(negative, kept.left(integerLength), kept.mid(integerLength));
}

std::optional<qint64> Decimal::Truncated() const
{
    if (integerDigits.size() > 18)
        return std::nullopt;
    const qint64 magnitude = integerDigits.isEmpty() ? 0 : integerDigits.toLongLong();
    return negative ? -magnitude : magnitude;
}

QString Decimal::ToText() const
{
    QString text = negative ? QStringLiteral("-") : QString();
    text += integerDigits.isEmpty() ? QStringLiteral("0") : integerDigits;
    if (!fractionDigits.isEmpty())
        text += QLatin1Char('.') + fractionDigits;
    return text;
}

std::optional<Decimal> ReadDecimal(QStringView text)
{
    QString integerDigits;
    QString fractionDigits;
    bool negative = false;
    bool leadingSign = false;
    bool trailingMinus = false;
    bool seenDigit = false;
    bool seenPoint = false;
    for (const QChar c : text) {
        if (c.isSpace() || c == QLatin1Char(',') || c == QLatin1Char('*'))
            continue;
        if (IsAsciiDigit(c) && !trailingMinus) {
            (seenPoint ? fractionDigits : integerDigits) += c;
            seenDigit = true;
        } else if (c == QLatin1Char('.') && !seenPoint && !trailingMinus) {
            seenPoint = true;
        } else if ((c == QLatin1Char('-') || c == QLatin1Char('+')) && !seenDigit && !seenPoint && !leadingSign) {
            leadingSign = true;
            negative = c == QLatin1Char('-');
        } else if (c == QLatin1Char('-') && seenDigit && !leadingSign && !trailingMinus) {
            trailingMinus = true;
            negative = true;
        } else {
            return std::nullopt;
        }
    }
    if (!seenDigit)
        return std::nullopt;
    return Normalized(negative, integerDigits, fractionDigits);
}

} // namespace vl::Picture
