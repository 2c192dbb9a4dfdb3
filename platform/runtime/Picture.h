#pragma once
// Display pictures: the format texts that turn day numbers, clock values,
// numbers and texts into what windows, reports and files show, and read such
// texts back.
//
//   @D[0]n[s][B]          dates, layouts 1-18 (17 and 18 follow the desktop locale)
//   @T[0]n[s][B]          times, layouts 1-8 (7 and 8 follow the desktop locale)
//   @N[-][fill]size[.places][B]   numbers
//   @Sn                   texts cut and padded to n characters
//   @P...P[B]             digit patterns ("<" blank leading digit, "#" digit)
//
// A picture may be written with or without the "@" and in any letter case;
// surrounding blanks are ignored (pictures are kept in fixed-width fields).
// Nothing here fails: a picture that cannot be read shows the value as plain
// text, and a text that cannot be read back gives 0.

#include "platform/runtime/Calendar.h"

#include <QChar>
#include <QLocale>
#include <QString>

#include <concepts>

namespace vl::Picture {

enum class Kind { Plain, Date, Time, Number, String, Pattern };

// A picture taken apart. Kind::Plain stands for an unknown or malformed picture.
struct Parsed {
    Kind kind = Kind::Plain;
    int layout = 0;            // date 1-18, time 1-8
    bool zeroFill = false;     // date/time "0": the first field keeps its leading zero
    QChar separator;           // date/time separator shown; null: the layout's own
    QChar fill;                // number fill '0', ' ' or '*'; null: blanks and grouping
    int size = 0;              // number and text width
    int places = 0;            // number decimal places
    bool blankWhenZero = false; // "B": an empty text for a zero value
    QString pattern;           // the text between the two P's
};

// Widest number, text or pattern a picture may ask for; beyond it the picture
// is malformed.
inline constexpr int kMaxWidth = 65535;

Parsed Parse(const QString& picture);

// Formatting. Numbers are decimal: FormatDecimal shows its text exactly, and
// the double overload goes through the shortest decimal text of the value, so
// 2.675 rounds to 2.68. Date, time and pattern pictures use the integer part.
QString Format(qint64 value, const QString& picture);
QString Format(double value, const QString& picture);
QString FormatDecimal(const QString& decimalText, const QString& picture);
// A text shows as it is under @S and plain pictures; any other picture reads
// it as a number first (0 when it is not one).
QString Format(const QString& text, const QString& picture);
// Dates, clock values and other integers of any width.
template <std::integral T>
QString Format(T value, const QString& picture)
{
    return Format(static_cast<qint64>(value), picture);
}

// Reading back: a day number, clock value or number as text ("0" when the
// text cannot be read), the text cut to n for @Sn, the digits of a pattern,
// and the text unchanged for a plain picture.
QString Deformat(const QString& text, const QString& picture);
Date DeformatDate(const QString& text, const QString& picture);
ClockTime DeformatTime(const QString& text, const QString& picture);

// The full year of a two-digit year: the one in the 100 years that end 20
// years after the current year (in 2026: 1947-2046).
int ExpandTwoDigitYear(int twoDigits);

// The locale whose short and long formats dates 17/18 and times 7/8 follow:
// the desktop's, unless a test has installed another.
QLocale DesktopLocale();

// Installs a locale for dates 17/18 and times 7/8 for the lifetime of this
// object (tests), restoring the previous one afterwards.
class LocaleOverride {
public:
    explicit LocaleOverride(const QLocale& locale);
    ~LocaleOverride();
    LocaleOverride(const LocaleOverride&) = delete;
    LocaleOverride& operator=(const LocaleOverride&) = delete;

private:
    QLocale locale_;
    const QLocale* previous_;
};

} // namespace vl::Picture
