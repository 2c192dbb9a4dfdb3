#include "platform/runtime/PictureKinds.h"

#include <atomic>

namespace vl::Picture {
namespace {

std::atomic<const QLocale*> gLocaleOverride{nullptr};

// A piece of a Qt date/time format: a quoted literal, a run of one field
// letter ("dddd", "yy"), or one other literal character.
struct FormatPiece {
    QString text;
    bool field = false;
};

QList<FormatPiece> SplitFormat(const QString& format)
{
    QList<FormatPiece> pieces;
    qsizetype i = 0;
    while (i < format.size()) {
        const QChar c = format.at(i);
        qsizetype end = i + 1;
        bool field = false;
        if (c == QLatin1Char('\'')) {
            // Up to the closing quote; a doubled quote inside stays in the literal.
            while (end < format.size()) {
                if (format.at(end) == QLatin1Char('\'')) {
                    if (end + 1 < format.size() && format.at(end + 1) == QLatin1Char('\'')) {
                        end += 2;
                        continue;
                    }
                    ++end;
                    break;
                }
                ++end;
            }
        } else if (c.isLetter() && c.unicode() < 128) {
            while (end < format.size() && format.at(end) == c)
                ++end;
            field = true;
        }
        pieces.append({format.mid(i, end - i), field});
        i = end;
    }
    return pieces;
}

bool IsLiteral(const QList<FormatPiece>& pieces, qsizetype i, QStringView chars)
{
    return i >= 0 && i < pieces.size() && !pieces[i].field && pieces[i].text.size() == 1
        && chars.contains(pieces[i].text.front());
}

} // namespace

QLocale DesktopLocale()
{
    const QLocale* pinned = gLocaleOverride.load();
    return pinned ? *pinned : QLocale::system();
}

LocaleOverride::LocaleOverride(const QLocale& locale)
    : locale_(locale), previous_(gLocaleOverride.exchange(&locale_))
{
}

LocaleOverride::~LocaleOverride() { gLocaleOverride.store(previous_); }

QList<DateField> DateFieldsOf(const QString& qtDateFormat)
{
    QList<DateField> fields;
    for (const FormatPiece& piece : SplitFormat(qtDateFormat)) {
        if (!piece.field)
            continue;
        const QChar letter = piece.text.front();
        if (letter == QLatin1Char('d') && piece.text.size() <= 2)
            fields.append(DateField::Day); // "ddd" and "dddd" are weekday names
        else if (letter == QLatin1Char('M'))
            fields.append(DateField::Month);
        else if (letter == QLatin1Char('y'))
            fields.append(DateField::Year);
    }
    return fields;
}

QString WithoutTimeZone(const QString& qtTimeFormat)
{
    QList<FormatPiece> pieces = SplitFormat(qtTimeFormat);
    const QStringView blanks = u" \t";
    for (qsizetype i = 0; i < pieces.size();) {
        if (!pieces[i].field || pieces[i].text.front() != QLatin1Char('t')) {
            ++i;
            continue;
        }
        // Drop the zone with the blanks around it, and brackets that held only it.
        pieces.removeAt(i);
        while (IsLiteral(pieces, i, blanks))
            pieces.removeAt(i);
        while (IsLiteral(pieces, i - 1, blanks))
            pieces.removeAt(--i);
        if (IsLiteral(pieces, i - 1, u"(") && IsLiteral(pieces, i, u")")) {
            pieces.removeAt(i);
            pieces.removeAt(--i);
            while (IsLiteral(pieces, i - 1, blanks))
                pieces.removeAt(--i);
        }
    }
    QString format;
    for (const FormatPiece& piece : pieces)
        format += piece.text;
    format = format.trimmed();
    return format.isEmpty() ? QStringLiteral("HH:mm:ss") : format;
}

} // namespace vl::Picture
