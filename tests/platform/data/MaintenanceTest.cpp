#include "DataFileFaults.h"
#include "TestTables.h"

#include "platform/data/DamagedFileNotice.h"
#include "platform/data/DataFileCheck.h"
#include "platform/data/Maintenance.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <thread>

namespace vl::test {
namespace {

class Maintenance : public ::testing::Test {
protected:
    void SetUp() override
    {
        OpenCreated(items);
        ASSERT_TRUE(items.Stream());
        for (int i = 0; i < 200; ++i) {
            ItemRecord item = Item(QStringLiteral("name %1").arg(i));
            item.Note = QString(16, QLatin1Char('x'));
            ASSERT_TRUE(items.Add(item));
        }
        ASSERT_TRUE(items.Flush());
    }
    Table<ItemRecord> items{ItemDefinition()};
};

// Overwrites the middle leaf page of a table or key of the closed file with
// zeros or with random bytes; false when it has none.
bool OverwriteLeaf(const QString& path, const QString& object, bool zeros)
{
    const auto [pageSize, leaves] = LeafPages(path, object);
    QByteArray bytes(pageSize, '\0');
    QRandomGenerator noise(11);
    for (char& byte : bytes)
        byte = zeros ? '\0' : static_cast<char>(noise.bounded(256));
    QFile file(path);
    return !leaves.empty() && file.open(QIODevice::ReadWrite) &&
           file.seek((leaves[leaves.size() / 2] - 1) * pageSize) && file.write(bytes) == pageSize;
}

class HeardDamage : public DamagedFileListener {
public:
    void DamagedFileFound(const QString& path, const QString& error) override { heard << path + ": " + error; }
    QStringList heard;
};

TEST_F(Maintenance, SnapshotCopyHoldsOnlyCommittedRecords)
{
    QDir().mkpath("copy");
    ASSERT_TRUE(items.Stream()); // a batch in progress is not in the copy
    ItemRecord pending = Item("pending");
    ASSERT_TRUE(items.Add(pending));
    DataError error = CopyDataFileSnapshot("TEST.TPS", "copy/during.TPS");
    ASSERT_TRUE(error.Ok()) << error.Describe().toStdString();
    ASSERT_TRUE(items.Flush());
    error = CopyDataFileSnapshot("TEST.TPS", "copy/after.TPS");
    ASSERT_TRUE(error.Ok()) << error.Describe().toStdString();
    EXPECT_FALSE(QFile::exists("copy/after.TPS.part"));

    Table<ItemRecord> during(ItemDefinition("copy/during\\!Items"));
    ASSERT_TRUE(during.Open());
    EXPECT_EQ(during.Records(), 200);
    EXPECT_TRUE(QFile::exists("TEST.TPS-wal")) << "the last commits are still in the log";
    {
        SQLite::Database copy("copy/after.TPS", SQLite::OPEN_READONLY);
        EXPECT_EQ(copy.execAndGet("PRAGMA journal_mode").getString(), "delete");
        EXPECT_EQ(copy.execAndGet("SELECT COUNT(*) FROM \"Items\"").getInt(), 201);
    }
    EXPECT_EQ(CopyDataFileSnapshot("TEST.TPS", "nodir/x.TPS").code, kAccessDenied); // cannot be written
}

TEST_F(Maintenance, CheckPackAndRebuildWorkOnASoundFile)
{
    for (const ItemRecord& item : Walk(items, FileOrder)) {
        if (item.ID % 2 == 0) {
            ASSERT_TRUE(items.Delete(item));
        }
    }
    items.Close();
    const qint64 before = QFileInfo("TEST.TPS").size();
    EXPECT_TRUE(PackDataFile("TEST.TPS").Ok());
    EXPECT_LT(QFileInfo("TEST.TPS").size(), before);
    EXPECT_TRUE(RebuildDataFileKeys("TEST.TPS").Ok());
    QStringList problems{"stale"};
    EXPECT_TRUE(CheckDataFile("TEST.TPS", &problems).Ok());
    EXPECT_TRUE(problems.isEmpty());
    ASSERT_TRUE(items.Open());
    EXPECT_EQ(items.Records(), 100);
}

TEST_F(Maintenance, MissingOrForeignFilesAreErrors)
{
    EXPECT_EQ(CheckDataFile("NONE.TPS", nullptr).code, kFileNotFound);
    QFile foreign("FOREIGN.TPS");
    ASSERT_TRUE(foreign.open(QIODevice::WriteOnly));
    foreign.write(QByteArray(2048, 'z'));
    foreign.close();
    EXPECT_EQ(PackDataFile("FOREIGN.TPS").code, kInvalidDataFile);
    EXPECT_EQ(QFileInfo("FOREIGN.TPS").size(), 2048);
}

// The quick check reads every page, those nobody has read yet too; a read
// that meets the damage is noticed once per file, on the application's
// thread, and again only after the file was repaired.
TEST_F(Maintenance, TheQuickCheckFindsDamagedPagesAndAFailedReadIsNoticedOncePerFile)
{
    items.Close();
    const QString path = QDir::current().absoluteFilePath("TEST.TPS");
    QFile original(path);
    ASSERT_TRUE(original.open(QIODevice::ReadOnly));
    const QByteArray sound = original.readAll();
    original.close();
    QString key;
    {
        SQLite::Database db("TEST.TPS", SQLite::OPEN_READONLY);
        key = QString::fromStdString(
            db.execAndGet("SELECT name FROM sqlite_master WHERE type = 'index' AND sql IS NOT NULL LIMIT 1").getString());
    }
    struct Case {
        const char* name;
        QString object; // the table or key whose page is overwritten; empty: none
        bool zeros;
        int cutBytes;   // cut off the file's end
        bool damaged;
    };
    const Case cases[] = {
        {"sound file", QString(), false, 0, false},
        {"zeros in a record page", QStringLiteral("Items"), true, 0, true},
        {"random bytes in a record page", QStringLiteral("Items"), false, 0, true},
        {"zeros in a key page", key, true, 0, true},
        {"random bytes in a key page", key, false, 0, true},
        {"cut in the middle of the last page", QString(), false, 512, true},
    };
    QCoreApplication::sendPostedEvents(); // notices of the tests before
    HeardDamage listener;
    const DamagedFileListenerOverride install(listener);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        {
            QFile file(path);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
            ASSERT_EQ(file.write(sound.left(sound.size() - c.cutBytes)), sound.size() - c.cutBytes);
        }
        if (!c.object.isEmpty()) {
            ASSERT_TRUE(OverwriteLeaf(path, c.object, c.zeros));
        }
        const QuickCheckResult result = QuickCheckDataFile(path);
        EXPECT_EQ(result.damaged, c.damaged) << result.finding.toStdString();
        EXPECT_EQ(result.finding.isEmpty(), !c.damaged);
        for (const char* side : {"-wal", "-shm"})
            EXPECT_FALSE(QFile::exists(path + side)) << "the check leaves no log files of a file nobody has open";

        listener.heard.clear();
        ForgetDamagedFile(path);
        Table<ItemRecord> read(ItemDefinition());
        if (read.Open()) {
            for (KeyRef order : {FileOrder, ITM_KEYNAME})
                Walk(read, order);
            read.Close();
        }
        EXPECT_TRUE(listener.heard.isEmpty()) << "never told on the failing call's own stack";
        QCoreApplication::sendPostedEvents();
        if (c.object == QLatin1String("Items") || !c.damaged) {
            EXPECT_EQ(listener.heard.size(), c.damaged ? 1 : 0) << "a walk over the damaged records meets them";
        }
        // Another thread meets it too: the file is told once.
        std::thread([&path] { NoteDataFileFailure(path, DataError::Make(kInvalidDataFile)); }).join();
        QCoreApplication::sendPostedEvents();
        ASSERT_EQ(listener.heard.size(), 1);
        EXPECT_TRUE(listener.heard[0].startsWith(path + ": Invalid Data File")) << listener.heard[0].toStdString();
    }
    // Only an invalid data file is damage; a forgotten file is noticed again.
    listener.heard.clear();
    ForgetDamagedFile(path);
    NoteDataFileFailure(path, DataError::Make(kIsLocked));
    NoteDataFileFailure(path, DataError::Make(kInvalidDataFile));
    NoteDataFileFailure(path, DataError::Make(kInvalidDataFile));
    ForgetDamagedFile(path);
    NoteDataFileFailure(path, DataError::Make(kInvalidDataFile));
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(listener.heard.size(), 2);
    EXPECT_EQ(QuickCheckDataFile("NONE.TPS").damaged, false) << "a missing file is no finding";
}

} // namespace
} // namespace vl::test
