#include "TestTables.h"

#include "platform/data/KeySql.h"
#include "platform/data/NoCaseCollation.h"

#include <SQLiteCpp/Database.h>
#include <SQLiteCpp/Statement.h>

namespace vl::test {
namespace {

class Scan : public ::testing::Test {
protected:
    void SetUp() override
    {
        OpenCreated(items);
        for (const char* name : {"a", "b", "c", "d"}) {
            ItemRecord item = Item(QString::fromLatin1(name));
            ASSERT_TRUE(items.Add(item));
        }
    }
    QStringList Rest(bool forward = true)
    {
        QStringList names;
        ItemRecord item;
        while (forward ? items.Next(item) : items.Previous(item))
            names.append(item.Name);
        EXPECT_EQ(items.ErrorCode(), kRecordNotAvailable);
        return names;
    }
    Table<ItemRecord> items{ItemDefinition()};
};

TEST_F(Scan, RecordMovedForwardByPutIsMetAgainAtItsNewPlace)
{
    ItemRecord item;
    items.Set(ITM_KEYNAME);
    ASSERT_TRUE(items.Next(item));
    ASSERT_TRUE(items.Next(item));
    ASSERT_EQ(item.Name, "b");
    item.Name = "z";
    ASSERT_TRUE(items.Put(item));
    EXPECT_EQ(Rest(), (QStringList{"c", "d", "z"}));
}

TEST_F(Scan, RecordMovedBackwardByPutIsNotMetAgain)
{
    ItemRecord item;
    items.Set(ITM_KEYNAME);
    ASSERT_TRUE(items.Next(item));
    ASSERT_TRUE(items.Next(item));
    item.Name = "0";
    ASSERT_TRUE(items.Put(item));
    EXPECT_EQ(Rest(), (QStringList{"c", "d"}));
}

TEST_F(Scan, DeletingTheCurrentRecordSkipsNothing)
{
    ItemRecord item;
    items.Set(ITM_KEYNAME);
    QStringList seen;
    while (items.Next(item)) {
        seen.append(item.Name);
        ASSERT_TRUE(items.Delete(item));
    }
    EXPECT_EQ(seen, (QStringList{"a", "b", "c", "d"}));
    EXPECT_EQ(items.Records(), 0);
}

TEST_F(Scan, PreviousAfterSetStartsAtTheHighest)
{
    EXPECT_EQ(Rest(false).size(), 0); // no Set yet: nothing to read
    items.Set(ITM_KEYNAME);
    EXPECT_EQ(Rest(false), (QStringList{"d", "c", "b", "a"}));
}

TEST_F(Scan, SetToABufferPositionsAtItsKeyValuesAndPointer)
{
    ItemRecord second = Item("b", "second");
    ASSERT_TRUE(items.Add(second)); // two records named "b"
    ItemRecord position;
    position.Name = "B";
    items.Set(ITM_KEYNAME, position); // pointer 0: every "b"
    EXPECT_EQ(Rest(), (QStringList{"b", "b", "c", "d"}));
    items.Set(ITM_KEYNAME, position);
    EXPECT_EQ(Rest(false), (QStringList{"b", "b", "a"}));

    items.Set(ITM_KEYNAME, second); // the second "b" exactly
    ItemRecord item;
    ASSERT_TRUE(items.Next(item));
    EXPECT_EQ(item.Code, "second");
    items.Set(ITM_KEYNAME, second);
    ASSERT_TRUE(items.Previous(item));
    EXPECT_EQ(item.Code, "second");
    ASSERT_TRUE(items.Previous(item));
    EXPECT_EQ(item.Name, "b");
    EXPECT_EQ(item.Code, "");

    position.Name = "bb"; // between values
    items.Set(ITM_KEYNAME, position);
    EXPECT_EQ(Rest(), (QStringList{"c", "d"}));

    ItemRecord byId; // a unique key
    byId.ID = 3;
    items.Set(ITM_KEYID, byId);
    EXPECT_EQ(Rest(), (QStringList{"c", "d", "b"}));
    items.Set(ITM_KEYID, byId);
    EXPECT_EQ(Rest(false), (QStringList{"c", "b", "a"}));
}

TEST_F(Scan, FileOrderFollowsTheRecordPointer)
{
    ItemRecord first;
    items.Set(FileOrder);
    ASSERT_TRUE(items.Next(first));
    first.Name = "zz";
    ASSERT_TRUE(items.Put(first));
    EXPECT_EQ(Rest(), (QStringList{"b", "c", "d"}));
    items.Set(FileOrder, first);
    EXPECT_EQ(Rest(), (QStringList{"zz", "b", "c", "d"}));
}

TEST_F(Scan, CursorsKeepPositionsOfTheirOwn)
{
    Cursor<ItemRecord> one(items, ITM_KEYNAME);
    Cursor<ItemRecord> two(items, ITM_KEYNAME);
    ItemRecord a;
    ItemRecord b;
    ASSERT_TRUE(one.Next(a));
    ASSERT_TRUE(one.Next(a));
    ASSERT_TRUE(two.Next(b));
    EXPECT_EQ(a.Name, "b");
    EXPECT_EQ(b.Name, "a");
    ASSERT_TRUE(one.Next(a));
    EXPECT_EQ(a.Name, "c");
}

TEST_F(Scan, UnknownKeyAndClosedTableAreErrors)
{
    EXPECT_FALSE(items.Set(KeyRef("ITM:NOSUCHKEY")));
    EXPECT_EQ(items.ErrorCode(), kFileSystemError);
    items.Close();
    EXPECT_FALSE(items.Set(ITM_KEYNAME));
    EXPECT_EQ(items.ErrorCode(), kFileNotOpen);
    ItemRecord item;
    EXPECT_FALSE(items.Next(item));
    EXPECT_EQ(items.ErrorCode(), kFileNotOpen);
}

// Each step of a scan is an index seek, not a walk from the key's start.
TEST(ScanPlan, EveryStepSeeksTheKeysIndex)
{
    Table<ItemRecord> items(ItemDefinition());
    OpenCreated(items);
    const TableSql sql = BuildTableSql(items.Definition(), "Items");
    SQLite::Database db("TEST.TPS", SQLite::OPEN_READWRITE);
    ASSERT_TRUE(RegisterNoCaseCollation(db.getHandle()));
    // The lines of a query plan that read the table.
    const auto tableReads = [&db](const std::string& query) {
        SQLite::Statement explain(db, "EXPLAIN QUERY PLAN " + query);
        QStringList reads;
        while (explain.executeStep()) {
            const QString line = QString::fromUtf8(explain.getColumn(3).getText());
            if (line.contains("Items"))
                reads.append(line);
        }
        return reads;
    };
    const auto allSeeks = [](const QStringList& reads) {
        for (const QString& read : reads) {
            if (!read.startsWith("SEARCH Items USING") || read.contains("TEMP B-TREE"))
                return false;
        }
        return !reads.isEmpty();
    };
    for (size_t k = 0; k < sql.keys.size(); ++k) {
        const KeySql& key = sql.keys[k];
        const std::string name = items.Definition().Keys()[k].name.toStdString();
        for (int direction = 0; direction < 2; ++direction) {
            for (int inclusive = 0; inclusive < 2; ++inclusive) {
                const QStringList reads = tableReads(key.step[direction][inclusive].sql);
                EXPECT_TRUE(allSeeks(reads)) << name << ": " << reads.join(" / ").toStdString();
                // A key with duplicates seeks its equal values by record pointer.
                if (!items.Definition().Keys()[k].unique) {
                    EXPECT_TRUE(reads.join(" ").contains("rowid")) << name;
                }
            }
            const QStringList first = tableReads(key.first[direction]);
            ASSERT_EQ(first.size(), 1);
            EXPECT_TRUE(first[0].contains("INDEX") && !first[0].contains("TEMP B-TREE")) << first[0].toStdString();
        }
    }
    const QStringList fileOrder = tableReads(sql.fileOrder.step[0][0].sql);
    EXPECT_TRUE(allSeeks(fileOrder) && fileOrder.join(" ").contains("INTEGER PRIMARY KEY"))
        << fileOrder.join(" / ").toStdString();
}

} // namespace
} // namespace vl::test
