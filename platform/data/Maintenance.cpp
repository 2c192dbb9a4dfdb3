#include "platform/data/Maintenance.h"

#include "platform/data/Connection.h"
#include "platform/data/EngineOpen.h"
#include "platform/runtime/FileModes.h"
#include "platform/data/NoCaseCollation.h"
#include "platform/data/TableFile.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStorageInfo>

#include <SQLiteCpp/Statement.h>
#include <sqlite3.h>

#include <cerrno>
#include <sys/resource.h>

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

// Copies every page of from into to in one write of the engine. A lock that
// the wait did not get is a failure too: the copy must never be half done
// or silently skipped.
void CopyPages(SQLite::Database& to, SQLite::Database& from)
{
    sqlite3_backup* backup = sqlite3_backup_init(to.getHandle(), "main", from.getHandle(), "main");
    if (!backup)
        throw SQLite::Exception(to.getHandle());
    const int stepped = sqlite3_backup_step(backup, -1);
    sqlite3_backup_finish(backup);
    if (stepped != SQLITE_DONE)
        throw SQLite::Exception(to.getHandle(), stepped);
}

// A connection that reads the file as it stands: unlike the program's own
// connections it leaves the file's log mode as it is, so reading a file
// (for a backup, a check) changes nothing of it.
std::unique_ptr<SQLite::Database> OpenAsItStands(const QString& path)
{
    PrepareEngineOpen(path);
    auto db = std::make_unique<SQLite::Database>(path.toStdString(), SQLite::OPEN_READWRITE, LockWait());
    if (!RegisterNoCaseCollation(db->getHandle())) // the keys' order, for checking them
        throw SQLite::Exception("cannot register the key collation");
    return db;
}

// Whether a file of the size does not fit in the folder: the disk lacks the
// room, or the process may not write files that large.
bool NoRoomFor(qint64 size, const QString& folder)
{
    rlimit limit{};
    if (getrlimit(RLIMIT_FSIZE, &limit) == 0 && limit.rlim_cur != RLIM_INFINITY
        && static_cast<qint64>(limit.rlim_cur) < size)
        return true;
    const qint64 free = QStorageInfo(folder).bytesAvailable();
    return free >= 0 && free < size;
}

// The error of a failed write of size bytes beside path: the engine's "full"
// when the system said the disk is full or the content cannot fit, whichever
// way the engine passed it on (a failed write of the file, of its log or of
// its shared memory file). db is the writing connection, when it is open.
DataError WriteFailure(DataError error, sqlite3* db, const QString& path, qint64 size)
{
    const int system = db ? sqlite3_system_errno(db) : 0;
    const int primary = error.driverCode & 0xff;
    if (system == ENOSPC || system == EFBIG || system == EDQUOT
        || ((primary == SQLITE_IOERR || primary == SQLITE_FULL) && NoRoomFor(size, QFileInfo(path).absolutePath())))
        error.driverCode = SQLITE_FULL;
    return error;
}

} // namespace

QString PlainDamageText(const QString& engineLine)
{
    static const QRegularExpression page(QStringLiteral("\\bpage (\\d+)"),
                                         QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch found = page.match(engineLine);
    if (found.hasMatch())
        return QStringLiteral("page %1 of the file is damaged").arg(found.captured(1));
    if (engineLine.contains(QLatin1String("index"), Qt::CaseInsensitive))
        return QStringLiteral("its keys do not match its records");
    return QStringLiteral("its records do not read");
}

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

DataError QuickCheckDataFile(const QString& path, QStringList& problems)
{
    problems.clear();
    if (!QFileInfo::exists(path))
        return DataError::Make(kFileNotFound, path);
    try {
        const std::unique_ptr<SQLite::Database> db = OpenAsItStands(path);
        SQLite::Statement check(*db, "PRAGMA quick_check");
        while (check.executeStep()) {
            const QString line = QString::fromUtf8(check.getColumn(0).getText());
            if (line != QLatin1String("ok"))
                problems.append(PlainDamageText(line));
        }
    } catch (const std::exception& failure) {
        const DataError error = EngineError(failure, path);
        if (error.code != kInvalidDataFile)
            return error;
        problems.append(error.Describe());
    }
    return DataError();
}

DataError CopyDataFileSnapshot(const QString& path, const QString& target)
{
    DataError error;
    if (!QFileInfo::exists(path))
        return DataError::Make(kFileNotFound, path);
    std::unique_ptr<SQLite::Database> source;
    try {
        source = OpenAsItStands(path);
    } catch (const std::exception& failure) {
        error = EngineError(failure, path);
        error.file = path;
        return WriteFailure(error, nullptr, path, QFileInfo(path).size()); // its log files may not fit
    }
    // The copy is written beside the target and put in place when it is
    // complete, so an old copy survives a failed one.
    const QString partial = target + QStringLiteral(".part");
    QFile::remove(partial);
    CreateFileForItsDirectory(partial);
    try {
        SQLite::Database destination(partial.toStdString(), SQLite::OPEN_READWRITE | SQLite::OPEN_CREATE);
        try {
            CopyPages(destination, *source);
            // The copy takes the live file's log mode with its pages; as a
            // file of its own (in an archive, on a read-only medium) it
            // needs no log beside it.
            destination.exec("PRAGMA journal_mode = DELETE");
        } catch (const std::exception& failure) {
            error = WriteFailure(EngineError(failure, target), destination.getHandle(), target, QFileInfo(path).size());
        }
    } catch (const std::exception& failure) {
        error = EngineError(failure, target);
    }
    if (error.Ok()) {
        QFile::remove(target);
        if (QFile::rename(partial, target))
            return error;
        error = DataError::Make(kAccessDenied, target);
    }
    QFile::remove(partial);
    QFile::remove(partial + QStringLiteral("-journal"));
    return error;
}

DataError RestoreDataFileSnapshot(const QString& source, const QString& path)
{
    DataError error;
    std::unique_ptr<DataConnection> connection = DataConnection::ConnectPrivate(path, error);
    if (!connection) {
        error.file = path;
        return WriteFailure(error, nullptr, path, QFileInfo(source).size());
    }
    try {
        PrepareEngineOpen(source);
        SQLite::Database from(source.toStdString(), SQLite::OPEN_READONLY);
        try {
            CopyPages(connection->Db(), from);
        } catch (const std::exception& failure) {
            return WriteFailure(EngineError(failure, path), connection->Db().getHandle(), path, QFileInfo(source).size());
        }
    } catch (const std::exception& failure) {
        return EngineError(failure, source);
    }
    return error;
}

bool LooksLikeDataFile(const QString& path)
{
    static const QByteArray kHeader("SQLite format 3", 16); // with its closing zero byte
    QFile file(path);
    return file.open(QIODevice::ReadOnly) && file.read(kHeader.size()) == kHeader;
}

} // namespace vl
