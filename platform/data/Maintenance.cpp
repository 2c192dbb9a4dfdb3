#include "platform/data/Maintenance.h"

#include "platform/data/Connection.h"

#include <QFile>

#include <SQLiteCpp/Backup.h>
#include <SQLiteCpp/Statement.h>

namespace vl {

namespace {

template <class Work>
DataError WithConnection(const QString& path, Work work)
{
    DataError error;
    std::unique_ptr<DataConnection> connection = DataConnection::ConnectPrivate(path, error);
    if (!connection) {
        error.file = path;
        return error;
    }
    try {
        work(*connection);
        return DataError();
    } catch (const std::exception& failure) {
        return EngineError(failure, path);
    }
}

} // namespace

DataError RebuildDataFileKeys(const QString& path)
{
    return WithConnection(path, [](DataConnection& connection) { connection.Db().exec("REINDEX"); });
}

DataError PackDataFile(const QString& path)
{
    return WithConnection(path, [](DataConnection& connection) { connection.Db().exec("VACUUM"); });
}

DataError CheckDataFile(const QString& path, QStringList* problems)
{
    QStringList findings;
    const DataError error = WithConnection(path, [&findings](DataConnection& connection) {
        SQLite::Statement check(connection.Db(), "PRAGMA integrity_check");
        while (check.executeStep()) {
            const QString line = QString::fromUtf8(check.getColumn(0).getText());
            if (line != QLatin1String("ok"))
                findings.append(line);
        }
    });
    if (problems)
        *problems = findings;
    return error;
}

DataError CopyDataFileSnapshot(const QString& path, const QString& target)
{
    return WithConnection(path, [&target](DataConnection& connection) {
        // The copy is written beside the target and put in place when it is
        // complete, so an old copy survives a failed one.
        const QString partial = target + QStringLiteral(".part");
        QFile::remove(partial);
        {
            SQLite::Database destination(partial.toStdString(), SQLite::OPEN_READWRITE | SQLite::OPEN_CREATE);
            SQLite::Backup backup(destination, connection.Db());
            backup.executeStep(-1);
            // The copy takes the live file's log mode with its pages; as a
            // file of its own (in an archive, on a read-only medium) it needs
            // no log beside it.
            destination.exec("PRAGMA journal_mode = DELETE");
        }
        QFile::remove(target);
        if (!QFile::rename(partial, target)) {
            QFile::remove(partial);
            throw SQLite::Exception("cannot write the copy " + target.toStdString());
        }
    });
}

DataError RestoreDataFileSnapshot(const QString& source, const QString& path)
{
    return WithConnection(path, [&source](DataConnection& connection) {
        SQLite::Database from(source.toStdString(), SQLite::OPEN_READONLY);
        SQLite::Backup backup(connection.Db(), from);
        backup.executeStep(-1);
    });
}

bool LooksLikeDataFile(const QString& path)
{
    static const QByteArray kHeader("SQLite format 3", 16); // with its closing zero byte
    QFile file(path);
    return file.open(QIODevice::ReadOnly) && file.read(kHeader.size()) == kHeader;
}

} // namespace vl
