#include "platform/runtime/PictureDecimal.h"

#include <QLocale>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

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

// Arithmetic works on magnitudes written as digits × 10^exponent, the digits
// ASCII without leading zeros ("" is 0).
struct Scaled {
    std::string digits;
    int exponent = 0;
};

std::string WithoutLeadingZeros(std::string digits)
{
    digits.erase(0, std::min(digits.find_first_not_of('0'), digits.size()));
    return digits;
}

Scaled ScaledOf(const Decimal& d)
{
    Scaled s{WithoutLeadingZeros((d.integerDigits + d.fractionDigits).toStdString()),
             -static_cast<int>(d.fractionDigits.size())};
    // Trailing zeros go into the exponent, which keeps products short.
    while (!s.digits.empty() && s.digits.back() == '0') {
        s.digits.pop_back();
        ++s.exponent;
    }
    return s;
}

Decimal DecimalOf(bool negative, const Scaled& s)
{
    const QString digits = QString::fromStdString(s.digits);
    if (s.exponent >= 0)
        return Normalized(negative, digits + QString(s.exponent, QLatin1Char('0')), {});
    const qsizetype places = -static_cast<qsizetype>(s.exponent);
    if (digits.size() <= places)
        return Normalized(negative, {}, QString(places - digits.size(), QLatin1Char('0')) + digits);
    return Normalized(negative, digits.left(digits.size() - places), digits.mid(digits.size() - places));
}

// The digits of the magnitude written with that (lower or equal) exponent.
std::string Aligned(const Scaled& s, int exponent)
{
    return s.digits.empty() ? std::string() : s.digits + std::string(s.exponent - exponent, '0');
}

int CompareDigits(const std::string& a, const std::string& b)
{
    if (a.size() != b.size())
        return a.size() < b.size() ? -1 : 1;
    const int order = a.compare(b);
    return order < 0 ? -1 : (order > 0 ? 1 : 0);
}

std::string AddDigits(const std::string& a, const std::string& b)
{
    std::string sum;
    int carry = 0;
    for (size_t i = 0; i < std::max(a.size(), b.size()) || carry; ++i) {
        const int x = i < a.size() ? a[a.size() - 1 - i] - '0' : 0;
        const int y = i < b.size() ? b[b.size() - 1 - i] - '0' : 0;
        sum.push_back(static_cast<char>('0' + (x + y + carry) % 10));
        carry = (x + y + carry) / 10;
    }
    std::reverse(sum.begin(), sum.end());
    return WithoutLeadingZeros(sum);
}

// a - b for a not below b.
std::string SubtractDigits(const std::string& a, const std::string& b)
{
    std::string difference;
    int borrow = 0;
    for (size_t i = 0; i < a.size(); ++i) {
        int x = a[a.size() - 1 - i] - '0' - borrow;
        const int y = i < b.size() ? b[b.size() - 1 - i] - '0' : 0;
        borrow = x < y ? 1 : 0;
        x += borrow * 10;
        difference.push_back(static_cast<char>('0' + x - y));
    }
    std::reverse(difference.begin(), difference.end());
    return WithoutLeadingZeros(difference);
}

std::string MultiplyDigits(const std::string& a, const std::string& b)
{
    if (a.empty() || b.empty())
        return {};
    std::vector<int> cells(a.size() + b.size(), 0);
    for (size_t i = a.size(); i-- > 0;) {
        int carry = 0;
        for (size_t j = b.size(); j-- > 0;) {
            const int cell = cells[i + j + 1] + (a[i] - '0') * (b[j] - '0') + carry;
            cells[i + j + 1] = cell % 10;
            carry = cell / 10;
        }
        cells[i] += carry;
    }
    std::string product;
    for (const int cell : cells)
        product.push_back(static_cast<char>('0' + cell));
    return WithoutLeadingZeros(product);
}

// The integer quotient a / b by long division; b is not 0.
std::string DivideDigits(const std::string& a, const std::string& b)
{
    std::string quotient;
    std::string remainder;
    for (const char digit : a) {
        remainder = WithoutLeadingZeros(remainder + digit);
        char count = '0';
        while (CompareDigits(remainder, b) >= 0) {
            remainder = SubtractDigits(remainder, b);
            ++count;
        }
        quotient.push_back(count);
    }
    return WithoutLeadingZeros(quotient);
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

Decimal Decimal::RoundedToSignificant(int digits) const
{
    digits = qMax(digits, 1);
    if (integerDigits.isEmpty()) {
        qsizetype zeros = 0;
        while (zeros < fractionDigits.size() && fractionDigits.at(zeros) == QLatin1Char('0'))
            ++zeros;
        return RoundedTo(static_cast<int>(zeros) + digits);
    }
    if (integerDigits.size() <= digits)
        return RoundedTo(digits - static_cast<int>(integerDigits.size()));
    QString kept = integerDigits.left(digits);
    if (integerDigits.at(digits) >= QLatin1Char('5'))
        kept = Incremented(kept);
    return Normalized(negative, kept + QString(integerDigits.size() - digits, QLatin1Char('0')), {});
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

Decimal Decimal::operator-() const
{
    Decimal negated = *this;
    negated.negative = !negative && !IsZero();
    return negated;
}

Decimal Decimal::operator+(const Decimal& other) const
{
    const Scaled a = ScaledOf(*this);
    const Scaled b = ScaledOf(other);
    const int exponent = std::min(a.exponent, b.exponent);
    const std::string x = Aligned(a, exponent);
    const std::string y = Aligned(b, exponent);
    if (negative == other.negative)
        return DecimalOf(negative, {AddDigits(x, y), exponent});
    if (CompareDigits(x, y) >= 0)
        return DecimalOf(negative, {SubtractDigits(x, y), exponent});
    return DecimalOf(other.negative, {SubtractDigits(y, x), exponent});
}

Decimal Decimal::operator-(const Decimal& other) const
{
    return *this + -other;
}

Decimal Decimal::operator*(const Decimal& other) const
{
    const Scaled a = ScaledOf(*this);
    const Scaled b = ScaledOf(other);
    return DecimalOf(negative != other.negative, {MultiplyDigits(a.digits, b.digits), a.exponent + b.exponent});
}

std::optional<Decimal> Decimal::DividedBy(const Decimal& divisor, int significantDigits) const
{
    if (divisor.IsZero())
        return std::nullopt;
    significantDigits = qMax(significantDigits, 1);
    const Scaled a = ScaledOf(*this);
    const Scaled b = ScaledOf(divisor);
    // Enough zeros after the dividend for one digit beyond those kept, which
    // decides the rounding.
    const int shift = qMax(0, significantDigits + 1 + static_cast<int>(b.digits.size())
                                  - static_cast<int>(a.digits.size()));
    const std::string quotient = DivideDigits(a.digits + std::string(shift, '0'), b.digits);
    return DecimalOf(negative != divisor.negative, {quotient, a.exponent - b.exponent - shift})
        .RoundedToSignificant(significantDigits);
}

std::strong_ordering Decimal::operator<=>(const Decimal& other) const
{
    if (negative != other.negative)
        return negative ? std::strong_ordering::less : std::strong_ordering::greater;
    const Scaled a = ScaledOf(*this);
    const Scaled b = ScaledOf(other);
    const int exponent = std::min(a.exponent, b.exponent);
    const int order = CompareDigits(Aligned(a, exponent), Aligned(b, exponent)) * (negative ? -1 : 1);
    return order < 0 ? std::strong_ordering::less
                     : (order > 0 ? std::strong_ordering::greater : std::strong_ordering::equal);
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
