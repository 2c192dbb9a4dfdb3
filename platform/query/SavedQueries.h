#pragma once
// Named queries kept in an INI file the caller names (a file of the data
// directory, so they are there again after a restart and for every list of
// the same catalogue): one section per catalogue name ("SCHEDULE"), one
// entry per query, its description = its text form (Query.h). Descriptions
// compare without regard to case; any description a line holds can be kept
// ("=", "[" and ";" are written escaped).

#include "platform/query/Query.h"
#include "platform/runtime/IniFile.h"

#include <QStringList>

namespace vl {

class SavedQueries {
public:
    SavedQueries(const QString& iniPath, const QString& catalogueName);

    // The descriptions, in the order they were first saved.
    QStringList Names() const;
    // The saved description that matches (case-insensitive), "" when none.
    QString Find(const QString& description) const;
    // False, with a message, when there is no such query or its text is
    // damaged.
    bool Load(const QString& description, Query& query, QString& error) const;
    // Saves (or replaces) a query; false when the file cannot be written.
    bool Save(const QString& description, const Query& query);
    bool Remove(const QString& description);

    const QString& Path() const { return ini_.Path(); }

private:
    IniFile ini_;
    QString section_;
};

} // namespace vl
