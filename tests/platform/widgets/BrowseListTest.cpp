#include "platform/widgets/BrowseList.h"

#include "tests/platform/browse/BrowseTestData.h"
#include "tests/platform/data/DataFileFaults.h"
#include "tests/support/ScriptedPrompt.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>

#include <functional>

namespace vl::test {
namespace {

class List : public ::testing::Test {
protected:
    void SetUp() override
    {
        OpenCreated(items);
        ASSERT_TRUE(model.SetColumns({{"ITM:Name", "Name", "@s20"}, {"ITM:Code", "Code", "@s10"}}));
        ASSERT_TRUE(model.AddOrder("By name", Order("UPPER(ITM:Name)")) == 0);
        list.resize(300, 200);
        list.show();
    }
    void Add(const char* name)
    {
        ItemRecord item = Item(name, "c");
        ASSERT_TRUE(items.Add(item));
    }
    void Show()
    {
        list.SetBrowseModel(&model);
        QApplication::processEvents();
    }
    ViewOrder Order(const QString& text)
    {
        ViewOrder order;
        QString error;
        EXPECT_TRUE(ParseViewOrder(items.Definition(), text, order, error)) << error.toStdString();
        return order;
    }
    QString Selected() { return model.data(model.index(list.CurrentRow(), 0)).toString(); }
    void Key(int key)
    {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(&list, &press);
    }
    void Mouse(QWidget* target, QEvent::Type type, QPoint pos, Qt::MouseButton button)
    {
        QMouseEvent event(type, pos, target->mapToGlobal(pos), button, button, Qt::NoModifier);
        QApplication::sendEvent(target, &event);
    }
    QPoint Cell(int row, int column)
    {
        return {list.columnViewportPosition(column) + 5, list.rowViewportPosition(row) + 3};
    }
    QPoint Section(int column) { return {list.horizontalHeader()->sectionViewportPosition(column) + 5, 5}; }

    Table<ItemRecord> items{ItemDefinition()};
    BrowseModel model{items};
    BrowseList list;
};

TEST_F(List, ListEventsBecomeSignalsWithRowAndColumn)
{
    for (const char* name : {"a", "b", "c"})
        Add(name);
    Show();
    QStringList events;
    QObject::connect(&list, &BrowseList::enterPressed, [&](int row) { events << QString("enter %1").arg(row); });
    QObject::connect(&list, &BrowseList::insertPressed, [&] { events << "insert"; });
    QObject::connect(&list, &BrowseList::deletePressed, [&](int row) { events << QString("delete %1").arg(row); });
    QObject::connect(&list, &BrowseList::rowDoubleClicked, [&](int row) { events << QString("double %1").arg(row); });
    QObject::connect(&list, &BrowseList::rightClicked,
                     [&](int row, int column, QPoint) { events << QString("right %1 %2").arg(row).arg(column); });
    QObject::connect(&list, &BrowseList::headerClicked,
                     [&](int section, QPoint pos) { events << QString("header %1 %2").arg(section).arg(pos.x()); });
    QObject::connect(&list, &BrowseList::headerRightClicked,
                     [&](int section, QPoint) { events << QString("header right %1").arg(section); });
    QWidget* cells = list.viewport();
    QWidget* header = list.horizontalHeader()->viewport();
    const int beyond = list.columnViewportPosition(1) + list.columnWidth(1) + 5;
    struct Case {
        std::function<void()> act;
        QString event;
    };
    const Case cases[] = {
        {[&] { Key(Qt::Key_Return); }, "enter 0"},
        {[&] { Key(Qt::Key_Down); Key(Qt::Key_Enter); }, "enter 1"},
        {[&] { Key(Qt::Key_Insert); }, "insert"},
        {[&] { Key(Qt::Key_Delete); }, "delete 1"},
        {[&] { Mouse(cells, QEvent::MouseButtonDblClick, Cell(2, 1), Qt::LeftButton); }, "double 2"},
        {[&] { Mouse(cells, QEvent::MouseButtonPress, Cell(1, 1), Qt::RightButton); }, "right 1 1"},
        {[&] { Mouse(cells, QEvent::MouseButtonPress, {beyond, 150}, Qt::RightButton); }, "right -1 -1"},
        {[&] {
             Mouse(header, QEvent::MouseButtonPress, Section(1), Qt::LeftButton);
             Mouse(header, QEvent::MouseButtonRelease, Section(1), Qt::LeftButton);
         },
         QString("header 1 %1").arg(Section(1).x())},
        {[&] { Mouse(header, QEvent::MouseButtonPress, Section(0), Qt::RightButton); }, "header right 0"},
        {[&] { Mouse(header, QEvent::MouseButtonPress, {beyond, 5}, Qt::RightButton); }, "header right -1"},
    };
    for (const Case& c : cases) {
        events.clear();
        c.act();
        EXPECT_EQ(events, QStringList{c.event});
    }
    // A double click below the rows opens nothing.
    events.clear();
    Mouse(cells, QEvent::MouseButtonDblClick, {5, 190}, Qt::LeftButton);
    EXPECT_TRUE(events.isEmpty());
    EXPECT_TRUE(list.horizontalHeader()->sectionsMovable());
    EXPECT_EQ(list.horizontalHeader()->sectionResizeMode(0), QHeaderView::Interactive);
}

TEST_F(List, KeysAndTypedTextMoveThroughAHundredThousandRowsPageByPage)
{
    constexpr int kRecords = 100'000;
    AddNumberedItems(kRecords);
    Show();
    EXPECT_EQ(list.CurrentRow(), 0);
    struct Case {
        int key;
        std::function<bool(int)> row;
    };
    const Case cases[] = {
        {Qt::Key_End, [](int row) { return row == kRecords - 1; }},
        {Qt::Key_PageUp, [](int row) { return row > kRecords - 20 && row < kRecords - 1; }},
        {Qt::Key_Home, [](int row) { return row == 0; }},
        {Qt::Key_PageDown, [](int row) { return row > 0 && row < 20; }},
    };
    for (const Case& c : cases) {
        Key(c.key);
        QApplication::processEvents();
        EXPECT_TRUE(c.row(list.CurrentRow())) << c.key << ": " << list.CurrentRow();
        EXPECT_EQ(Selected(), Numbered(list.CurrentRow() + 1));
        EXPECT_LE(model.CachedRows(), BrowseModel::kMaxCachedRows);
    }
    list.keyboardSearch("n05");
    list.keyboardSearch("0001");
    EXPECT_EQ(Selected(), Numbered(50'001));
}

TEST_F(List, TheSelectedRecordStaysSelectedAcrossRefreshOrderAndFilter)
{
    for (const char* name : {"b", "d", "f", "h"})
        Add(name);
    Show();
    list.SelectRow(2);
    ASSERT_EQ(Selected(), "f");
    SQLite::Database other = OtherConnection();
    other.exec("INSERT INTO Items (ID, Name) VALUES (10, 'a')");
    list.Refresh();
    EXPECT_EQ(list.CurrentRow(), 3);
    EXPECT_EQ(Selected(), "f");
    ASSERT_TRUE(model.SetOrder(Order("-UPPER(ITM:Name)")));
    EXPECT_EQ(list.CurrentRow(), 1);
    EXPECT_EQ(Selected(), "f");
    ASSERT_TRUE(model.SetFilter("f", {{"ITM:Name", Compare::NotEqual, QString("h")}}));
    EXPECT_EQ(Selected(), "f");
    other.exec("DELETE FROM Items WHERE Name = 'f'");
    list.Refresh();
    EXPECT_EQ(Selected(), "d"); // the neighbour in the current order
}

TEST_F(List, TheFirstRowTheListChoseItselfIsKeptOnlyOnceShownOrChosen)
{
    for (const char* name : {"c", "e"})
        Add(name);
    SQLite::Database other = OtherConnection();
    const auto insertAndRefresh = [&](int id, const char* name) {
        const std::string number = std::to_string(id);
        other.exec("INSERT INTO Items (ID, Seq, Name) VALUES (" + number + ", " + number + ", '" + name + "')");
        model.Refresh();
    };
    BrowseList opening; // not shown yet
    opening.SetBrowseModel(&model);
    const auto selected = [&] { return model.data(model.index(opening.CurrentRow(), 0)).toString(); };
    ASSERT_EQ(selected(), "c");
    insertAndRefresh(10, "b");
    EXPECT_EQ(selected(), "b") << "the new first row";
    opening.SelectRow(1);
    insertAndRefresh(11, "a");
    EXPECT_EQ(selected(), "c") << "a row chosen stays";
    opening.SelectRow(0);
    opening.show();
    opening.SetBrowseModel(&model);
    ASSERT_EQ(selected(), "a");
    insertAndRefresh(12, "0");
    EXPECT_EQ(selected(), "a") << "the first row shown stays";
}

TEST_F(List, ADamagedFileIsLeftToItsNoticeAndAnotherFailedReadNamesItsDataFileOnceAFailure)
{
    AddNumberedItems(600);
    items.Close();
    ScriptedPrompt prompt;
    const auto notices = [&] {
        QApplication::processEvents();
        return prompt.Questions().size();
    };
    const auto readAll = [&] { // every row the list can show, the damaged ones too
        for (int row = 0; row < model.rowCount(); ++row)
            model.data(model.index(row, 0));
    };
    // A page of records zeroed, or the file cut short: the damage notice
    // offers the repair, and no list adds a box of its own.
    ASSERT_TRUE(DamagePage("TEST.TPS", "Items", true, -1, '\0'));
    OpenCreated(items);
    Show();
    readAll();
    items.Close();
    ASSERT_TRUE(QFile::resize("TEST.TPS", 52));
    items.MarkForUse();
    model.Refresh();
    readAll();
    EXPECT_EQ(notices(), 0u);

    // Another program took the table away: the list says so.
    items.Close();
    QFile::remove("TEST.TPS");
    OpenCreated(items);
    AddNumberedItems(600);
    model.Refresh();
    model.data(model.index(0, 0)); // the rows are counted, the first ones read
    OtherConnection().exec("DROP TABLE Items");
    readAll();
    readAll();
    ASSERT_EQ(notices(), 1u);
    EXPECT_EQ(prompt.Questions()[0].caption, "Read Error");
    const QString named = "The data file " + QDir::toNativeSeparators(QDir::current().absoluteFilePath("TEST.TPS"));
    EXPECT_TRUE(prompt.Questions()[0].text.startsWith(named + " cannot be read:|")) << prompt.Questions()[0].text.toStdString();
    model.Refresh();
    readAll();
    EXPECT_GT(notices(), 1u) << "read again, failed again";
}

} // namespace
} // namespace vl::test
