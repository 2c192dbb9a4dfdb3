#pragma once
// Connections of this process to its data files: one per data file and
// thread, shared by the file objects of that thread. Every connection has the
// case-insensitive collation and waits for locks of other programs up to the
// lock wait before giving up with error 32.
//
// The files keep a write-ahead log (the "-wal" and "-shm" files beside them):
// readers never wait for a writer, and a commit is safe once it is in the
// log, so a program that is killed loses no committed record.

#include "platform/data/DataError.h"
#include "platform/data/LogIndex.h"
#include "platform/runtime/ServiceSlot.h"

#include <SQLiteCpp/Database.h>
#include <SQLiteCpp/Statement.h>

#include <cstdint>
#include <exception>
#include <memory>

namespace vl {

// Whether this program may write a data file: the file, and its directory
// (the write-ahead log lives beside it), writable for the user running it.
// A data file it may not write is opened for reading only, and every write
// to it fails with error 5. Tests install another answer, since root may
// write anywhere.
class DataFileAccess {
public:
    virtual ~DataFileAccess() = default;
    virtual bool MayWrite(const QString& path) const = 0;
};
const DataFileAccess& CurrentDataFileAccess();
using DataFileAccessOverride = ServiceOverride<const DataFileAccess>;

class DataConnection {
public:
    // This thread's connection to the data file at path. A missing file is
    // error 2 unless create; a file that is not a data file is error 90 (and
    // is not touched).
    static std::shared_ptr<DataConnection> Connect(const QString& path, bool create, DataError& error);
    // A connection of its own (maintenance work), not shared.
    static std::unique_ptr<DataConnection> ConnectPrivate(const QString& path, DataError& error);
    // Gives back the cached pages no statement uses of this thread's
    // connections (once start-up has read what it needs: the cache fills
    // again as later reads ask for pages).
    static void ReleaseCachedPages();

    // uri: the name the engine opens, when not the path itself.
    DataConnection(const QString& path, int flags, const QString& uri = QString());
    SQLite::Database& Db() { return db_; }
    const QString& Path() const { return path_; }
    // Opened for reading only (the program may not write the file).
    bool ReadOnly() const;
    bool InTransaction() const;

    // Changes whenever another connection, of this program or another, has
    // committed to the file since (the engine's data version).
    int64_t DataVersion();
    // A stamp of the file's committed state: it differs after any commit of
    // another connection, of this program or another, and may after one of
    // this connection. Cheap enough for every step of a walk where the file
    // has a shared log index (read without a lock); otherwise it holds the
    // data version. Stamps compare only with stamps of the same connection.
    using CommitStamp = LogIndexHeader;
    CommitStamp Committed();
    // Changes whenever a write goes through this connection, a rolled-back
    // one included; no two connections share a mark.
    uint64_t ChangeMark() const { return changeMark_; }
    void NoteChange();

    int streamDepth = 0; // open Stream() batches

private:
    friend class ReadTransaction;
    // Runs one of the connection's own statements, prepared on first use.
    void Run(std::unique_ptr<SQLite::Statement>& statement, const char* text);
    // Maps the header of the log's shared index once the engine has set the
    // index up; clears logIndexPending_ once that is decided.
    void MapLogIndex();

    QString path_;
    SQLite::Database db_;
    std::unique_ptr<SQLite::Statement> dataVersion_;
    std::unique_ptr<SQLite::Statement> begin_;
    std::unique_ptr<SQLite::Statement> commit_;
    bool logIndexPending_ = false;                // in the log mode, writable: the index may be shared
    const volatile uint32_t* logIndex_ = nullptr; // the shared index's header, once mapped
    uint64_t changeMark_ = 0;
};

// The runtime's error for a failure of the engine: a record breaking a
// unique key is 40; any other refused constraint keeps the engine's error.
DataError EngineError(const std::exception& failure, const QString& file);
// True when the failure is a record breaking a unique key.
bool BreaksUniqueKey(const std::exception& failure);

// A read transaction while it lives, unless one is running already: the
// statements read inside it see one state of the file.
class ReadTransaction {
public:
    explicit ReadTransaction(DataConnection& connection); // throws
    ~ReadTransaction();
    ReadTransaction(const ReadTransaction&) = delete;
    ReadTransaction& operator=(const ReadTransaction&) = delete;

private:
    DataConnection& connection_;
    bool began_ = false;
};

// A write transaction: BEGIN IMMEDIATE, rolled back unless committed. Inside
// a running transaction (a batch) it takes a savepoint, or, for work that
// ends in one writing statement (which the engine undoes by itself when it
// fails), joins the running transaction.
class WriteTransaction {
public:
    enum class Inside { Savepoint, Join };
    explicit WriteTransaction(DataConnection& connection, Inside inside = Inside::Savepoint); // throws
    ~WriteTransaction();
    WriteTransaction(const WriteTransaction&) = delete;
    WriteTransaction& operator=(const WriteTransaction&) = delete;
    void Commit(); // throws SQLite::Exception

private:
    DataConnection& connection_;
    bool savepoint_ = false;
    bool joined_ = false;
    bool done_ = false;
};

} // namespace vl
