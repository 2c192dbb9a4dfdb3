#pragma once
// Connections of this process to its data files: one per data file and
// thread, shared by the file objects of that thread. Every connection has the
// case-insensitive collation and waits for locks of other programs up to the
// lock wait before giving up with error 32.

#include "platform/data/DataError.h"

#include <SQLiteCpp/Database.h>

#include <exception>
#include <memory>

namespace vl {

class DataConnection {
public:
    // This thread's connection to the data file at path. A missing file is
    // error 2 unless create; a file that is not a data file is error 90 (and
    // is not touched).
    static std::shared_ptr<DataConnection> Connect(const QString& path, bool create, DataError& error);
    // A connection of its own (maintenance work), not shared.
    static std::unique_ptr<DataConnection> ConnectPrivate(const QString& path, DataError& error);

    explicit DataConnection(const QString& path, int flags);
    SQLite::Database& Db() { return db_; }
    const QString& Path() const { return path_; }
    bool InTransaction() const;

    int streamDepth = 0; // open Stream() batches

private:
    QString path_;
    SQLite::Database db_;
};

// The runtime's error for a failure of the engine.
DataError EngineError(const std::exception& failure, const QString& file);

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
