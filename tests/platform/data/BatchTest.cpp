// Batches and commits: a failed commit, another program's lock, the engine's
// errors, and what a killed program leaves behind.

#include "DataFileFaults.h"
#include "TestTables.h"

#include <QFile>

#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

namespace vl::test {
namespace {

TEST(Batches, AFailedCommitEndsTheBatchWithNothingWrittenAndIsReported)
{
    Table<ItemRecord> items(ItemDefinition());
    OpenCreated(items);
    CommitWatch watch(items);
    watch.failing = true;
    ASSERT_TRUE(items.Stream());
    ASSERT_TRUE(items.Stream());
    ItemRecord first = Item("first");
    ASSERT_TRUE(items.Add(first));
    ASSERT_TRUE(items.Flush()); // the inner batch: nothing to commit yet
    EXPECT_FALSE(items.Flush());
    EXPECT_EQ(items.ErrorCode(), kFileSystemError) << "a refused commit is no duplicate key";
    EXPECT_EQ(items.FileErrorCode(), SQLITE_CONSTRAINT_COMMITHOOK);
    EXPECT_EQ(items.Records(), 0) << "undone for this program too";
    EXPECT_EQ(CommittedItems(), 0);

    watch.failing = false; // no batch is left open: the next write commits
    ItemRecord second = Item("second");
    ASSERT_TRUE(items.Add(second));
    EXPECT_EQ(CommittedItems(), 1);

    watch.failing = true; // closing with a batch that cannot be committed
    ASSERT_TRUE(items.Stream());
    ItemRecord third = Item("third");
    ASSERT_TRUE(items.Add(third));
    items.Close();
    EXPECT_EQ(items.ErrorCode(), kFileSystemError);
    EXPECT_EQ(CommittedItems(), 1);
}

TEST(Batches, AnotherProgramsWriteLockRefusesTheWriteAndTheNextOneCommits)
{
    const int savedLockWait = LockWait();
    SetLockWait(100);
    Table<ItemRecord> items(ItemDefinition());
    OpenCreated(items);
    SetLockWait(savedLockWait);
    OtherProgramLock lock(DataFilePath(items));
    ASSERT_TRUE(lock.Held());
    EXPECT_FALSE(items.Stream());
    EXPECT_EQ(items.ErrorCode(), kIsLocked);
    ItemRecord item = Item("waits");
    EXPECT_FALSE(items.Add(item));
    EXPECT_EQ(items.ErrorCode(), kIsLocked);
    EXPECT_EQ(items.Records(), 0) << "reading goes on";
    lock.Release();

    ASSERT_TRUE(items.Stream());
    ASSERT_TRUE(items.Add(item));
    ASSERT_TRUE(items.Flush());
    EXPECT_EQ(CommittedItems(), 1);
}

TEST(Batches, RollbackUndoesOnlyTheInnermostBatch)
{
    Table<ItemRecord> items(ItemDefinition());
    OpenCreated(items);
    ASSERT_TRUE(items.Stream());
    for (const char* name : {"kept", "undone", "later"}) {
        ItemRecord item = Item(QString::fromLatin1(name));
        const bool undone = QLatin1String(name) == "undone";
        ASSERT_TRUE(!undone || items.Stream());
        ASSERT_TRUE(items.Add(item));
        ASSERT_TRUE(!undone || items.Rollback());
    }
    ASSERT_TRUE(items.Flush());
    EXPECT_EQ(Names(Walk(items, ITM_KEYNAME)), (QStringList{"kept", "later"}));
    EXPECT_EQ(CommittedItems(), 2);
}

TEST(EngineErrors, OnlyABrokenUniqueKeyIsADuplicateKey)
{
    SQLite::Database db(":memory:", SQLite::OPEN_READWRITE | SQLite::OPEN_CREATE);
    db.exec("CREATE TABLE t (id INTEGER PRIMARY KEY, u TEXT UNIQUE, n TEXT NOT NULL, c INTEGER CHECK (c < 10));"
            "CREATE TRIGGER refuse BEFORE INSERT ON t WHEN NEW.c = 9 BEGIN SELECT RAISE(ABORT, 'refused'); END;"
            "INSERT INTO t VALUES (1, 'a', 'x', 0)");
    const struct {
        const char* insert;
        int code;
    } cases[] = {
        {"INSERT INTO t VALUES (2, 'a', 'x', 0)", kDuplicateKey},    // unique
        {"INSERT INTO t VALUES (1, 'b', 'x', 0)", kDuplicateKey},    // primary key
        {"INSERT INTO t VALUES (3, 'c', NULL, 0)", kFileSystemError}, // not null
        {"INSERT INTO t VALUES (4, 'd', 'x', 11)", kFileSystemError}, // check
        {"INSERT INTO t VALUES (5, 'e', 'x', 9)", kFileSystemError},  // refused by a trigger
    };
    for (const auto& c : cases) {
        try {
            db.exec(c.insert);
            ADD_FAILURE() << c.insert << " was stored";
        } catch (const SQLite::Exception& failure) {
            const DataError error = EngineError(failure, "t");
            EXPECT_EQ(error.code, c.code) << c.insert;
            EXPECT_EQ(error.driverMessage, QString::fromUtf8(failure.what())) << c.insert;
        }
    }

    // Through a table: another refusal keeps the engine's own message.
    Table<ItemRecord> items(ItemDefinition());
    OpenCreated(items);
    SQLite::Database other("TEST.TPS", SQLite::OPEN_READWRITE);
    other.exec("CREATE TRIGGER refuse BEFORE INSERT ON \"Items\" BEGIN SELECT RAISE(ABORT, 'not now'); END");
    ItemRecord item = Item("refused");
    EXPECT_FALSE(items.Add(item));
    EXPECT_EQ(items.ErrorCode(), kFileSystemError);
    EXPECT_EQ(items.LastError().Describe(), QStringLiteral("not now (%1)").arg(SQLITE_CONSTRAINT_TRIGGER));
}

// Kills the process when the scope ends, however the test leaves it.
struct KilledAtEnd {
    pid_t pid;
    ~KilledAtEnd()
    {
        kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
    }
};

TEST(WriteAheadLog, ReadersNeverBlockACommitAndAKilledProgramLosesNoCommittedRecord)
{
    int ready[2];
    ASSERT_EQ(pipe(ready), 0);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        // Another program: commits one record, then waits to be killed.
        Table<ItemRecord> items(ItemDefinition());
        ItemRecord item = Item("committed");
        const char added = items.Open(TableFile::kDeclaredMode, true) && items.Add(item) ? '1' : '0';
        if (write(ready[1], &added, 1) != 1)
            _exit(1);
        for (;;)
            pause();
    }
    {
        KilledAtEnd killed{child};
        close(ready[1]);
        char added = 0;
        ASSERT_EQ(read(ready[0], &added, 1), 1);
        ASSERT_EQ(added, '1');
        EXPECT_TRUE(QFile::exists("TEST.TPS-wal")) << "the record is in the log";
    }
    close(ready[0]);

    Table<ItemRecord> items(ItemDefinition());
    ASSERT_TRUE(items.Open());
    ItemRecord found = Item("COMMITTED");
    EXPECT_TRUE(items.Get(ITM_KEYNAME, found));

    SQLite::Database reader("TEST.TPS", SQLite::OPEN_READONLY);
    EXPECT_EQ(reader.execAndGet("PRAGMA journal_mode").getString(), "wal");
    reader.exec("BEGIN");
    EXPECT_EQ(reader.execAndGet("SELECT COUNT(*) FROM \"Items\"").getInt(), 1); // holds its snapshot
    ItemRecord second = Item("second");
    EXPECT_TRUE(items.Add(second)) << items.LastError().Describe().toStdString();
    reader.exec("COMMIT");
    EXPECT_EQ(CommittedItems(), 2);
}

} // namespace
} // namespace vl::test
