#include "TestTables.h"

#include <QSet>

#include <sys/wait.h>
#include <unistd.h>

namespace vl::test {
namespace {

class AutoNumber : public ::testing::Test {
protected:
    void SetUp() override { OpenCreated(items); }
    ItemRecord Added(ItemRecord item)
    {
        EXPECT_TRUE(items.Add(item)) << items.Error().toStdString();
        return item;
    }
    Table<ItemRecord> items{ItemDefinition()};
};

TEST_F(AutoNumber, TakesTheHighestPlusOneAndKeepsGivenNumbers)
{
    EXPECT_EQ(Added(Item("a")).ID, 1);
    EXPECT_EQ(Added(Item("b")).ID, 2);
    ItemRecord third = Added(Item("c"));
    EXPECT_EQ(third.ID, 3);
    ASSERT_TRUE(items.Delete(third));
    EXPECT_EQ(Added(Item("d")).ID, 3);
    ItemRecord given = Item("e");
    given.ID = 10;
    EXPECT_EQ(Added(given).ID, 10);
    EXPECT_EQ(Added(Item("f")).ID, 11);
}

TEST_F(AutoNumber, SequenceIsNumberedWithinItsGroup)
{
    ItemRecord item = Item("x");
    item.Grp = 7;
    EXPECT_EQ(Added(item).Seq, 1);
    EXPECT_EQ(Added(item).Seq, 2);
    item.Seq = 7; // a gap below does not matter: highest + 1
    EXPECT_EQ(Added(item).Seq, 7);
    item.Seq = 0;
    EXPECT_EQ(Added(item).Seq, 8);
    item.Grp = 8;
    EXPECT_EQ(Added(item).Seq, 1);
    item.Seq = 1; // taken in group 8
    EXPECT_FALSE(items.Add(item));
    EXPECT_EQ(items.ErrorCode(), kDuplicateKey);
    EXPECT_EQ(items.LastError().key, "ITM:KEYGROUPSEQ");
}

TEST_F(AutoNumber, FailedAddLeavesTheNumberUnset)
{
    ItemRecord first = Added(Item("x"));
    ItemRecord clash = Item("y");
    clash.Grp = first.Grp;
    clash.Seq = first.Seq;
    EXPECT_FALSE(items.Add(clash));
    EXPECT_EQ(clash.ID, 0);
    EXPECT_EQ(clash.RecordPointer, 0);
    EXPECT_EQ(items.Records(), 1);
}

// Programs adding to one file at the same time never take the same number.
TEST_F(AutoNumber, ProcessesAddingTogetherNeverShareANumber)
{
    items.Close();
    constexpr int kProcesses = 4;
    constexpr int kAddsEach = 40;
    std::vector<pid_t> children;
    for (int p = 0; p < kProcesses; ++p) {
        const pid_t pid = fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) {
            Table<ItemRecord> mine(ItemDefinition());
            int failures = mine.Open() ? 0 : 1;
            for (int i = 0; i < kAddsEach && failures == 0; ++i) {
                ItemRecord item = Item(QStringLiteral("p%1").arg(p));
                item.Grp = 1; // one group: the sequence numbers race too
                failures += mine.Add(item) ? 0 : 1;
            }
            _exit(failures == 0 ? 0 : 1);
        }
        children.push_back(pid);
    }
    for (pid_t child : children) {
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    ASSERT_TRUE(items.Open());
    QSet<int32_t> ids;
    QSet<int32_t> sequences;
    for (const ItemRecord& item : Walk(items, ITM_KEYID)) {
        ids.insert(item.ID);
        sequences.insert(item.Seq);
    }
    EXPECT_EQ(ids.size(), kProcesses * kAddsEach);
    EXPECT_EQ(sequences.size(), kProcesses * kAddsEach);
    EXPECT_TRUE(ids.contains(kProcesses * kAddsEach));
}

} // namespace
} // namespace vl::test
