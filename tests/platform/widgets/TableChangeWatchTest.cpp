#include "platform/widgets/TableChangeWatch.h"

#include "platform/widgets/BrowseList.h"
#include "platform/widgets/SecondBeat.h"
#include "tests/platform/browse/BrowseTestData.h"

#include <QApplication>

namespace vl::test {
namespace {

// A window with a list of items and its watch; the highlighted row is "b".
class TableChangeWatchTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        OpenCreated(items);
        ASSERT_TRUE(model.SetColumns({{"ITM:Name", "Name", "@s20"}}));
        for (const char* name : {"b", "d"})
            Add(name);
        list->SetBrowseModel(&model);
        list->SelectRow(0);
        watch = new TableChangeWatch(items, *list, window);
    }
    void Add(const char* name)
    {
        ItemRecord item = Item(name, "c");
        ASSERT_TRUE(items.Add(item));
    }
    QStringList Names()
    {
        QStringList names;
        for (int row = 0; row < model.rowCount(); ++row)
            names << model.data(model.index(row, 0)).toString();
        return names;
    }
    QString Highlighted() { return model.data(model.index(list->CurrentRow(), 0)).toString(); }

    Table<ItemRecord> items{ItemDefinition()};
    BrowseModel model{items};
    QWidget window;
    BrowseList* list = new BrowseList(&window);
    TableChangeWatch* watch = nullptr;
};

TEST_F(TableChangeWatchTest, ReadsTheListAgainOnlyAfterAChangeFromAnywhere)
{
    int reads = 0;
    QObject::connect(&model, &QAbstractItemModel::modelReset, [&reads] { ++reads; });
    emit SecondBeat::Instance().Beat();
    EXPECT_FALSE(watch->Check());
    EXPECT_EQ(reads, 0) << "nothing changed, nothing read";

    Add("a"); // this program, through its own connection
    emit SecondBeat::Instance().Beat();
    EXPECT_EQ(Names(), QStringList({"b", "d", "a"}));
    EXPECT_EQ(Highlighted(), "b");

    OtherConnection().exec("INSERT INTO Items (Name, Code) VALUES ('c', '')"); // another program
    QEvent activate(QEvent::WindowActivate);
    QApplication::sendEvent(&window, &activate);
    EXPECT_EQ(Names(), QStringList({"b", "d", "a", "c"})) << "its window came forward";
    EXPECT_EQ(Highlighted(), "b");

    list->Refresh(); // read for another reason: the watch knows
    reads = 0;
    EXPECT_FALSE(watch->Check());
    emit SecondBeat::Instance().Beat();
    EXPECT_EQ(reads, 0);
}

TEST_F(TableChangeWatchTest, AClosedFileIsNotLookedAt)
{
    items.Close();
    EXPECT_FALSE(watch->Check());
    EXPECT_FALSE(items.IsOpen()) << "the look does not open it";
}

} // namespace
} // namespace vl::test
