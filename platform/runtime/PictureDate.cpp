// Date pictures @D1-@D18: layouts, formatting and reading back.

#include "platform/runtime/PictureKinds.h"

#include <QDate>

#include <algorithm>
#include <limits>

namespace vl::Picture {
namespace {

// The layouts 1-16, one character per part:
//   M month, D day (two digits; a first field loses its leading zero to a
//   blank unless zero-filled), d day unpadded, y two-digit year, Y four-digit
//   year, N month abbreviation, F month name, "/" the separator (default "/"),
//   "_" the separator (default blank); anything else is shown as it is.
constexpr const char* kDateLayouts[] = {
    "M/D/y", "M/D/Y", "N D,Y", "F d, Y", "D/M/y", "D/M/Y", "D_N_y", "D_N_Y",
    "y/M/D", "Y/M/D", "yMD",   "YMD",    "M/y",   "M/Y",   "y/M",   "Y/M",
};
constexpr int kShortLocaleLayout = 17;
constexpr int kLongLocaleLayout = 18;

constexpr const char* kMonthNames[] = {"January", "February", "March",     "April",   "May",      "June",
                                       "July",    "August",   "September", "October", "November", "December"};

// Characters accepted between the fields of a date read back.
constexpr QStringView kDateSeparators = u"/.-,";

QString TwoDigits(int n) { return QString::number(n).rightJustified(2, QLatin1Char('0')); }

QString FormatLayout(const char* layout, const DayMonthYear& dmy, const Parsed& picture)
{
    QString text;
    for (const char* part = layout; *part; ++part) {
        const bool first = part == layout;
        switch (*part) {
        case 'M':
        case 'D': {
            const int n = *part == 'M' ? dmy.month : dmy.day;
            text += first && !picture.zeroFill && n < 10 ? QLatin1Char(' ') + QString::number(n) : TwoDigits(n);
            break;
        }
        case 'd':
            text += QString::number(dmy.day);
            break;
        case 'y':
            text += TwoDigits(dmy.year % 100);
            break;
        case 'Y':
            text += QString::number(dmy.year).rightJustified(4, QLatin1Char('0'));
            break;
        case 'N':
            text += QLatin1String(kMonthNames[dmy.month - 1], 3).toString().toUpper();
            break;
        case 'F':
            text += QLatin1String(kMonthNames[dmy.month - 1]);
            break;
        case '/':
            text += picture.separator.isNull() ? QLatin1Char('/') : picture.separator;
            break;
        case '_':
            text += picture.separator.isNull() ? QLatin1Char(' ') : picture.separator;
            break;
        default:
            text += QLatin1Char(*part);
        }
    }
    return text;
}

// What one field of a layout accepts when read back.
enum class ReadField { Day, MonthNumber, MonthName, MonthAny, Year };

// The month a name stands for (1-12): the English name or its first three
// letters, or the locale's names when one is given; 0 when none.
int MonthFromName(const QString& name, const QLocale* locale)
{
    const QString wanted = name.toCaseFolded();
    // Locale names compare without their dots ("Okt."); names that hold
    // digits ("1月") are numbers with a mark, which the digit runs already give.
    const auto lettersOnly = [](QString s) {
        if (std::any_of(s.begin(), s.end(), [](QChar c) { return c.isDigit(); }))
            return QString();
        s.removeIf([](QChar c) { return !c.isLetter(); });
        return s.toCaseFolded();
    };
    for (int month = 1; month <= 12; ++month) {
        const QString english = QLatin1String(kMonthNames[month - 1]).toString().toCaseFolded();
        if (wanted == english || wanted == english.left(3))
            return month;
        if (!locale)
            continue;
        for (const QLocale::FormatType type : {QLocale::LongFormat, QLocale::ShortFormat}) {
            if (wanted == lettersOnly(locale->monthName(month, type))
                || wanted == lettersOnly(locale->standaloneMonthName(month, type)))
                return month;
        }
    }
    return 0;
}

// A year field: one or two digits are read in the two-digit window, four as
// they stand.
std::optional<int> YearFrom(const QString& digits)
{
    if (digits.size() <= 2)
        return ExpandTwoDigitYear(digits.toInt());
    if (digits.size() == 4)
        return digits.toInt();
    return std::nullopt;
}

// Matches tokens to fields one by one and builds the date; 0 when they do not fit.
Date DateFromTokens(const QList<TextToken>& tokens, const QList<ReadField>& fields, const QLocale* locale)
{
    if (tokens.size() != fields.size())
        return 0;
    int day = 1; // layouts without a day give the first of the month
    int month = 0;
    int year = 0;
    for (qsizetype i = 0; i < fields.size(); ++i) {
        const TextToken& token = tokens[i];
        const ReadField field = fields[i];
        const bool wantsName = field == ReadField::MonthName || (field == ReadField::MonthAny && !token.digits);
        if (wantsName) {
            month = token.digits ? 0 : MonthFromName(token.text, locale);
            if (month == 0)
                return 0;
            continue;
        }
        if (!token.digits)
            return 0;
        if (field == ReadField::Year) {
            const std::optional<int> y = YearFrom(token.text);
            if (!y)
                return 0;
            year = *y;
        } else if (token.text.size() > 2) {
            return 0;
        } else {
            (field == ReadField::Day ? day : month) = token.text.toInt();
        }
    }
    if (month < 1 || month > 12 || day < 1 || day > DaysInMonth(month, year))
        return 0;
    const Date date = MakeDate(month, day, year);
    return date > 0 ? date : 0;
}

// A single run of digits under an all-numeric layout ("103159" for mm/dd/yy):
// two digits a field, the year two or four.
std::optional<QList<TextToken>> SplitDigitRun(const QString& digits, const QList<ReadField>& fields)
{
    for (const int yearWidth : {2, 4}) {
        qsizetype total = 0;
        for (const ReadField field : fields)
            total += field == ReadField::Year ? yearWidth : 2;
        if (total != digits.size())
            continue;
        QList<TextToken> tokens;
        qsizetype at = 0;
        for (const ReadField field : fields) {
            const int width = field == ReadField::Year ? yearWidth : 2;
            tokens.append({true, digits.mid(at, width)});
            at += width;
        }
        return tokens;
    }
    return std::nullopt;
}

Date ReadFixedLayout(const QString& text, const char* layout)
{
    QList<ReadField> fields;
    bool numeric = true;
    for (const char* part = layout; *part; ++part) {
        switch (*part) {
        case 'M': fields.append(ReadField::MonthNumber); break;
        case 'D':
        case 'd': fields.append(ReadField::Day); break;
        case 'y':
        case 'Y': fields.append(ReadField::Year); break;
        case 'N':
        case 'F':
            fields.append(ReadField::MonthName);
            numeric = false;
            break;
        default: break;
        }
    }
    std::optional<QList<TextToken>> tokens = SplitTokens(text, kDateSeparators, false);
    if (!tokens)
        return 0;
    if (numeric && tokens->size() == 1 && tokens->front().digits && fields.size() > 1) {
        tokens = SplitDigitRun(tokens->front().text, fields);
        if (!tokens)
            return 0;
    }
    return DateFromTokens(*tokens, fields, nullptr);
}

// The locale's own layouts: the field order of its format; its literal text
// (weekday names, "de", CJK date marks) is passed over.
Date ReadLocaleLayout(const QString& text, QLocale::FormatType type)
{
    const QLocale locale = DesktopLocale();
    QList<ReadField> fields;
    for (const DateField field : DateFieldsOf(locale.dateFormat(type))) {
        fields.append(field == DateField::Day     ? ReadField::Day
                      : field == DateField::Month ? ReadField::MonthAny
                                                  : ReadField::Year);
    }
    const std::optional<QList<TextToken>> tokens = SplitTokens(text, {}, true);
    QList<TextToken> wanted;
    for (const TextToken& token : *tokens) {
        if (token.digits || MonthFromName(token.text, &locale))
            wanted.append(token);
    }
    return DateFromTokens(wanted, fields, &locale);
}

} // namespace

QString FormatDate(qint64 day, const Parsed& picture)
{
    // The calendar counts days in 32 bits; no picture shows a day before day 0.
    if (day < 0 || day > std::numeric_limits<Date>::max())
        return {};
    if (day == 0 && picture.blankWhenZero)
        return {};
    const DayMonthYear dmy = SplitDate(static_cast<Date>(day));
    if (picture.layout == kShortLocaleLayout || picture.layout == kLongLocaleLayout) {
        const QLocale::FormatType type = picture.layout == kShortLocaleLayout ? QLocale::ShortFormat : QLocale::LongFormat;
        return DesktopLocale().toString(QDate(dmy.year, dmy.month, dmy.day), type);
    }
    return FormatLayout(kDateLayouts[picture.layout - 1], dmy, picture);
}

Date ReadDate(const QString& text, const Parsed& picture)
{
    if (picture.layout == kShortLocaleLayout)
        return ReadLocaleLayout(text, QLocale::ShortFormat);
    if (picture.layout == kLongLocaleLayout)
        return ReadLocaleLayout(text, QLocale::LongFormat);
    return ReadFixedLayout(text, kDateLayouts[picture.layout - 1]);
}

} // namespace vl::Picture
