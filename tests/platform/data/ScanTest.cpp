#include "DataFileFaults.h"
#include "TestTables.h"

#include "platform/data/FieldBinding.h"
#include "platform/data/KeySql.h"
#include "platform/data/NoCaseCollation.h"

#include <SQLiteCpp/Database.h>
#include <SQLiteCpp/Statement.h>
#include <sqlite3.h>

#include <QFileInfo>

#include <algorithm>

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

// A walk reads ahead of its position; a change after that reading, made
// here or committed by another connection, counts from the next step on.
TEST_F(Scan, ChangesAheadOfTheWalkCountAtTheNextStep)
{
    for (const char* name : {"e", "f"}) {
        ItemRecord item = Item(QString::fromLatin1(name));
        ASSERT_TRUE(items.Add(item));
    }
    Cursor<ItemRecord> walk(items, ITM_KEYNAME);
    ItemRecord item;
    ASSERT_TRUE(walk.Next(item));
    ASSERT_TRUE(walk.Next(item)); // "b", with "c", "d" and "e" read ahead
    ASSERT_EQ(item.Name, "b");
    ItemRecord changed;
    ASSERT_TRUE(items.Get(4, changed));
    changed.Name = "bb"; // "d" moves back, still ahead of the position
    ASSERT_TRUE(items.Put(changed));
    ASSERT_TRUE(items.Get(3, changed));
    ASSERT_TRUE(items.Delete(changed)); // "c"
    ASSERT_TRUE(walk.Next(item));
    EXPECT_EQ(item.Name, "bb");
    ASSERT_TRUE(walk.Next(item)); // "e", with "f" read ahead
    EXPECT_EQ(item.Name, "e");

    SQLite::Database other("TEST.TPS", SQLite::OPEN_READWRITE);
    ASSERT_TRUE(RegisterNoCaseCollation(other.getHandle()));
    other.exec("INSERT INTO \"Items\" (\"Name\", \"ID\") VALUES ('ee', 10);"
               "DELETE FROM \"Items\" WHERE \"Name\" = 'f'");
    QStringList rest;
    while (walk.Next(item))
        rest.append(item.Name);
    EXPECT_EQ(rest, QStringList{"ee"});
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

TEST(DamagedScan, AStepThatDoesNotMoveOnIsAReadErrorNamingTheFile)
{
    constexpr int kItems = 600;
    {
        Table<ItemRecord> items{ItemDefinition()};
        OpenCreated(items);
        ASSERT_TRUE(items.Stream());
        for (int i = 0; i < kItems; ++i) {
            ItemRecord item = Item(QStringLiteral("item %1").arg(i));
            ASSERT_TRUE(items.Add(item));
        }
        ASSERT_TRUE(items.Flush());
        items.Close();
    }
    ASSERT_TRUE(MisorderRecordPointer("TEST.TPS", "Items"));

    Table<ItemRecord> items{ItemDefinition()};
    ASSERT_TRUE(items.Open());
    for (const bool forward : {true, false}) {
        items.Set(FileOrder);
        ItemRecord item;
        int steps = 0;
        while ((forward ? items.Next(item) : items.Previous(item)) && steps <= 2 * kItems)
            ++steps;
        EXPECT_LT(steps, kItems) << "the walk stops at the damage, forward " << forward;
        EXPECT_EQ(items.ErrorCode(), kInvalidDataFile);
        EXPECT_EQ(items.LastError().Describe(),
                  "Invalid Data File: " + QFileInfo("TEST.TPS").absoluteFilePath() + " (36)");
    }
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

// Each part of a step is an index seek, never a walk: not from the key's
// start, nor over the records that share the position's key values.
TEST(ScanPlan, EveryStepSeeksTheKeysIndex)
{
    Table<ItemRecord> items(ItemDefinition());
    OpenCreated(items);
    ASSERT_TRUE(items.Stream());
    for (int i = 0; i < 2000; ++i) { // equal values in every key but the unique ones
        ItemRecord item = Item("same", "same", 5, 7);
        ASSERT_TRUE(items.Add(item));
    }
    ASSERT_TRUE(items.Flush());
    ItemRecord middle;
    ASSERT_TRUE(items.Get(1000, middle));

    const TableDef& def = items.Definition();
    TableSql sql = BuildTableSql(def, "Items");
    for (KeySql& key : sql.keys)
        MadeWalk(sql, key);
    MadeWalk(sql, sql.fileOrder);
    SQLite::Database db("TEST.TPS", SQLite::OPEN_READWRITE);
    ASSERT_TRUE(RegisterNoCaseCollation(db.getHandle()));
    // The lines of a query plan that read the table.
    const auto tableReads = [&db](const std::string& query) {
        SQLite::Statement explain(db, "EXPLAIN QUERY PLAN " + query);
        QStringList reads;
        while (explain.executeStep())
            reads.append(QString::fromUtf8(explain.getColumn(3).getText()));
        return reads;
    };
    // The engine's steps to read one record from the middle of the run.
    const auto costFromMiddle = [&](const std::string& part, const KeyDef& key) {
        SQLite::Statement step(db, part);
        int index = 1;
        for (const KeyComponent& component : key.components)
            BindFieldValue(step, index++, def.StoredValue(component.field, middle));
        step.bind(index, static_cast<int64_t>(middle.RecordPointer));
        step.bind(index + 1, 1);
        step.executeStep();
        sqlite3_stmt* only = sqlite3_next_stmt(db.getHandle(), nullptr); // the connection's one statement
        return sqlite3_stmt_status(only, SQLITE_STMTSTATUS_VM_STEP, 0);
    };
    for (size_t k = 0; k < sql.keys.size(); ++k) {
        const KeyDef& key = def.Keys()[k];
        const std::string name = key.name.toStdString();
        for (int direction = 0; direction < 2; ++direction) {
            for (int inclusive = 0; inclusive < 2; ++inclusive) {
                const std::vector<std::string>& parts = sql.keys[k].step[direction][inclusive];
                // One part past the position's values when every component
                // ascends and the last is a whole number, else one per
                // component.
                const bool ascending = std::none_of(key.components.begin(), key.components.end(),
                                                    [](const KeyComponent& c) { return c.descending; });
                const FieldDef& last = def.Fields()[key.components.back().field];
                const bool wholeLast =
                    !last.IsText() && last.type != FieldType::Real && last.type != FieldType::Decimal;
                const size_t beyondParts = ascending && wholeLast ? 1 : key.components.size();
                EXPECT_EQ(parts.size(), beyondParts + (key.unique && !inclusive ? 0 : 1)) << name;
                for (const std::string& part : parts) {
                    const QStringList reads = tableReads(part);
                    ASSERT_EQ(reads.size(), 1) << name << ": " << reads.join(" / ").toStdString();
                    EXPECT_TRUE(reads[0].startsWith("SEARCH Items USING INDEX")) << name << ": " << reads[0].toStdString();
                    EXPECT_LT(costFromMiddle(part, key), 200) << name << ": " << part;
                }
                // A key with duplicates seeks its equal values by record pointer.
                if (!key.unique) {
                    EXPECT_TRUE(tableReads(parts.front())[0].contains("rowid")) << name;
                }
                // The parts as one statement: each still a seek, read in turn.
                for (int beyond = 0; beyond < 2; ++beyond) {
                    const std::string& all = sql.keys[k].stepAll[direction][inclusive][beyond];
                    const int seeks = static_cast<int>(tableReads(all).filter("SEARCH Items USING INDEX").size());
                    EXPECT_EQ(seeks, static_cast<int>(parts.size()) - (beyond && (inclusive || !key.unique) ? 1 : 0))
                        << name << ": " << all;
                    EXPECT_TRUE(tableReads(all).filter("SCAN Items").isEmpty()) << name;
                    EXPECT_LT(costFromMiddle(all, key), 200 * static_cast<int>(parts.size())) << name << ": " << all;
                }
            }
            const QStringList first = tableReads(sql.keys[k].first[direction]);
            ASSERT_EQ(first.size(), 1);
            EXPECT_TRUE(first[0].contains("INDEX") && !first[0].contains("TEMP B-TREE")) << first[0].toStdString();
        }
    }
    const QStringList fileOrder = tableReads(sql.fileOrder.step[0][0].at(0));
    EXPECT_TRUE(fileOrder.join(" ").contains("SEARCH Items USING INTEGER PRIMARY KEY (rowid>?)"))
        << fileOrder.join(" / ").toStdString();
}

} // namespace
} // namespace vl::test
