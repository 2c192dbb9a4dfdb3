#include "platform/data/Connection.h"

#include "platform/data/NoCaseCollation.h"
#include "platform/data/TableFile.h"

#include <QFileInfo>

#include <SQLiteCpp/Exception.h>
#include <SQLiteCpp/Statement.h>
#include <sqlite3.h>

#include <atomic>
#include <unistd.h>
#include <unordered_map>

namespace vl {

namespace {

std::atomic<int> lockWaitMs{5000};

QString ConnectionKey(const QString& path)
{
    return QFileInfo(path).absoluteFilePath();
}

// The connections of the running thread, by data file. A child process
// made by fork() starts afresh: a connection must not cross into it.
std::unordered_map<QString, std::weak_ptr<DataConnection>>& ThreadConnections()
{
    thread_local std::unordered_map<QString, std::weak_ptr<DataConnection>> connections;
    thread_local pid_t owner = getpid();
    if (owner != getpid()) {
        connections.clear();
        owner = getpid();
    }
    return connections;
}

// Reads the file's header and schema: a file that is no database, or a
// damaged one, fails here before anything is written.
void Validate(DataConnection& connection)
{
    SQLite::Statement probe(connection.Db(), "SELECT COUNT(*) FROM sqlite_master");
    probe.executeStep();
}

} // namespace

void SetLockWait(int milliseconds)
{
    lockWaitMs = milliseconds;
}

int LockWait()
{
    return lockWaitMs;
}

DataConnection::DataConnection(const QString& path, int flags)
    : path_(path), db_(path.toStdString(), flags, LockWait())
{
    if (!RegisterNoCaseCollation(db_.getHandle()))
        throw SQLite::Exception("cannot register the key collation");
    // A page cache of up to 16 MB keeps the keys of large tables in memory
    // between steps; it is kept as long as no other program writes.
    db_.exec("PRAGMA cache_size = -16384");
    // Undo data of single statements inside a batch stays in memory.
    db_.exec("PRAGMA temp_store = MEMORY");
}

bool DataConnection::InTransaction() const
{
    return sqlite3_get_autocommit(db_.getHandle()) == 0;
}

std::shared_ptr<DataConnection> DataConnection::Connect(const QString& path, bool create, DataError& error)
{
    const QString key = ConnectionKey(path);
    auto& connections = ThreadConnections();
    if (auto found = connections.find(key); found != connections.end()) {
        if (auto live = found->second.lock())
            return live;
        connections.erase(found);
    }
    const QFileInfo info(path);
    if (!info.exists() && !create) {
        error = DataError::Make(kFileNotFound);
        return nullptr;
    }
    if (info.exists() && !info.isReadable()) {
        error = DataError::Make(kAccessDenied);
        return nullptr;
    }
    try {
        const int flags = SQLite::OPEN_READWRITE | (create ? SQLite::OPEN_CREATE : 0);
        auto connection = std::make_shared<DataConnection>(path, flags);
        Validate(*connection);
        connections[key] = connection;
        return connection;
    } catch (const std::exception& failure) {
        error = EngineError(failure, QString());
        return nullptr;
    }
}

std::unique_ptr<DataConnection> DataConnection::ConnectPrivate(const QString& path, DataError& error)
{
    if (!QFileInfo::exists(path)) {
        error = DataError::Make(kFileNotFound);
        return nullptr;
    }
    try {
        auto connection = std::make_unique<DataConnection>(path, SQLite::OPEN_READWRITE);
        Validate(*connection);
        return connection;
    } catch (const std::exception& failure) {
        error = EngineError(failure, QString());
        return nullptr;
    }
}

DataError EngineError(const std::exception& failure, const QString& file)
{
    const auto* engine = dynamic_cast<const SQLite::Exception*>(&failure);
    const int primary = engine ? (engine->getErrorCode() & 0xff) : SQLITE_ERROR;
    int code = kFileSystemError;
    switch (primary) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        code = kIsLocked;
        break;
    case SQLITE_READONLY:
    case SQLITE_PERM:
    case SQLITE_AUTH:
    case SQLITE_CANTOPEN: // a missing file is found out before the engine opens it
        code = kAccessDenied;
        break;
    case SQLITE_CONSTRAINT:
        code = kDuplicateKey;
        break;
    case SQLITE_NOTADB:
    case SQLITE_CORRUPT:
        code = kInvalidDataFile;
        break;
    default:
        break;
    }
    DataError error = DataError::Make(code, file);
    error.driverCode = engine ? engine->getErrorCode() : SQLITE_ERROR;
    error.driverMessage = QString::fromUtf8(failure.what());
    return error;
}

WriteTransaction::WriteTransaction(DataConnection& connection, Inside inside) : connection_(connection)
{
    if (!connection_.InTransaction()) {
        connection_.Db().exec("BEGIN IMMEDIATE");
    } else if (inside == Inside::Savepoint) {
        connection_.Db().exec("SAVEPOINT vl_write");
        savepoint_ = true;
    } else {
        joined_ = true;
    }
}

WriteTransaction::~WriteTransaction()
{
    if (done_ || joined_)
        return;
    sqlite3* db = connection_.Db().getHandle();
    if (savepoint_)
        sqlite3_exec(db, "ROLLBACK TO vl_write; RELEASE vl_write", nullptr, nullptr, nullptr);
    else if (sqlite3_get_autocommit(db) == 0)
        sqlite3_exec(db, "ROLLBACK", nullptr, nullptr, nullptr);
}

void WriteTransaction::Commit()
{
    if (savepoint_)
        connection_.Db().exec("RELEASE vl_write");
    else if (!joined_)
        connection_.Db().exec("COMMIT");
    done_ = true;
}

} // namespace vl
