#pragma once
// The formatters and readers of each picture kind behind Picture::Format and
// Picture::Deformat, and what they share. Internal to the runtime library.

#include "platform/runtime/Picture.h"
#include "platform/runtime/PictureDecimal.h"

#include <QList>
#include <QStringView>

#include <optional>

namespace vl::Picture {

QString FormatDate(qint64 day, const Parsed& picture);
Date ReadDate(const QString& text, const Parsed& picture);

QString FormatTime(qint64 clock, const Parsed& picture);
ClockTime ReadTime(const QString& text, const Parsed& picture);

QString FormatNumber(const Decimal& value, const Parsed& picture);

QString FormatPattern(const Decimal& value, const Parsed& picture);
QString ReadPattern(const QString& text, const Parsed& picture);

// A run of digits or of letters in a text being read back.
struct TextToken {
    bool digits = false;
    QString text;
};

// Splits a text into runs of digits and runs of letters. Blanks and the
// characters in `separators` divide runs; any other character makes the text
// unreadable, unless `freeLiterals` is set (locale formats, whose literal
// text may be anything).
std::optional<QList<TextToken>> SplitTokens(QStringView text, QStringView separators, bool freeLiterals);

// Locale formats: the day/month/year order of a date format, and a time
// format without its time-zone fields (a clock value has no zone).
enum class DateField { Day, Month, Year };
QList<DateField> DateFieldsOf(const QString& qtDateFormat);
QString WithoutTimeZone(const QString& qtTimeFormat);

} // namespace vl::Picture
