#include "backup/ArchiveDialogRules.h"

namespace vl {

MemberChoice InitialMemberChoice(ZipObject& zip)
{
    zip.CountMarked();
    return zip.selectedFiles > 0 ? MemberChoice::Selected : MemberChoice::All;
}

ChoiceCounts CountsFor(const ZipObject& zip, MemberChoice choice)
{
    switch (choice) {
    case MemberChoice::All:
        return {zip.members, zip.originalSize};
    case MemberChoice::Selected:
        return {zip.selectedFiles, zip.selectedBytes};
    case MemberChoice::Wildcard:
        break;
    }
    return {};
}

void ApplyMemberChoice(ZipObject& zip, MemberChoice choice, const QString& wildcardEntry, const QString& password)
{
    switch (choice) {
    case MemberChoice::All:
        zip.wildcard = QStringLiteral("*");
        break;
    case MemberChoice::Selected:
        zip.wildcard.clear();
        break;
    case MemberChoice::Wildcard:
        zip.wildcard = wildcardEntry.trimmed();
        break;
    }
    zip.password = password;
}

PasswordCheck CheckPasswords(const QString& first, const QString& second)
{
    if (first.isEmpty())
        return PasswordCheck::NoPassword;
    return first == second ? PasswordCheck::Agreed : PasswordCheck::Mismatch;
}

QString FilterDateText(int month, int day, int year)
{
    if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1 || day > DaysInMonth(month, year))
        return QString();
    return QStringLiteral("%1%2%3").arg(month, 2, 10, QLatin1Char('0')).arg(day, 2, 10, QLatin1Char('0')).arg(year, 4, 10, QLatin1Char('0'));
}

bool FilterDate(const QString& text, Date& date)
{
    const QString digits = text.trimmed();
    bool ok = digits.size() == 8;
    for (const QChar c : digits)
        ok = ok && c.isDigit();
    if (!ok)
        return false;
    const int month = digits.left(2).toInt();
    const int day = digits.mid(2, 2).toInt();
    const int year = digits.mid(4).toInt();
    if (FilterDateText(month, day, year).isEmpty())
        return false;
    date = MakeDate(month, day, year);
    return true;
}

QString RatioText(double percent)
{
    return QString::number(percent, 'f', 2) + QLatin1Char('%');
}

} // namespace vl
