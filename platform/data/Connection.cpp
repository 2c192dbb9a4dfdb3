#include "platform/data/Connection.h"

#include "platform/data/DamagedFileNotice.h"
#include "platform/data/EngineFile.h"
#include "platform/data/EngineOpen.h"
#include "platform/data/NoCaseCollation.h"
#include "platform/data/TableFile.h"
#include "platform/runtime/FileModes.h"

#include <QFile>
#include <QFileInfo>
#include <QUrl>

#include <SQLiteCpp/Exception.h>
#include <SQLiteCpp/Statement.h>
#include <sqlite3.h>

#include <atomic>
#include <string>
#include <string_view>
#include <unistd.h>
#include <unordered_map>

namespace vl {

namespace {

std::atomic<int> lockWaitMs{5000};
// The last change mark handed out, to any connection.
std::atomic<uint64_t> lastChangeMark{0};

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

int PrimaryCode(const std::exception& failure)
{
    const auto* engine = dynamic_cast<const SQLite::Exception*>(&failure);
    return engine ? (engine->getErrorCode() & 0xff) : SQLITE_ERROR;
}

class SystemFileAccess : public DataFileAccess {
public:
    bool MayWrite(const QString& path) const override
    {
        const QFileInfo file(path);
        return ::access(QFile::encodeName(file.absolutePath()).constData(), W_OK) == 0
               && (!file.exists() || ::access(QFile::encodeName(file.absoluteFilePath()).constData(), W_OK) == 0);
    }
};

// A data file the program may only read. Its write-ahead log needs a
// directory it may write, or log files left there; without either (the
// engine refuses the open as read-only or as not openable), the file is read
// as it stands, with no locks: nobody can have written a log there.
std::shared_ptr<DataConnection> ConnectReadOnly(const QString& path)
{
    try {
        return std::make_shared<DataConnection>(path, SQLite::OPEN_READONLY);
    } catch (const SQLite::Exception& failure) {
        const int primary = PrimaryCode(failure);
        if (primary != SQLITE_CANTOPEN && primary != SQLITE_READONLY)
            throw;
    }
    QUrl uri = QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath());
    uri.setQuery(QStringLiteral("immutable=1"));
    return std::make_shared<DataConnection>(path, SQLite::OPEN_READONLY | SQLite::OPEN_URI,
                                            uri.toString(QUrl::FullyEncoded));
}

} // namespace

const DataFileAccess& CurrentDataFileAccess()
{
    static const SystemFileAccess system;
    return InstalledOr<const DataFileAccess>(system);
}

void SetLockWait(int milliseconds)
{
    lockWaitMs = milliseconds;
}

int LockWait()
{
    return lockWaitMs;
}

namespace {

// The name the engine opens, once the open is prepared.
std::string PreparedName(const QString& path, const QString& uri)
{
    PrepareEngineOpen(path);
    return (uri.isEmpty() ? path : uri).toStdString();
}

} // namespace

DataConnection::DataConnection(const QString& path, int flags, const QString& uri)
    : path_(path), db_(PreparedName(path, uri), flags, LockWait())
{
    if (!RegisterNoCaseCollation(db_.getHandle()))
        throw SQLite::Exception("cannot register the key collation");
    // A page cache of up to 16 MB keeps the keys of large tables in memory
    // between steps; it is kept as long as no other program writes.
    db_.exec("PRAGMA cache_size = -16384");
    // Undo data of single statements inside a batch stays in memory.
    db_.exec("PRAGMA temp_store = MEMORY");
    // Reads the file's header and schema: a file that is no database, or a
    // damaged one, fails here before anything is written.
    SQLite::Statement probe(db_, "SELECT COUNT(*) FROM sqlite_master");
    probe.executeStep();
    probe.reset();
    // A write version the program never writes makes the engine refuse every
    // write of a file that reads: that is a damaged header, not a denial.
    if (const int version = EngineHeaderByte(db_.getHandle(), 18); version >= 0 && !KnownFileVersion(version))
        throw SQLite::Exception("unsupported file format", SQLITE_ERROR);
    std::string journalMode;
    try {
        journalMode = db_.execAndGet("PRAGMA journal_mode = WAL").getString();
    } catch (const SQLite::Exception& failure) {
        // Another program holds the file in its old journal mode, or it may
        // not be written: it keeps that mode until a later open switches it.
        const int primary = PrimaryCode(failure);
        if (primary != SQLITE_BUSY && primary != SQLITE_LOCKED && primary != SQLITE_READONLY)
            throw;
    }
    // With the log, a commit is durable against a killed program at once;
    // only a power failure may lose the last commits before a checkpoint.
    db_.exec("PRAGMA synchronous = NORMAL");
    // A connection that may only read can have a private log index, and asks
    // for the data version instead.
    logIndexPending_ = journalMode == "wal" && !ReadOnly();
    NoteChange();
}

void DataConnection::ReleaseCachedPages()
{
    for (const auto& [path, weak] : ThreadConnections()) {
        if (const std::shared_ptr<DataConnection> connection = weak.lock())
            sqlite3_db_release_memory(connection->db_.getHandle());
    }
}

bool DataConnection::ReadOnly() const
{
    return sqlite3_db_readonly(db_.getHandle(), "main") == 1;
}

int64_t DataConnection::DataVersion()
{
    if (!dataVersion_)
        dataVersion_ = std::make_unique<SQLite::Statement>(db_, "PRAGMA data_version");
    dataVersion_->executeStep();
    const int64_t version = dataVersion_->getColumn(0).getInt64();
    dataVersion_->reset();
    return version;
}

void DataConnection::MapLogIndex()
{
    // The engine sets the shared index up at the first read of a file with
    // pages in the log mode (a new file gets them with its first table);
    // with exclusive locking it keeps a private one. Asking it to map an
    // index it has not set up would leave that index behind at the close.
    if (db_.execAndGet("PRAGMA page_count").getInt64() == 0)
        return; // tried again at the next stamp
    logIndexPending_ = false;
    if (db_.execAndGet("PRAGMA journal_mode").getString() == "wal" &&
        db_.execAndGet("PRAGMA locking_mode").getString() == "normal")
        logIndex_ = MapLogIndexHeader(db_.getHandle());
}

DataConnection::CommitStamp DataConnection::Committed()
{
    if (logIndexPending_)
        MapLogIndex();
    if (logIndex_)
        return ReadLogIndexHeader(logIndex_);
    const int64_t version = DataVersion();
    CommitStamp stamp{};
    stamp[0] = static_cast<uint32_t>(version);
    stamp[1] = static_cast<uint32_t>(static_cast<uint64_t>(version) >> 32);
    return stamp;
}

void DataConnection::NoteChange()
{
    changeMark_ = ++lastChangeMark;
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
        // The engine gives a new file the umask's mode and its log files the
        // file's: made empty first, the file takes its directory's access.
        if (!info.exists())
            CreateFileForItsDirectory(path);
        const bool readOnly = info.exists() && !CurrentDataFileAccess().MayWrite(path);
        auto connection = readOnly ? ConnectReadOnly(path) : std::make_shared<DataConnection>(path, flags);
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
        return std::make_unique<DataConnection>(path, SQLite::OPEN_READWRITE);
    } catch (const std::exception& failure) {
        error = EngineError(failure, QString());
        return nullptr;
    }
}

bool BreaksUniqueKey(const std::exception& failure)
{
    const auto* engine = dynamic_cast<const SQLite::Exception*>(&failure);
    const int extended = engine ? engine->getExtendedErrorCode() : SQLITE_ERROR;
    return extended == SQLITE_CONSTRAINT_UNIQUE || extended == SQLITE_CONSTRAINT_PRIMARYKEY;
}

DataError EngineError(const std::exception& failure, const QString& file)
{
    const auto* engine = dynamic_cast<const SQLite::Exception*>(&failure);
    int code = kFileSystemError;
    switch (PrimaryCode(failure)) {
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
        if (BreaksUniqueKey(failure))
            code = kDuplicateKey;
        break;
    case SQLITE_NOTADB:
    case SQLITE_CORRUPT:
        code = kInvalidDataFile;
        break;
    case SQLITE_ERROR:
        // The program writes only schema formats the engine knows: another
        // one is a damaged header, which the repair mends.
        if (std::string_view(failure.what()).find("unsupported file format") != std::string_view::npos)
            code = kInvalidDataFile;
        break;
    default:
        break;
    }
    DataError error = DataError::Make(code, file);
    // An exception made from a code alone has no extended code (-1).
    error.driverCode = !engine ? SQLITE_ERROR
                       : engine->getExtendedErrorCode() == -1 ? engine->getErrorCode()
                                                              : engine->getExtendedErrorCode();
    error.driverMessage = QString::fromUtf8(failure.what());
    return error;
}

void DataConnection::Run(std::unique_ptr<SQLite::Statement>& statement, const char* text)
{
    if (!statement)
        statement = std::make_unique<SQLite::Statement>(db_, text);
    statement->exec();
    statement->reset();
}

ReadTransaction::ReadTransaction(DataConnection& connection) : connection_(connection)
{
    if (!connection_.InTransaction()) {
        connection_.Run(connection_.begin_, "BEGIN");
        began_ = true;
    }
}

ReadTransaction::~ReadTransaction()
{
    if (!began_)
        return;
    try {
        connection_.Run(connection_.commit_, "COMMIT");
    } catch (const std::exception&) {
        // Nothing was written: ending the reading cannot lose anything.
        sqlite3_exec(connection_.Db().getHandle(), "ROLLBACK", nullptr, nullptr, nullptr);
    }
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
    connection_.NoteChange();
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
