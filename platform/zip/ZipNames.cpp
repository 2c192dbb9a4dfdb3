#include "platform/zip/ZipNames.h"

#include <QRegularExpression>

namespace vl {

bool ParseFilePatterns(const QString& wildcard, QStringList& patterns)
{
    patterns.clear();
    const QString text = wildcard.trimmed();
    if (text.isEmpty())
        return false;
    if (!text.startsWith(QLatin1Char('"'))) {
        if (text.contains(QLatin1Char('"')))
            return false;
        patterns << text;
        return true;
    }
    QStringList names;
    qsizetype at = 0;
    while (at < text.size()) {
        if (text.at(at) == QLatin1Char(' ')) {
            ++at;
            continue;
        }
        if (text.at(at) != QLatin1Char('"'))
            return false;
        const qsizetype close = text.indexOf(QLatin1Char('"'), at + 1);
        if (close < 0 || close == at + 1)
            return false;
        names << text.mid(at + 1, close - at - 1);
        at = close + 1;
        if (at < text.size() && text.at(at) != QLatin1Char(' '))
            return false;
    }
    patterns = names;
    return true;
}

bool MatchesFilePatterns(const QStringList& patterns, const QString& name)
{
    for (const QString& pattern : patterns) {
        if (pattern == QLatin1String("*.*") || pattern == QLatin1String("*"))
            return true;
        if (pattern.contains(QLatin1Char('*')) || pattern.contains(QLatin1Char('?'))) {
            // As in the zip tools, "*" and "?" match "/" too: "*.ini" finds
            // "cfg/small.ini".
            QString expression = QRegularExpression::escape(pattern);
            expression.replace(QLatin1String("\\*"), QLatin1String(".*")).replace(QLatin1String("\\?"), QLatin1String("."));
            const QRegularExpression wildcard(QRegularExpression::anchoredPattern(expression),
                                              QRegularExpression::CaseInsensitiveOption
                                                  | QRegularExpression::DotMatchesEverythingOption);
            if (wildcard.match(name).hasMatch())
                return true;
        } else if (pattern.compare(name, Qt::CaseInsensitive) == 0) {
            return true;
        }
    }
    return false;
}

bool ChosenMember(const QStringList& patterns, bool exactNames, const QString& name)
{
    return exactNames ? patterns.contains(name) : MatchesFilePatterns(patterns, name);
}

bool IsSafeMemberName(const QString& name)
{
    QString path = name;
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (path.isEmpty() || path.startsWith(QLatin1Char('/')))
        return false;
    if (path.size() >= 2 && path.at(1) == QLatin1Char(':'))
        return false;
    const QStringList parts = path.split(QLatin1Char('/'));
    return !parts.contains(QStringLiteral(".."));
}

QString MemberTargetPath(const QString& name, bool useFolderNames)
{
    QString path = name;
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (useFolderNames)
        return path;
    return path.section(QLatin1Char('/'), -1);
}

} // namespace vl
