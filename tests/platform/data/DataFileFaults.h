#pragma once
// Faults of a data file for the tests: another program holding its write
// lock, commits that fail, and a count of the commits made.

#include "platform/data/Connection.h"
#include "platform/data/DataFileName.h"
#include "platform/data/TableFile.h"

#include <QProcess>

#include <sqlite3.h>

namespace vl::test {

// Another program (a process of its own) holding the write lock of a data
// file until released, as a program in the middle of a long write would.
class OtherProgramLock {
public:
    explicit OtherProgramLock(const QString& path)
    {
        process_.start(QStringLiteral("python3"), {QStringLiteral("-c"), QString::fromLatin1(kScript), path});
        held_ = process_.waitForReadyRead(10000) && process_.readLine().trimmed() == "locked";
    }
    ~OtherProgramLock() { Release(); }
    OtherProgramLock(const OtherProgramLock&) = delete;
    OtherProgramLock& operator=(const OtherProgramLock&) = delete;

    bool Held() const { return held_; }
    void Release()
    {
        if (process_.state() == QProcess::NotRunning)
            return;
        process_.write("\n");
        process_.closeWriteChannel();
        process_.waitForFinished(10000);
    }

private:
    static constexpr const char* kScript = "import sqlite3, sys\n"
                                           "db = sqlite3.connect(sys.argv[1], isolation_level=None)\n"
                                           "db.execute('BEGIN IMMEDIATE')\n"
                                           "print('locked', flush=True)\n"
                                           "sys.stdin.readline()\n"
                                           "db.execute('ROLLBACK')\n";
    QProcess process_;
    bool held_ = false;
};

// The path of a table's data file.
inline QString DataFilePath(const TableFile& table)
{
    return ResolveDataFileName(table.Name(), table.Definition().Label()).path;
}

// Watches the commits of this thread's connection to a table's data file
// while it lives: counts them, and makes them fail (the engine then rolls
// the transaction back) while failing is set.
class CommitWatch {
public:
    explicit CommitWatch(const TableFile& table)
    {
        DataError error;
        connection_ = DataConnection::Connect(DataFilePath(table), false, error);
        sqlite3_commit_hook(connection_->Db().getHandle(), &CommitWatch::OnCommit, this);
    }
    ~CommitWatch() { sqlite3_commit_hook(connection_->Db().getHandle(), nullptr, nullptr); }
    CommitWatch(const CommitWatch&) = delete;
    CommitWatch& operator=(const CommitWatch&) = delete;

    bool failing = false;
    int commits = 0; // made, not failed

private:
    static int OnCommit(void* watch)
    {
        auto* self = static_cast<CommitWatch*>(watch);
        self->commits += self->failing ? 0 : 1;
        return self->failing ? 1 : 0;
    }
    std::shared_ptr<DataConnection> connection_;
};

} // namespace vl::test
