// Header sorting and sort marks, without a list.
#include "xplore/HeaderSort.h"

#include <gtest/gtest.h>

namespace vl {
namespace {

ColumnTable Columns()
{
    std::vector<ColumnDefinition> definitions(3);
    const char* fields[] = {"HOL:HolidayDate", "HOL:Holiday", "HOL:HolidayType"};
    const char* headers[] = {"Date", "Description", "Type"};
    const char* pictures[] = {"@d6b", "@s30", "@s20"};
    for (int i = 0; i < 3; ++i) {
        definitions[i].field = fields[i];
        definitions[i].header = headers[i];
        definitions[i].picture = pictures[i];
        definitions[i].sortable = i < 2;
    }
    ColumnTable table;
    table.Load(definitions);
    // Activation numbers the orders: 1-2 the list's own, then two per column.
    table.ShownAt(1)->sortOrder = 3;
    table.ShownAt(2)->sortOrder = 5;
    return table;
}

// The headers as shown, and which columns are underlined.
std::vector<QString> Headers(const ColumnTable& table)
{
    std::vector<QString> headers;
    for (const XploreColumn& column : table.Shown())
        headers.push_back(column.underline ? "_" + column.header : column.header);
    return headers;
}

TEST(HeaderSort, ClicksGiveAscendingDescendingAscendingWithOneMark)
{
    struct Case {
        SortMarkStyle style;
        std::vector<std::vector<QString>> headers; // after clicks 1, 2, 3 on Date, then one on Description
    };
    const Case cases[] = {
        {SortMarkStyle::Header,
         {{">Date", "Description", "Type"},
          {"<Date", "Description", "Type"},
          {">Date", "Description", "Type"},
          {"Date", ">Description", "Type"}}},
        {SortMarkStyle::Underline,
         {{"_Date", "Description", "Type"},
          {"_Date", "Description", "Type"},
          {"_Date", "Description", "Type"},
          {"Date", "_Description", "Type"}}},
    };
    for (const Case& c : cases) {
        ColumnTable table = Columns();
        HeaderSort sort(c.style);
        const int clicks[] = {1, 1, 1, 2};
        const int orders[] = {3, 4, 3, 5};
        for (int i = 0; i < 4; ++i) {
            sort.SortOnColumn(table, clicks[i]);
            EXPECT_EQ(sort.OrderNumber(table), orders[i]);
            sort.ShowSortMark(table);
            sort.ShowSortMark(table); // a second reset adds no second mark
            EXPECT_EQ(Headers(table), c.headers[i]) << "click " << i;
        }
    }
}

TEST(HeaderSort, KeyAndFileSequenceLeaveNoMark)
{
    for (bool file : {false, true}) {
        ColumnTable table = Columns();
        HeaderSort sort(SortMarkStyle::Header);
        sort.SortOnColumn(table, 2);
        sort.ShowSortMark(table);
        sort.KeySequence(table, file);
        sort.ShowSortMark(table);
        EXPECT_EQ(Headers(table), (std::vector<QString>{"Date", "Description", "Type"}));
        EXPECT_EQ(sort.OrderNumber(table), 0);
        EXPECT_FALSE(sort.ColumnOrderActive());
        EXPECT_EQ(sort.FileSequence(), file);
    }
}

TEST(HeaderSort, RestoredDirectionGoesToTheFirstColumnSorted)
{
    ColumnTable table = Columns();
    HeaderSort sort(SortMarkStyle::Header);
    sort.RestoreDirection(true);
    sort.SortOnColumn(table, 2);
    EXPECT_EQ(sort.OrderNumber(table), 6);
    sort.SortOnColumn(table, 1);
    EXPECT_EQ(sort.OrderNumber(table), 3);
    // A column that cannot be sorted changes nothing.
    sort.SortOnColumn(table, 3);
    EXPECT_EQ(sort.SortField(), 1);
    EXPECT_EQ(NotSortableMessage(*table.ShownAt(3)), "Data cannot be ordered on column: Type(HOL:HolidayType)");
}

TEST(HeaderSort, MarkFollowsItsFieldWhenColumnsMove)
{
    ColumnTable table = Columns();
    HeaderSort sort(SortMarkStyle::Header);
    sort.SortOnColumn(table, 2);
    sort.ShowSortMark(table);
    sort.ClearSortMark(table);
    table.Move(2, -1);
    sort.ShowSortMark(table);
    EXPECT_EQ(sort.SortPosition(table), 1);
    EXPECT_EQ(Headers(table), (std::vector<QString>{">Description", "Date", "Type"}));
}

TEST(HeaderSort, OrderOfAColumnComparesTextWithoutCase)
{
    ColumnTable table = Columns();
    const ColumnOrder date = OrderOfColumn(*table.ShownAt(1), true, true);
    const ColumnOrder text = OrderOfColumn(*table.ShownAt(2), false, true);
    EXPECT_EQ(std::tie(date.field, date.descending, date.noCase), std::make_tuple(QString("HOL:HolidayDate"), true, false));
    EXPECT_EQ(std::tie(text.field, text.descending, text.noCase), std::make_tuple(QString("HOL:Holiday"), false, true));
    EXPECT_FALSE(OrderOfColumn(*table.ShownAt(2), false, false).noCase);
}

} // namespace
} // namespace vl
