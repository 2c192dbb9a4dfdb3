#include "platform/ui/FileFilter.h"

#include <QRegularExpression>

namespace vl {
namespace {

bool MatchesEverything(const QString& pattern)
{
    return pattern == QLatin1String("*") || pattern == QLatin1String("*.*");
}

} // namespace

QList<FileFilter> ParseFileFilters(const QString& text)
{
    QList<FileFilter> filters;
    const QStringList parts = text.split(QLatin1Char('|'));
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        FileFilter filter;
        filter.description = parts.at(i).trimmed();
        for (const QString& pattern : parts.at(i + 1).split(QLatin1Char(';'))) {
            if (!pattern.trimmed().isEmpty())
                filter.patterns << pattern.trimmed();
        }
        if (!filter.patterns.isEmpty())
            filters << filter;
    }
    return filters;
}

bool MatchesFileFilter(const QString& fileName, const FileFilter& filter)
{
    for (const QString& pattern : filter.patterns) {
        if (MatchesEverything(pattern))
            return true;
        const QRegularExpression expression(QRegularExpression::wildcardToRegularExpression(pattern),
                                            QRegularExpression::CaseInsensitiveOption);
        if (expression.match(fileName).hasMatch())
            return true;
    }
    return false;
}

QString CaseInsensitivePattern(const QString& pattern)
{
    if (MatchesEverything(pattern))
        return QStringLiteral("*");
    QString result;
    for (const QChar c : pattern) {
        const QChar lower = c.toLower();
        const QChar upper = c.toUpper();
        if (lower != upper)
            result += QLatin1Char('[') + lower + upper + QLatin1Char(']');
        else if (c == QLatin1Char('[') || c == QLatin1Char(']'))
            result += QLatin1Char('[') + c + QLatin1Char(']'); // a literal bracket
        else
            result += c;
    }
    return result;
}

QStringList DialogNameFilters(const QList<FileFilter>& filters)
{
    QStringList result;
    for (const FileFilter& filter : filters) {
        QStringList patterns;
        for (const QString& pattern : filter.patterns)
            patterns << CaseInsensitivePattern(pattern);
        result << filter.description + QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) + QLatin1Char(')');
    }
    return result;
}

} // namespace vl
