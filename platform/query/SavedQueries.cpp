#include "platform/query/SavedQueries.h"

#include <QUrl>

namespace vl {

namespace {

// A description as an entry name: "%" and "=" always, and "[" or ";" at the
// start, are written as %XX, so every description reads back as it was.
QString EntryName(const QString& description)
{
    QString name = description;
    name.replace(QLatin1Char('%'), QStringLiteral("%25")).replace(QLatin1Char('='), QStringLiteral("%3D"));
    if (name.startsWith(QLatin1Char('[')))
        name.replace(0, 1, QStringLiteral("%5B"));
    else if (name.startsWith(QLatin1Char(';')))
        name.replace(0, 1, QStringLiteral("%3B"));
    return name;
}

QString Description(const QString& entryName)
{
    return QUrl::fromPercentEncoding(entryName.toUtf8());
}

} // namespace

SavedQueries::SavedQueries(const QString& iniPath, const QString& catalogueName)
    : ini_(iniPath), section_(catalogueName)
{
}

QStringList SavedQueries::Names() const
{
    QStringList names;
    for (const IniEntry& entry : ini_.Entries(section_))
        names.append(Description(entry.name));
    return names;
}

QString SavedQueries::Find(const QString& description) const
{
    for (const QString& name : Names()) {
        if (name.compare(description.trimmed(), Qt::CaseInsensitive) == 0)
            return name;
    }
    return QString();
}

bool SavedQueries::Load(const QString& description, Query& query, QString& error) const
{
    const QString found = Find(description);
    if (found.isEmpty()) {
        error = QStringLiteral("There is no saved query \"%1\" in %2").arg(description, ini_.Path());
        return false;
    }
    return QueryFromText(ini_.Get(section_, EntryName(found)), query, error);
}

bool SavedQueries::Save(const QString& description, const Query& query)
{
    const QString found = Find(description);
    return ini_.Put(section_, EntryName(found.isEmpty() ? description.trimmed() : found), QueryText(query));
}

bool SavedQueries::Remove(const QString& description)
{
    const QString found = Find(description);
    return found.isEmpty() || ini_.RemoveEntry(section_, EntryName(found));
}

} // namespace vl
