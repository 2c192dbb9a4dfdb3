#pragma once
// Faults of a data file for the tests: another program holding its write
// lock, commits that fail, and a count of the commits made.

#include "platform/data/Connection.h"
#include "platform/data/DataFileName.h"
#include "platform/data/TableFile.h"

#include <QFile>
#include <QProcess>

#include <SQLiteCpp/Database.h>
#include <SQLiteCpp/Statement.h>

#include <sqlite3.h>

#include <utility>

namespace vl::test {

// Another program (a process of its own) holding the write lock of a data
// file until released, as a program in the middle of a long write would.
class OtherProgramLock {
public:
    explicit OtherProgramLock(const QString& path)
    {
        process_.start(QStringLiteral("python3"), {QStringLiteral("-c"), QString::fromLatin1(kScript), path});
        // However long the interpreter takes to start on a busy machine: the
        // wait ends with its line or its end, and the suite's timeout bounds it.
        while (!process_.canReadLine() && process_.waitForReadyRead(-1)) {
        }
        held_ = process_.canReadLine() && process_.readLine().trimmed() == "locked";
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
        process_.waitForFinished(-1); // the lock is gone once the holder has ended
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

// The page size of a closed data file and the numbers of the leaf pages of
// one of its tables or keys, in file order.
inline std::pair<int, std::vector<int64_t>> LeafPages(const QString& path, const QString& object)
{
    SQLite::Database db(path.toStdString(), SQLite::OPEN_READONLY);
    const int pageSize = db.execAndGet("PRAGMA page_size").getInt();
    std::vector<int64_t> leaves;
    SQLite::Statement pages(db, "SELECT pageno FROM dbstat WHERE name = ? AND pagetype = 'leaf' ORDER BY pageno");
    pages.bind(1, object.toStdString());
    while (pages.executeStep())
        leaves.push_back(pages.getColumn(0).getInt64());
    return {pageSize, leaves};
}

// Damages a closed data file as a failing disk would: overwrites the
// record area of one page of a table or key (the page itself when
// wholePage) with fill bytes. page picks among the object's leaf pages (-1:
// the middle one). False when the object has no such page.
inline bool DamagePage(const QString& path, const QString& object, bool wholePage, int page = -1,
                       char fill = '\xA5')
{
    const auto [pageSize, leaves] = LeafPages(path, object);
    if (leaves.empty())
        return false;
    const int64_t pageNo = leaves.at(page < 0 ? leaves.size() / 2 : static_cast<size_t>(page));
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite))
        return false;
    const int keep = wholePage ? 0 : 16; // the page header stays readable
    file.seek((pageNo - 1) * pageSize + keep + (wholePage ? 0 : pageSize / 2));
    return file.write(QByteArray(wholePage ? pageSize : pageSize / 2 - keep, fill)) > 0;
}

// Damages a closed data file as a failing disk can: in the middle of the
// table's last page of records, one record's pointer becomes one the walk has
// passed already (two less), or to (128 to 16383) when given, keeping its
// width on the page, so that page lists the records out of order. False
// when the table has no such record.
inline bool MisorderRecordPointer(const QString& path, const QString& table, int to = 0)
{
    int pageSize = 0;
    int64_t pageNo = 0;
    {
        SQLite::Database db(path.toStdString(), SQLite::OPEN_READONLY);
        pageSize = db.execAndGet("PRAGMA page_size").getInt();
        SQLite::Statement pages(db, "SELECT MAX(pageno) FROM dbstat WHERE name = ? AND pagetype = 'leaf'");
        pages.bind(1, table.toStdString());
        if (pages.executeStep())
            pageNo = pages.getColumn(0).getInt64();
    }
    QFile file(path);
    if (pageNo <= 1 || !file.open(QIODevice::ReadWrite) || !file.seek((pageNo - 1) * pageSize))
        return false;
    QByteArray page = file.read(pageSize);
    const auto byte = [&page](int at) { return static_cast<uint8_t>(page.at(at)); };
    const int cells = byte(3) << 8 | byte(4);
    if (byte(0) != 0x0D || cells < 3)
        return false; // not a page of records
    const int cellAt = 8 + 2 * (cells / 2);
    int at = byte(cellAt) << 8 | byte(cellAt + 1);
    while (byte(at) & 0x80) // the record's size
        ++at;
    ++at;
    // The pointer, two bytes wide: 128 to 16383.
    if (!(byte(at) & 0x80) || (byte(at + 1) & 0x80))
        return false;
    const int pointer = (byte(at) & 0x7F) << 7 | byte(at + 1);
    if (pointer < 130)
        return false;
    const int changed = to > 0 ? to : pointer - 2;
    page[at] = static_cast<char>(0x80 | (changed >> 7));
    page[at + 1] = static_cast<char>(changed & 0x7F);
    return file.seek((pageNo - 1) * pageSize) && file.write(page) == pageSize;
}

} // namespace vl::test
