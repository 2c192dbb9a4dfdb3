#include "platform/runtime/PictureKinds.h"

namespace vl::Picture {
namespace {

// Walks a picture text; letters compare regardless of case.
class PictureReader {
public:
    explicit PictureReader(QStringView text) : text_(text) {}

    bool AtEnd() const { return pos_ >= text_.size(); }
    QChar Peek(qsizetype ahead = 0) const
    {
        return pos_ + ahead < text_.size() ? text_.at(pos_ + ahead) : QChar();
    }
    bool Take(char c)
    {
        if (AtEnd() || Peek().toUpper() != QChar::fromLatin1(c).toUpper())
            return false;
        ++pos_;
        return true;
    }
    // A number of 1 to maxDigits digits; nothing when there is none or it is longer.
    std::optional<int> Number(int maxDigits)
    {
        int value = 0;
        int count = 0;
        while (IsDigit(Peek())) {
            if (++count > maxDigits)
                return std::nullopt;
            value = value * 10 + (Peek().unicode() - '0');
            ++pos_;
        }
        return count > 0 ? std::optional<int>(value) : std::nullopt;
    }
    static bool IsDigit(QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); }

private:
    QStringView text_;
    qsizetype pos_ = 0;
};

// @D[0]n[s][B] and @T[0]n[s][B].
Parsed ParseDateOrTime(PictureReader& in, Kind kind, int lastLayout)
{
    Parsed p;
    p.kind = kind;
    if (in.Peek() == QLatin1Char('0') && PictureReader::IsDigit(in.Peek(1))) {
        in.Take('0');
        p.zeroFill = true;
    }
    const std::optional<int> layout = in.Number(2);
    if (!layout || *layout < 1 || *layout > lastLayout)
        return {};
    p.layout = *layout;
    if (in.Take('.'))
        p.separator = QLatin1Char('.');
    else if (in.Take('-'))
        p.separator = QLatin1Char('-');
    else if (in.Take('_'))
        p.separator = QLatin1Char(' ');
    else if (in.Take('`'))
        p.separator = QLatin1Char(',');
    p.blankWhenZero = in.Take('B');
    return in.AtEnd() ? p : Parsed{};
}

std::optional<int> Width(PictureReader& in)
{
    const std::optional<int> n = in.Number(5);
    if (!n || *n < 1 || *n > kMaxWidth)
        return std::nullopt;
    return n;
}

// @N[-][fill]size[.places][B]
Parsed ParseNumber(PictureReader& in)
{
    Parsed p;
    p.kind = Kind::Number;
    in.Take('-'); // negative values show a minus either way
    if (in.Take('_'))
        p.fill = QLatin1Char(' ');
    else if (in.Take('*'))
        p.fill = QLatin1Char('*');
    else if (in.Peek() == QLatin1Char('0') && PictureReader::IsDigit(in.Peek(1)) && in.Take('0'))
        p.fill = QLatin1Char('0');
    const std::optional<int> size = Width(in);
    if (!size)
        return {};
    p.size = *size;
    if (in.Take('.')) {
        const std::optional<int> places = in.Number(5);
        if (!places || *places > kMaxWidth)
            return {};
        p.places = *places;
    }
    p.blankWhenZero = in.Take('B');
    return in.AtEnd() ? p : Parsed{};
}

// @Sn
Parsed ParseString(PictureReader& in)
{
    Parsed p;
    p.kind = Kind::String;
    const std::optional<int> size = Width(in);
    if (!size || !in.AtEnd())
        return {};
    p.size = *size;
    return p;
}

// @P...P[B]: the closing P is the last one, so the pattern itself may hold a
// "P" ("pPage <<<#p").
Parsed ParsePattern(QStringView rest)
{
    Parsed p;
    p.kind = Kind::Pattern;
    const auto isP = [](QChar c) { return c.toUpper() == QLatin1Char('P'); };
    if (!rest.isEmpty() && isP(rest.back())) {
        p.pattern = rest.chopped(1).toString();
    } else if (rest.size() >= 2 && rest.back().toUpper() == QLatin1Char('B') && isP(rest.at(rest.size() - 2))) {
        p.pattern = rest.chopped(2).toString();
        p.blankWhenZero = true;
    } else {
        return {};
    }
    if (p.pattern.size() > kMaxWidth)
        return {};
    return p;
}

} // namespace

Parsed Parse(const QString& picture)
{
    QStringView text = QStringView(picture).trimmed();
    if (text.startsWith(QLatin1Char('@')))
        text = text.mid(1);
    if (text.isEmpty())
        return {};
    const QChar kind = text.front().toUpper();
    PictureReader in(text.mid(1));
    switch (kind.unicode()) {
    case 'D':
        return ParseDateOrTime(in, Kind::Date, 18);
    case 'T':
        return ParseDateOrTime(in, Kind::Time, 8);
    case 'N':
        return ParseNumber(in);
    case 'S':
        return ParseString(in);
    case 'P':
        return ParsePattern(text.mid(1));
    default:
        return {};
    }
}

} // namespace vl::Picture
