#include "platform/browse/BrowseModel.h"

#include "BrowseTestData.h"
#include "platform/browse/KeyOrders.h"
#include "tests/support/ScriptedPrompt.h"

#include "platform/runtime/Calendar.h"

#include <QCoreApplication>


namespace vl::test {
namespace {

class Model : public ::testing::Test {
protected:
    void SetUp() override
    {
        OpenCreated(items);
        ASSERT_TRUE(model.SetColumns({{"ITM:Name", "Name", "@s20"}}));
    }
    void Add(ItemRecord item) { ASSERT_TRUE(items.Add(item)) << items.Error().toStdString(); }
    QString Text(int row, int column = 0) { return model.data(model.index(row, column)).toString(); }
    QStringList Texts()
    {
        QStringList texts;
        for (int row = 0; row < model.rowCount(); ++row)
            texts.append(Text(row));
        return texts;
    }
    ViewOrder Order(const QString& text)
    {
        ViewOrder order;
        QString error;
        EXPECT_TRUE(ParseViewOrder(items.Definition(), text, order, error)) << error.toStdString();
        return order;
    }
    ViewRow RowValues(int row)
    {
        ViewRow values;
        EXPECT_TRUE(model.RowValues(row, values));
        return values;
    }

    Table<ItemRecord> items{ItemDefinition()};
    BrowseModel model{items};
};

TEST_F(Model, ColumnsShowFieldsThroughTheirPictures)
{
    ItemRecord item = Item("  indented  ", "x", MakeDate(5, 9, 2026), 360001);
    item.Priority = 7;
    item.Grp = 21;
    Add(item);
    const Qt::Alignment right = Qt::AlignRight | Qt::AlignVCenter;
    ASSERT_TRUE(model.SetColumns({
        {"ITM:Date", "Date", "@d2", true},
        {"ITM:Date", "Fixed date", "@d2"},
        {"ITM:Time", "Time", "@t1"},
        {"ITM:Name", "Name", "@s20"},
        {"ITM:Priority", "Priority", "@n3", false, right},
        {"ITM:Code", "Code", ""},
        {"", "Twice", "@n5", false, right,
         [](const ViewRow& row) { return FieldValue(std::get<int64_t>(row.values[3]) * 2); }},
    }));
    const QStringList shown{"5/09/2026", "5/09/2026", "1:00", "  indented", "7", "x", "42"};
    for (int column = 0; column < model.columnCount(); ++column)
        EXPECT_EQ(Text(0, column), shown[column]) << column;
    // The user's date picture replaces the picture of the columns that ask
    // for it, in the rows shown too.
    int changed = 0;
    QObject::connect(&model, &QAbstractItemModel::dataChanged, [&] { ++changed; });
    model.SetUserDatePicture("@d4");
    EXPECT_EQ(changed, 1);
    EXPECT_EQ(Text(0, 0), "May 9, 2026");
    EXPECT_EQ(Text(0, 1), "5/09/2026");
    EXPECT_EQ(model.data(model.index(0, 0), BrowseModel::kRawValueRole).toLongLong(), MakeDate(5, 9, 2026));
    EXPECT_EQ(model.data(model.index(0, 6), BrowseModel::kRawValueRole).toLongLong(), 42);
    EXPECT_EQ(Qt::Alignment(model.data(model.index(0, 4), Qt::TextAlignmentRole).toInt()), right);
    EXPECT_EQ(model.headerData(4, Qt::Horizontal).toString(), "Priority");
    int headers = 0;
    QObject::connect(&model, &QAbstractItemModel::headerDataChanged, [&] { ++headers; });
    EXPECT_TRUE(model.setHeaderData(4, Qt::Horizontal, ">Priority"));
    EXPECT_EQ(model.headerData(4, Qt::Horizontal).toString(), ">Priority");
    EXPECT_EQ(headers, 1);
    ItemRecord record;
    ASSERT_TRUE(model.Record(0, record));
    EXPECT_EQ(record.Name, "  indented");
    EXPECT_EQ(record.RecordPointer, 1);
    // A column over no field is refused with a message; the columns stay.
    EXPECT_FALSE(model.SetColumns({{"ITM:Nope", "Nope"}}));
    EXPECT_EQ(model.Error(), "Column \"Nope\": Items has no field ITM:Nope");
    EXPECT_FALSE(model.SetColumns({{"", "Empty"}}));
    EXPECT_EQ(model.columnCount(), 7);
}

TEST_F(Model, AHundredThousandRecordsArePagedWithAFewHundredRowsInMemory)
{
    constexpr int kRecords = 100'000;
    AddNumberedItems(kRecords);
    ASSERT_EQ(model.AddOrder("By name", Order("UPPER(ITM:Name)")), 0);
    ASSERT_EQ(model.rowCount(), kRecords);
    int most = 0;
    const auto check = [&](int row) {
        EXPECT_EQ(Text(row), Numbered(row + 1)) << row;
        most = std::max(most, model.CachedRows());
    };
    for (int row = 0; row < 450; ++row) // forward across page boundaries
        check(row);
    for (int row : {50'000, 49'990, 50'120, 73, kRecords - 1, 99'700, 12})
        check(row);
    for (int row = kRecords - 1; row > kRecords - 450; --row) // backward from the end
        check(row);
    EXPECT_LE(most, BrowseModel::kMaxCachedRows);
    ASSERT_TRUE(model.SetOrder(Order("-ITM:Name")));
    EXPECT_EQ(Text(0), Numbered(kRecords));
    EXPECT_EQ(Text(kRecords - 1), Numbered(1));
    EXPECT_EQ(model.CurrentOrder(), -1);
    ASSERT_TRUE(model.SelectOrder(0));
    // The locator: the first row at or after a value, else the last row.
    EXPECT_EQ(model.Locate(QString("n05")), 49'999);
    EXPECT_EQ(Text(49'999), Numbered(50'000));
    EXPECT_EQ(model.Locate(QString("Z")), kRecords - 1);
    EXPECT_LE(model.CachedRows(), BrowseModel::kMaxCachedRows);
    ASSERT_TRUE(model.SetOrder(Order("ITM:ID")));
    EXPECT_EQ(model.Locate(QString("many")), -1);
    EXPECT_EQ(model.Error(), "Locator: ITM:ID is a number: \"many\" is not one");
}

TEST_F(Model, RecordsChangedByAnotherConnectionAreShownAfterARefreshAndKeepTheirPlace)
{
    for (const char* name : {"b", "d", "f", "h"})
        Add(Item(name));
    ASSERT_EQ(model.AddOrder("By name", Order("UPPER(ITM:Name)")), 0);
    const ViewRow f = RowValues(2);
    SQLite::Database other = OtherConnection();
    int resets = 0;
    QObject::connect(&model, &QAbstractItemModel::modelReset, [&] { ++resets; });
    struct Case {
        const char* change;
        QStringList shown;
        int rowOfF; // where the kept record (or its neighbour) is now
    };
    const Case cases[] = {
        {"INSERT INTO Items (ID, Name) VALUES (10, 'a')", {"a", "b", "d", "f", "h"}, 3},
        {"UPDATE Items SET Name = 'c' WHERE Name = 'f'", {"a", "b", "c", "d", "h"}, 2}, // moved: followed
        {"DELETE FROM Items WHERE Name = 'c'", {"a", "b", "d", "h"}, 3},                 // gone: its neighbour
        {"DELETE FROM Items WHERE Name IN ('d', 'h')", {"a", "b"}, 1},                    // no neighbour: the last
        {"DELETE FROM Items", {}, -1},
    };
    for (const Case& c : cases) {
        other.exec(c.change);
        resets = 0;
        model.Refresh();
        EXPECT_EQ(resets, 1);
        EXPECT_EQ(Texts(), c.shown) << c.change;
        EXPECT_EQ(model.RowOf(f), c.rowOfF) << c.change;
    }
}

TEST_F(Model, RowsDeletedUnderTheCachedPagesMakeTheModelReadAgain)
{
    AddNumberedItems(300);
    ASSERT_EQ(model.AddOrder("By name", Order("UPPER(ITM:Name)")), 0);
    for (int row : {150, 99})
        ASSERT_EQ(Text(row), Numbered(row + 1));
    OtherConnection().exec("DELETE FROM Items WHERE ID > 120");
    EXPECT_EQ(model.rowCount(), 300); // not known yet
    EXPECT_EQ(Text(250), ""); // the page read comes up short
    QCoreApplication::processEvents();
    EXPECT_EQ(model.rowCount(), 120);
    EXPECT_EQ(Text(119), Numbered(120));
}

TEST_F(Model, OrdersRangesFiltersAndResetFieldsResetTheModel)
{
    for (const char* name : {"ann", "bob", "O'N\"); DROP TABLE x", "cy"})
        Add(Item(name));
    EXPECT_EQ(model.AddOrder("Bad", {{{"ITM:Nope"}}}), -1);
    EXPECT_EQ(model.Error(), "Order \"Bad\": Items has no field ITM:Nope");
    ASSERT_EQ(model.AddOrder("By name", Order("UPPER(ITM:Name)")), 0);
    ASSERT_EQ(model.AddOrder("Newest", Order("-ITM:ID")), 1);
    EXPECT_EQ(model.CurrentOrder(), 0);
    EXPECT_EQ(Texts(), (QStringList{"ann", "bob", "cy", "O'N\"); DROP TABLE x"}));
    ASSERT_TRUE(model.SelectOrder(1));
    EXPECT_EQ(Texts(), (QStringList{"cy", "O'N\"); DROP TABLE x", "bob", "ann"}));
    EXPECT_FALSE(model.SelectOrder(2));
    EXPECT_EQ(model.Error(), "There is no order 2 (the list has 2)");
    ASSERT_TRUE(model.SetFilter("Xplore", {{"ITM:Name", Compare::Equal, QString("o'n\"); drop table X"), Join::And, true}}));
    EXPECT_EQ(Texts(), (QStringList{"O'N\"); DROP TABLE x"}));
    ASSERT_TRUE(model.SetFilter("Xplore", {{"ITM:Name", Compare::Less, QString("C"), Join::And, true}}));
    ASSERT_TRUE(model.SetFilter("Other", {{"ITM:ID", Compare::GreaterEqual, int64_t(2)}}));
    EXPECT_EQ(Texts(), (QStringList{"bob"}));
    EXPECT_EQ(model.FilterNames(), (QStringList{"Other", "Xplore"}));
    EXPECT_FALSE(model.SetFilter("Other", {{"ITM:ID", Compare::Equal, QString("two")}}));
    EXPECT_EQ(model.Error(), "Filter \"Other\": ITM:ID is a number: \"two\" is not one");
    model.RemoveFilter("Xplore");
    EXPECT_EQ(Texts(), (QStringList{"cy", "O'N\"); DROP TABLE x", "bob"}));
    ASSERT_TRUE(model.SetRange({{}, int64_t(3), int64_t(3)}));
    EXPECT_EQ(Texts(), (QStringList{"O'N\"); DROP TABLE x"}));
    // Everything the rows pass: the range on the order's field, then the filters.
    const std::vector<Filter> passed = model.ViewFilters();
    ASSERT_EQ(passed.size(), 2u);
    ASSERT_EQ(passed[0].size(), 2u);
    EXPECT_EQ(passed[0][0].field, "ITM:ID");
    EXPECT_EQ(passed[0][1].compare, Compare::LessEqual);
    EXPECT_EQ(passed[1][0].compare, Compare::GreaterEqual);
    // Reset fields: the model reads again only when their values changed.
    int category = 1;
    model.SetResetFields([&] { return QVariantList{category}; });
    EXPECT_FALSE(model.CheckResetFields());
    category = 2;
    int resets = 0;
    QObject::connect(&model, &QAbstractItemModel::modelReset, [&] { ++resets; });
    EXPECT_TRUE(model.CheckResetFields());
    EXPECT_FALSE(model.CheckResetFields());
    EXPECT_EQ(resets, 1);
    EXPECT_EQ(items.Records(), 4);
}

TEST_F(Model, AKeyTheTableLacksIsSaidAndListsInFileSequence)
{
    ScriptedPrompt prompt;
    EXPECT_EQ(AddKeyOrder(model, "By name", ITM_KEYNAME), 0);
    EXPECT_EQ(AddKeyOrder(model, "Lost", KeyRef("ITM:NOSUCHKEY")), 1);
    ASSERT_EQ(prompt.Questions().size(), 1u);
    EXPECT_EQ(prompt.Questions()[0].text, "Items has no key ITM:NOSUCHKEY");
    EXPECT_TRUE(model.Orders()[1].order.IsFileSequence());
}

TEST_F(Model, AFailedReadIsReportedOnceUntilTheNextReset)
{
    AddNumberedItems(300);
    ASSERT_EQ(Text(0), Numbered(1));
    OtherConnection().exec("DROP TABLE Items");
    QStringList failures;
    QObject::connect(&model, &BrowseModel::readFailed, [&](const QString& message) { failures.append(message); });
    EXPECT_EQ(Text(150), "");
    EXPECT_EQ(Text(250), "");
    ASSERT_EQ(failures.size(), 1);
    EXPECT_TRUE(failures[0].startsWith("TEST\\!Items: ") && failures[0].contains("no such table"))
        << failures[0].toStdString();
    QCoreApplication::processEvents();
    EXPECT_EQ(model.rowCount(), 0) << "rows that cannot be read are no blank rows";
    EXPECT_EQ(failures.size(), 1);
    model.Refresh();
    EXPECT_EQ(model.rowCount(), 0);
    EXPECT_EQ(failures.size(), 2);
}

} // namespace
} // namespace vl::test
