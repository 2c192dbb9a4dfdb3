#include "platform/runtime/PictureKinds.h"

#include "platform/runtime/Clock.h"
#include "platform/runtime/FixedText.h"

#include <limits>

namespace vl::Picture {
namespace {

// Shows a value under a picture. `plainText` is the value as plain text, for
// @S and for pictures that cannot be read.
QString FormatValue(const Decimal& value, const QString& plainText, const Parsed& picture)
{
    switch (picture.kind) {
    case Kind::Date:
    case Kind::Time: {
        // A value beyond 18 digits is no day or time a picture can show.
        const std::optional<qint64> whole = value.Truncated();
        if (!whole)
            return {};
        return picture.kind == Kind::Date ? FormatDate(*whole, picture) : FormatTime(*whole, picture);
    }
    case Kind::Number:
        return FormatNumber(value, picture);
    case Kind::Pattern:
        return FormatPattern(value, picture);
    case Kind::String:
        return PadTo(plainText, picture.size);
    case Kind::Plain:
        break;
    }
    return plainText;
}

// A numeric result read back, as a 32-bit value (0 when out of range).
qint32 ToInt32(const QString& text)
{
    const std::optional<Decimal> d = ReadDecimal(text);
    const std::optional<qint64> whole = d ? d->Truncated() : std::nullopt;
    if (!whole || *whole < std::numeric_limits<qint32>::min() || *whole > std::numeric_limits<qint32>::max())
        return 0;
    return static_cast<qint32>(*whole);
}

} // namespace

QString Format(qint64 value, const QString& picture)
{
    const QString text = QString::number(value);
    return FormatValue(Decimal::FromInteger(value), text, Parse(picture));
}

QString Format(double value, const QString& picture)
{
    const Decimal d = Decimal::FromDouble(value);
    return FormatValue(d, d.ToText(), Parse(picture));
}

QString FormatDecimal(const QString& decimalText, const QString& picture)
{
    const Decimal d = ReadDecimal(decimalText).value_or(Decimal{});
    return FormatValue(d, d.ToText(), Parse(picture));
}

QString Format(const QString& text, const QString& picture)
{
    const Parsed parsed = Parse(picture);
    if (parsed.kind == Kind::String || parsed.kind == Kind::Plain)
        return FormatValue(Decimal{}, text, parsed);
    return FormatValue(ReadDecimal(text).value_or(Decimal{}), text, parsed);
}

QString Deformat(const QString& text, const QString& picture)
{
    const Parsed parsed = Parse(picture);
    switch (parsed.kind) {
    case Kind::Date:
        return QString::number(ReadDate(text, parsed));
    case Kind::Time:
        return QString::number(ReadTime(text, parsed));
    case Kind::Number:
        return ReadDecimal(text).value_or(Decimal{}).ToText();
    case Kind::String:
        return CutTo(text, parsed.size);
    case Kind::Pattern:
        return ReadPattern(text, parsed);
    case Kind::Plain:
        break;
    }
    return text;
}

Date DeformatDate(const QString& text, const QString& picture)
{
    const Parsed parsed = Parse(picture);
    return parsed.kind == Kind::Date ? ReadDate(text, parsed) : ToInt32(Deformat(text, picture));
}

ClockTime DeformatTime(const QString& text, const QString& picture)
{
    const Parsed parsed = Parse(picture);
    return parsed.kind == Kind::Time ? ReadTime(text, parsed) : ToInt32(Deformat(text, picture));
}

int ExpandTwoDigitYear(int twoDigits)
{
    const int lastYear = YearOf(Today()) + 20;
    const int yy = (twoDigits % 100 + 100) % 100;
    return lastYear - ((lastYear - yy) % 100 + 100) % 100;
}

std::optional<QList<TextToken>> SplitTokens(QStringView text, QStringView separators, bool freeLiterals)
{
    QList<TextToken> tokens;
    TextToken run;
    const auto endRun = [&] {
        if (!run.text.isEmpty())
            tokens.append(run);
        run.text.clear();
    };
    for (const QChar c : text) {
        const bool digit = c >= QLatin1Char('0') && c <= QLatin1Char('9');
        if (digit || c.isLetter()) {
            if (run.digits != digit)
                endRun();
            run.digits = digit;
            run.text += c;
        } else if (c.isSpace() || separators.contains(c) || freeLiterals) {
            endRun();
        } else {
            return std::nullopt;
        }
    }
    endRun();
    return tokens;
}

} // namespace vl::Picture
