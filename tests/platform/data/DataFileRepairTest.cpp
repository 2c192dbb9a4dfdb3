// Repair of damaged data files: real files with pages overwritten, a file
// another connection holds, and a disk that fills up during the repair.

#include "DataFileFaults.h"
#include "TestTables.h"

#include "platform/data/DataFileRepair.h"
#include "platform/data/Maintenance.h"

#include <QDir>
#include <QFile>

#include <csignal>
#include <sys/resource.h>

namespace vl::test {
namespace {

constexpr int kItems = 2000;

QByteArray Bytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class DataFileRepairTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Table<ItemRecord> items(ItemDefinition());
        OpenCreated(items);
        ASSERT_TRUE(items.Stream());
        for (int i = 0; i < kItems; ++i) {
            ItemRecord item = Item(QStringLiteral("item number %1").arg(i), QString::number(i));
            ASSERT_TRUE(items.Add(item));
        }
        ASSERT_TRUE(items.Flush());
        items.Close();
        ASSERT_FALSE(QFile::exists("TEST.TPS-wal")) << "closed files have no log";
    }

    static QString KeyName()
    {
        SQLite::Database db("TEST.TPS", SQLite::OPEN_READONLY);
        return QString::fromStdString(
            db.execAndGet("SELECT name FROM sqlite_master WHERE type = 'index' AND tbl_name = 'Items' "
                          "AND sql IS NOT NULL ORDER BY name LIMIT 1")
                .getString());
    }

    static int64_t Records()
    {
        Table<ItemRecord> items(ItemDefinition());
        return items.Open() ? items.Records() : -1;
    }
};

TEST_F(DataFileRepairTest, DamageIsRepairedOnACopyAndTheDamagedFileIsKept)
{
    struct Case {
        const char* name;
        QString object; // what gets damaged; empty: nothing
        bool wholePage;
        bool allKept;   // every record is read back
    };
    const Case cases[] = {
        {"sound file", QString(), false, true},
        {"damaged key page", KeyName(), false, true},
        {"damaged record page", QStringLiteral("Items"), true, false},
        {"half a record page damaged", QStringLiteral("Items"), false, false},
    };
    const QByteArray sound = Bytes("TEST.TPS");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        for (const QString& name : QDir().entryList({"TEST.TPS*"}))
            QFile::remove(name);
        {
            QFile file("TEST.TPS");
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write(sound);
        }
        if (!c.object.isEmpty()) {
            ASSERT_TRUE(DamagePage("TEST.TPS", c.object, c.wholePage));
        }
        const QByteArray before = Bytes("TEST.TPS");

        DataFileRepair repair;
        std::vector<int> progress;
        const DataError error = RepairDataFile("TEST.TPS", repair, [&](int percent) { progress.push_back(percent); });
        ASSERT_TRUE(error.Ok()) << error.Describe().toStdString();

        if (c.object.isEmpty()) {
            EXPECT_TRUE(repair.findings.isEmpty());
            EXPECT_FALSE(repair.replaced);
            EXPECT_EQ(Bytes("TEST.TPS"), before) << "a sound file is left alone";
            continue;
        }
        EXPECT_FALSE(repair.findings.isEmpty());
        EXPECT_TRUE(repair.replaced);
        EXPECT_EQ(repair.damagedCopy, "TEST.TPS.damaged");
        EXPECT_EQ(Bytes(repair.damagedCopy), before) << "the damaged file is kept as it was";
        EXPECT_FALSE(QFile::exists("TEST.TPS.fix"));
        ASSERT_FALSE(progress.empty());
        EXPECT_EQ(progress.back(), 100);
        if (c.allKept) {
            EXPECT_EQ(repair.recordsKept, kItems);
            EXPECT_EQ(repair.unreadablePlaces, 0);
        } else {
            EXPECT_GT(repair.recordsKept, kItems / 2);
            EXPECT_LT(repair.recordsKept, kItems);
            EXPECT_GE(repair.unreadablePlaces, 1);
        }
        QStringList left;
        ASSERT_TRUE(CheckDataFile("TEST.TPS", &left).Ok());
        EXPECT_TRUE(left.isEmpty()) << left.join('\n').toStdString();
        EXPECT_EQ(Records(), repair.recordsKept);

        // The numbering goes on past the highest number given, and the keys work.
        Table<ItemRecord> items(ItemDefinition());
        ASSERT_TRUE(items.Open());
        ItemRecord added = Item("after the repair", "new");
        ASSERT_TRUE(items.Add(added));
        EXPECT_EQ(added.ID, kItems + 1);
        ItemRecord found;
        found.Code = QStringLiteral("new");
        EXPECT_TRUE(items.Get(ITM_KEYCODE, found));
        items.Close();
    }
}

TEST_F(DataFileRepairTest, AHeldFileOrAFullDiskLeavesTheOriginalAsItWas)
{
    ASSERT_TRUE(DamagePage("TEST.TPS", KeyName(), false));
    const QByteArray before = Bytes("TEST.TPS");
    {
        SetLockWait(50);
        Table<ItemRecord> other(ItemDefinition()); // another user of the file
        ASSERT_TRUE(other.Open());
        DataFileRepair repair;
        EXPECT_EQ(RepairDataFile("TEST.TPS", repair).code, kIsLocked);
        EXPECT_FALSE(repair.replaced);
        other.Close();
        SetLockWait(5000);
    }
    {
        // The disk is full once the new file grows past half the old one.
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit saved{};
        ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
        rlimit small = saved;
        small.rlim_cur = std::max<rlim_t>(before.size() / 2, 40000);
        ASSERT_LT(small.rlim_cur, static_cast<rlim_t>(before.size()));
        ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
        DataFileRepair repair;
        const DataError error = RepairDataFile("TEST.TPS", repair);
        setrlimit(RLIMIT_FSIZE, &saved);
        EXPECT_FALSE(error.Ok());
        EXPECT_FALSE(repair.replaced);
        EXPECT_TRUE(repair.damagedCopy.isEmpty());
    }
    EXPECT_EQ(Bytes("TEST.TPS"), before);
    EXPECT_EQ(QDir().entryList({"TEST.TPS*"}), QStringList({"TEST.TPS"})) << "nothing is left beside it";
}

} // namespace
} // namespace vl::test
