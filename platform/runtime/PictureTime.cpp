// Time pictures @T1-@T8: layouts, formatting and reading back.

#include "platform/runtime/PictureKinds.h"

#include <QTime>

namespace vl::Picture {
namespace {

// The layouts 1-6, one character per part:
//   H hour 0-23 (two digits; loses its leading zero to a blank unless
//   zero-filled), h hour 0-23 always two digits, a hour 1-12 unpadded (two
//   digits when zero-filled), m minutes, s seconds, X "AM"/"PM", ":" the
//   separator (default ":").
constexpr const char* kTimeLayouts[] = {"H:m", "hm", "a:mX", "H:m:s", "hms", "a:m:sX"};
constexpr int kShortLocaleLayout = 7;
constexpr int kLongLocaleLayout = 8;

// Characters accepted between the fields of a time read back.
constexpr QStringView kTimeSeparators = u":.-,";

QString TwoDigits(int n) { return QString::number(n).rightJustified(2, QLatin1Char('0')); }

QString FormatLayout(const char* layout, int hours, int minutes, int seconds, const Parsed& picture)
{
    QString text;
    for (const char* part = layout; *part; ++part) {
        switch (*part) {
        case 'H':
            text += !picture.zeroFill && hours < 10 ? QLatin1Char(' ') + QString::number(hours) : TwoDigits(hours);
            break;
        case 'h':
            text += TwoDigits(hours);
            break;
        case 'a': {
            const int twelve = hours % 12 == 0 ? 12 : hours % 12;
            text += picture.zeroFill ? TwoDigits(twelve) : QString::number(twelve);
            break;
        }
        case 'm':
            text += TwoDigits(minutes);
            break;
        case 's':
            text += TwoDigits(seconds);
            break;
        case 'X':
            text += hours < 12 ? QLatin1String("AM") : QLatin1String("PM");
            break;
        case ':':
            text += picture.separator.isNull() ? QLatin1Char(':') : picture.separator;
            break;
        default:
            text += QLatin1Char(*part);
        }
    }
    return text;
}

enum class HalfDay { None, Morning, Afternoon };

// Finds and removes an AM/PM marker (any case). Layouts 1-6 take "AM"/"PM"
// at the end; the locale layouts also the locale's own texts, anywhere.
HalfDay TakeHalfDay(QString& text, bool localeLayout)
{
    QList<std::pair<QString, HalfDay>> markers;
    if (localeLayout) {
        const QLocale locale = DesktopLocale();
        markers.append({locale.amText(), HalfDay::Morning});
        markers.append({locale.pmText(), HalfDay::Afternoon});
    }
    markers.append({QStringLiteral("AM"), HalfDay::Morning});
    markers.append({QStringLiteral("PM"), HalfDay::Afternoon});
    text = text.trimmed();
    for (const auto& [marker, half] : markers) {
        if (marker.isEmpty())
            continue;
        if (!localeLayout) {
            if (text.endsWith(marker, Qt::CaseInsensitive)) {
                text.chop(marker.size());
                return half;
            }
            continue;
        }
        const qsizetype at = text.indexOf(marker, 0, Qt::CaseInsensitive);
        if (at >= 0) {
            text.remove(at, marker.size());
            return half;
        }
    }
    return HalfDay::None;
}

// Hours, minutes and optional seconds from the digit runs: "9:05", "9:05:07",
// or one run of 3 to 6 digits ("905", "0905", "90507", "090507"). Hours have
// one or two digits; minutes and seconds have two, except where the desktop's
// own layout writes them with one (exactFields false).
std::optional<QList<int>> TimeFields(const QList<TextToken>& tokens, bool exactFields)
{
    QStringList runs;
    for (const TextToken& token : tokens)
        runs.append(token.text);
    if (runs.size() == 1) {
        const QString run = runs.front();
        if (run.size() < 3 || run.size() > 6)
            return std::nullopt;
        const qsizetype hourWidth = 2 - run.size() % 2;
        runs = {run.left(hourWidth), run.mid(hourWidth, 2)};
        if (run.size() > 4)
            runs.append(run.mid(hourWidth + 2, 2));
    }
    if (runs.size() < 2 || runs.size() > 3)
        return std::nullopt;
    QList<int> fields;
    for (const QString& run : runs) {
        if (run.size() > 2 || (exactFields && !fields.isEmpty() && run.size() != 2))
            return std::nullopt;
        fields.append(run.toInt());
    }
    return fields;
}

} // namespace

QString FormatTime(qint64 clock, const Parsed& picture)
{
    if (clock < 0)
        return {};
    if (clock == 0 && picture.blankWhenZero)
        return {};
    // 0 and 1 are both midnight; a value above a day runs on into the next.
    const qint64 inDay = clock == 0 ? 0 : (clock - 1) % kClockPerDay;
    const int hours = static_cast<int>(inDay / kClockPerHour);
    const int minutes = static_cast<int>(inDay % kClockPerHour / kClockPerMinute);
    const int seconds = static_cast<int>(inDay % kClockPerMinute / kClockPerSecond);
    if (picture.layout == kShortLocaleLayout || picture.layout == kLongLocaleLayout) {
        const QLocale locale = DesktopLocale();
        const QLocale::FormatType type = picture.layout == kShortLocaleLayout ? QLocale::ShortFormat : QLocale::LongFormat;
        return locale.toString(QTime(hours, minutes, seconds), WithoutTimeZone(locale.timeFormat(type)));
    }
    return FormatLayout(kTimeLayouts[picture.layout - 1], hours, minutes, seconds, picture);
}

ClockTime ReadTime(const QString& text, const Parsed& picture)
{
    const bool localeLayout = picture.layout == kShortLocaleLayout || picture.layout == kLongLocaleLayout;
    QString rest = text;
    const HalfDay half = TakeHalfDay(rest, localeLayout);
    const std::optional<QList<TextToken>> tokens = SplitTokens(rest, kTimeSeparators, localeLayout);
    if (!tokens)
        return 0;
    QList<TextToken> digitRuns;
    for (const TextToken& token : *tokens) {
        if (token.digits)
            digitRuns.append(token);
        else if (!localeLayout)
            return 0; // letters other than AM/PM only pass in the locale's literal text
    }
    const std::optional<QList<int>> fields = TimeFields(digitRuns, !localeLayout);
    if (!fields)
        return 0;
    int hours = (*fields)[0];
    const int minutes = (*fields)[1];
    const int seconds = fields->size() > 2 ? (*fields)[2] : 0;
    if (half == HalfDay::None ? hours > 23 : hours < 1 || hours > 12)
        return 0;
    if (half != HalfDay::None)
        hours = hours % 12 + (half == HalfDay::Afternoon ? 12 : 0);
    if (minutes > 59 || seconds > 59)
        return 0;
    return MakeClock(hours, minutes, seconds);
}

} // namespace vl::Picture
