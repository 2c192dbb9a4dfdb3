// The column tables and the list format string.
#include "xplore/ColumnTable.h"
#include "xplore/FormatString.h"

#include <gtest/gtest.h>

namespace vl {
namespace {

ColumnDefinition Column(const char* field, const char* header, const char* picture, int width = 40)
{
    ColumnDefinition column;
    column.field = field;
    column.header = header;
    column.picture = picture;
    column.width = width;
    column.description = header;
    return column;
}

// Date, Description (colours follow), Hidden (not displayed), Dropped (locator
// "X", not displayed), Type (icon follows), Category.
std::vector<ColumnDefinition> Definitions()
{
    std::vector<ColumnDefinition> columns{
        Column("SCH:Date", "Date", "@d6b"),          Column("SCH:Description", "Description", "@s40", 120),
        Column("SCH:ID", "ID", "@n6"),               Column("SCH:Command", "Command", "@s20"),
        Column("SCH:TaskType", "Task Type", "@s20"), Column("SCH:Category", "Category", ""),
    };
    columns[1].colours = true;
    columns[2].displayed = false;
    columns[3].displayed = false;
    columns[3].locator = u'X';
    columns[4].icon = true;
    return columns;
}

TEST(FormatString, WritesEachAttributeInItsPlace)
{
    XploreColumn date;
    date.width = 40;
    date.header = "Date";
    date.picture = "@d6b";
    date.fieldNumber = 1;
    EXPECT_EQ(FormatSegment(date), "40L(1)M|~Date~L(1)@d6b@#1#");

    XploreColumn all = date;
    all.dataJust = u'R';
    all.dataOffset = 0;
    all.headerJust = u'C';
    all.headerOffset = 3;
    all.hasColours = all.hasIcon = all.fixed = all.underline = true;
    all.header = "A header longer than twenty-five characters  ";
    all.picture.clear();
    all.colours = {255, -1, 0, -1};
    all.fieldNumber = 12;
    EXPECT_EQ(FormatSegment(all), "40R*IF_M|~A header longer than twen~C(3)@S20@#12#E(255,,0,)");
}

TEST(FormatString, ReadsBackWhatItWrites)
{
    ColumnTable table;
    table.Load(Definitions());
    const auto read = ParseFormatString(table.DesignedFormatString());
    ASSERT_TRUE(read);
    ASSERT_EQ(read->size(), table.Shown().size());
    for (size_t i = 0; i < read->size(); ++i) {
        const XploreColumn& written = table.Shown()[i];
        const XploreColumn& back = (*read)[i];
        EXPECT_EQ(back.fieldNumber, written.fieldNumber);
        EXPECT_EQ(back.width, written.width);
        EXPECT_EQ(back.header, written.header);
        EXPECT_EQ(back.picture, written.picture.isEmpty() ? "@S20" : written.picture);
        EXPECT_EQ(std::tie(back.hasColours, back.hasIcon, back.border, back.resizable, back.dataOffset),
                  std::tie(written.hasColours, written.hasIcon, written.border, written.resizable,
                           written.dataOffset));
    }
    const auto coloured = ParseFormatString("20L_~X~R(2)@n3@#4#E(1,,3,)");
    ASSERT_TRUE(coloured);
    EXPECT_EQ(coloured->front().colours, (ColumnColours{1, -1, 3, -1}));
    EXPECT_EQ(coloured->front().headerJust, u'R');
    EXPECT_EQ(coloured->front().headerOffset, 2);
    EXPECT_TRUE(coloured->front().underline);
    EXPECT_FALSE(coloured->front().border);
}

TEST(FormatString, NumbersColumnsWithoutFieldNumbersByCounting)
{
    struct Case {
        const char* text;
        std::vector<int> fields;
    };
    const Case cases[] = {
        {"10L~A~L@s5@20L~B~L@s5@", {1, 2}},
        {"10L*~A~L@s5@20LI~B~L@s5@30L~C~L@s5@", {1, 6, 8}},
        {"10L~A~L@s5@#7#20L~B~L@s5@", {7, 8}},
        {"10L~A~L@s5@#3#20L~B~L@s5@#1#", {3, 1}},
    };
    for (const Case& c : cases) {
        const auto read = ParseFormatString(c.text);
        ASSERT_TRUE(read) << c.text;
        std::vector<int> fields;
        for (const XploreColumn& column : *read)
            fields.push_back(column.fieldNumber);
        EXPECT_EQ(fields, c.fields) << c.text;
    }
}

TEST(FormatString, RefusesWhatIsNotAFormatString)
{
    for (const char* text : {"", "0", "garbage", "40~Date~L@d6b@#1#", "40L~Date", "40L~Date~L@d6b", "40L~D~L@d@#1",
                             "40L(1~D~L@d@#1#", "40L~D~L@d@#x#", "40L~D~L@d@#1#E(1,2)", "40L~D~L@d@#1#%"}) {
        EXPECT_FALSE(ParseFormatString(text)) << text;
    }
}

TEST(ColumnTable, NumbersFieldsAndLeavesOutDroppedColumns)
{
    ColumnTable table;
    table.Load(Definitions());
    std::vector<std::pair<QString, int>> all;
    for (const XploreColumn& column : table.All())
        all.emplace_back(column.field, column.fieldNumber);
    // Colours take four fields after their column, an icon one; the dropped
    // column keeps its field number.
    EXPECT_EQ(all, (std::vector<std::pair<QString, int>>{
                       {"SCH:Date", 1}, {"SCH:Description", 2}, {"SCH:ID", 7}, {"SCH:TaskType", 9}, {"SCH:Category", 11}}));
    ASSERT_EQ(table.ShownCount(), 4);
    EXPECT_EQ(table.ShownAt(3)->field, "SCH:TaskType");
    EXPECT_EQ(table.ShownAt(3)->position, 3);
    EXPECT_EQ(table.PositionOf(7), 0);
    EXPECT_EQ(table.DesignedFormatString(),
              "40L(1)M|~Date~L(1)@d6b@#1#120L(1)*M|~Description~L(1)@s40@#2#"
              "40L(1)IM|~Task Type~L(1)@s20@#9#40L(1)M|~Category~L(1)@S20@#11#");
}

TEST(ColumnTable, AppliesOnlyFormatStringsOfItsOwnFields)
{
    ColumnTable table;
    table.Load(Definitions());
    ASSERT_TRUE(table.ApplyFormatString("55R~Ident~R@n6@#7#40L(1)M|~Date~L(1)@d6b@#1#"));
    ASSERT_EQ(table.ShownCount(), 2);
    EXPECT_EQ(table.ShownAt(1)->field, "SCH:ID");
    EXPECT_EQ(table.ShownAt(1)->header, "Ident");
    EXPECT_EQ(table.ShownAt(1)->width, 55);
    EXPECT_EQ(table.ShownAt(1)->dataJust, u'R');
    EXPECT_EQ(table.ShownAt(1)->description, "ID");

    const QString before = table.BuildFormatString();
    for (const char* text : {"40L~X~L@s5@#8#", "40L~X~L@s5@#1#40L~Y~L@s5@#1#", "not a layout"})
        EXPECT_FALSE(table.ApplyFormatString(text)) << text;
    EXPECT_EQ(table.BuildFormatString(), before);
}

TEST(ColumnTable, HidesAndMovesShownColumns)
{
    ColumnTable table;
    table.Load(Definitions());
    table.ShownAt(2)->width = 77;
    ASSERT_TRUE(table.Hide(2));
    EXPECT_EQ(table.ShownCount(), 3);
    EXPECT_EQ(table.ByField(2)->width, 77); // kept for when it is shown again
    EXPECT_EQ(table.ShownAt(2)->field, "SCH:TaskType");

    EXPECT_FALSE(table.Move(1, -1));
    EXPECT_FALSE(table.Move(3, +1));
    ASSERT_TRUE(table.Move(1, +1));
    EXPECT_EQ(table.ShownAt(2)->field, "SCH:Date");
    EXPECT_EQ(table.PositionOf(1), 2);

    ASSERT_TRUE(table.Hide(1));
    ASSERT_TRUE(table.Hide(1));
    EXPECT_FALSE(table.Hide(1)); // the only column stays
    EXPECT_EQ(table.ShownCount(), 1);
}

} // namespace
} // namespace vl
