#include "TestTables.h"

#include "platform/data/Maintenance.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

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
    Table<ItemRecord> after(ItemDefinition("copy/after\\!Items"));
    ASSERT_TRUE(after.Open());
    EXPECT_EQ(after.Records(), 201);
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

} // namespace
} // namespace vl::test
