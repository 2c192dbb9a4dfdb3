// The engine's locks against everything else a program does with its data
// files, and the damaged log set aside by whichever program meets it first.

#include "TestTables.h"
#include "tests/support/OtherProgram.h"
#include "tests/support/TempDir.h"

#include "platform/data/EngineLocks.h"
#include "platform/data/LogFrames.h"
#include "platform/data/Maintenance.h"

#include <QDir>
#include <QFile>

#include <sqlite3.h>

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace vl::test {
namespace {

TEST(EngineLocks, NoCloseElsewhereInTheProgramDropsThemAndAnotherProgramEndingLeavesTheLog)
{
    Table<ItemRecord> items(ItemDefinition());
    OpenCreated(items);
    ItemRecord first = Item("first");
    ASSERT_TRUE(items.Add(first));
    ASSERT_EQ(Walk(items, ITM_KEYNAME).size(), 1u);
    // What a file dialog or an in-use check does: open and close each file.
    for (const char* name : {"TEST.TPS", "TEST.TPS-wal", "TEST.TPS-shm"}) {
        QFile file(name);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << name;
        file.read(100);
    }
    EXPECT_TRUE(LockedForOtherPrograms("TEST.TPS", 0x40000002, 510)) << "the file's shared lock";
    EXPECT_TRUE(LockedForOtherPrograms("TEST.TPS-shm", 128, 1)) << "the log index's";
    // Another program opens the file, reads and ends: the log stays.
    EXPECT_EQ(InAnotherProgram([] {
                  sqlite3* db = nullptr;
                  sqlite3_open_v2("TEST.TPS", &db, SQLITE_OPEN_READWRITE, nullptr);
                  const int read = sqlite3_exec(db, "SELECT COUNT(*) FROM sqlite_master", nullptr, nullptr, nullptr);
                  return sqlite3_close(db) == SQLITE_OK && read == SQLITE_OK ? 0 : 1;
              }),
              0);
    EXPECT_TRUE(QFile::exists("TEST.TPS-wal") && QFile::exists("TEST.TPS-shm"));
    ItemRecord second = Item("second");
    ASSERT_TRUE(items.Add(second));
    items.Close();
    Table<ItemRecord> again(ItemDefinition());
    ASSERT_TRUE(again.Open());
    EXPECT_EQ(Names(Walk(again, ITM_KEYNAME)), QStringList({"first", "second"})) << "what was saved stays saved";
}

// A file whose log holds commits after a frame that does not check.
void EndWithDamagedLog(const QString& path)
{
    const QString log = path + "-wal";
    {
        SQLite::Database db(path.toStdString(), SQLite::OPEN_READWRITE | SQLite::OPEN_CREATE);
        db.exec("PRAGMA journal_mode = WAL");
        db.exec("PRAGMA wal_autocheckpoint = 0");
        db.exec("CREATE TABLE t(a)");
        for (int i = 0; i < 3; ++i)
            db.exec("INSERT INTO t VALUES (randomblob(3000))");
        ASSERT_TRUE(QFile::copy(path, "ended") && QFile::copy(log, "ended-wal"));
    }
    ASSERT_TRUE(QFile::remove(path) && QFile::rename("ended", path));
    QFile::remove(log);
    ASSERT_TRUE(QFile::rename("ended-wal", log));
    QFile file(log);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite) && file.seek(32 + 16) && file.write(QByteArray(8, '\0')) == 8);
}

TEST(EngineLocks, ADamagedLogIsSetAsideWholeByTheBackupsOpenAndByOneOfTwoProgramsAtOnce)
{
    EndWithDamagedLog("TEST.TPS");
    const QByteArray damaged = ReadFileBytes("TEST.TPS-wal");
    ASSERT_TRUE(CopyDataFileSnapshot("TEST.TPS", "snapshot").Ok());
    EXPECT_EQ(ReadFileBytes("TEST.TPS-wal.damaged"), damaged) << "the backup's read of the file keeps the log first";

    // Two programs meeting another damaged log at once.
    EndWithDamagedLog("BOTH.TPS");
    const QByteArray both = ReadFileBytes("BOTH.TPS-wal");
    int go[2];
    ASSERT_EQ(pipe(go), 0);
    pid_t children[2];
    for (pid_t& child : children) {
        child = fork();
        if (child == 0) {
            char byte;
            _exit(read(go[0], &byte, 1) == 1 && !SetAsideDamagedLog("BOTH.TPS").isEmpty() ? 1 : 0);
        }
    }
    ASSERT_EQ(write(go[1], "gg", 2), 2);
    int setAside = 0;
    for (const pid_t child : children) {
        int status = 0;
        waitpid(child, &status, 0);
        setAside += WIFEXITED(status) ? WEXITSTATUS(status) : 0;
    }
    ::close(go[0]);
    ::close(go[1]);
    EXPECT_EQ(setAside, 1);
    EXPECT_EQ(QDir().entryList({"BOTH.TPS-wal.damaged*"}), QStringList{"BOTH.TPS-wal.damaged"});
    EXPECT_EQ(ReadFileBytes("BOTH.TPS-wal.damaged"), both) << "whole";
    EXPECT_LT(QFile("BOTH.TPS-wal").size(), both.size()) << "cut once it was kept";
}

} // namespace
} // namespace vl::test
