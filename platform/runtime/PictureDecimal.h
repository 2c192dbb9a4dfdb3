#pragma once
// Decimal numbers held as digit text, so that pictures show values exactly as
// written and round half away from zero without binary error, and so that
// arithmetic on them (the expression evaluator's) has no binary error either.

#include <QString>
#include <QStringView>

#include <compare>
#include <optional>

namespace vl::Picture {

struct Decimal {
    bool negative = false;  // never set for zero
    QString integerDigits;  // no leading zeros; empty when the integer part is 0
    QString fractionDigits; // no trailing zeros

    static Decimal FromInteger(qint64 value);
    // The shortest decimal text that reads back as the value; NaN and the
    // infinities, which no picture can show, count as 0.
    static Decimal FromDouble(double value);

    bool IsZero() const { return integerDigits.isEmpty() && fractionDigits.isEmpty(); }
    // Rounded half away from zero to that many decimal places.
    Decimal RoundedTo(int places) const;
    // Rounded half away from zero to that many significant digits (at least 1).
    Decimal RoundedToSignificant(int digits) const;
    // The integer part (truncated toward zero), or nothing when it has more
    // than 18 digits.
    std::optional<qint64> Truncated() const;
    // "-12.5", "0", "0.25".
    QString ToText() const;

    // Exact sums, differences and products: every digit is kept.
    Decimal operator-() const;
    Decimal operator+(const Decimal& other) const;
    Decimal operator-(const Decimal& other) const;
    Decimal operator*(const Decimal& other) const;
    // The quotient rounded half away from zero to that many significant
    // digits; nothing for a divisor of 0.
    std::optional<Decimal> DividedBy(const Decimal& divisor, int significantDigits) const;

    // Values compare by size; normalised digits make equal values equal members.
    std::strong_ordering operator<=>(const Decimal& other) const;
    bool operator==(const Decimal& other) const = default;
};

// Reads numeric text as the runtime reads it back: blanks, commas and "*" are
// ignored, a leading or trailing minus (or a leading plus) gives the sign, and
// there is at most one decimal point. Nothing when the text is not a number.
std::optional<Decimal> ReadDecimal(QStringView text);

} // namespace vl::Picture
