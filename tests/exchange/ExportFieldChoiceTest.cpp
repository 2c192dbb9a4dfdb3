// The export's column choice: adding a field already chosen marks it
// instead of doubling it; removing follows the highlight; moves stop at the
// ends; a blank picture keeps the old one.

#include "exchange/ExportFieldChoice.h"

#include <gtest/gtest.h>

namespace vl {
namespace {

QString Names(const ExportFieldChoice& choice)
{
    QStringList names;
    for (const ExportColumn& column : choice.Columns())
        names << column.field.mid(4) + "=" + column.picture;
    return names.join(' ');
}

TEST(ExportFieldChoice, EditsTheColumnsInPlace)
{
    ExportFieldChoice choice(ExchangeInfo(ExchangeTable::Todo));
    EXPECT_EQ(choice.Columns().size(), 8u);
    EXPECT_EQ(choice.Remove({7, 0, 5, 6, 4, 5}, 5), 2); // rows 0 and 4-7 go; three of them at or above the highlight
    EXPECT_EQ(Names(choice), "Priority=@n2 Category=@s20 ToDo=@s80");
    EXPECT_EQ(choice.Add({1, 0}), (std::vector<int>{0, 3})); // Priority is there already
    EXPECT_EQ(choice.ShiftUp(0), 0);
    EXPECT_EQ(choice.ShiftDown(3), 3);
    EXPECT_EQ(choice.ShiftUp(3), 2);
    EXPECT_EQ(choice.ShiftDown(0), 1);
    choice.SetPicture(0, QStringLiteral("@n5"));
    choice.SetPicture(1, QStringLiteral("  "));
    EXPECT_EQ(Names(choice), "Category=@n5 Priority=@n2 Done=@n1 ToDo=@s80");
    EXPECT_EQ(choice.Remove({0, 1, 2, 3}, 2), -1);
    EXPECT_EQ(ExportPictureText(QStringLiteral("@s20")), "Alpha-numeric");
    EXPECT_EQ(ExportPictureText(QStringLiteral("@N3")), "Numeric");
    EXPECT_EQ(ExportPictureText(QStringLiteral("@d17b")), "@d17b");
}

} // namespace
} // namespace vl
