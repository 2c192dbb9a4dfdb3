// The popup's items, the filters they build and the one-value prompts.
#include "xplore/AttributePrompts.h"
#include "xplore/ColumnFilters.h"
#include "xplore/PopupItems.h"
#include "xplore/XploreCommands.h"

#include <gtest/gtest.h>

namespace vl {
namespace {

// The menu as text: items by name, "[" ... "]" around a submenu, "-" a
// separator, "!" before a disabled item, "*" before a checked one.
QString Outline(const std::vector<PopupItem>& items, bool texts = false)
{
    QStringList parts;
    for (const PopupItem& item : items) {
        if (item.kind == PopupItem::Kind::Separator) {
            parts << "-";
        } else if (item.kind == PopupItem::Kind::Submenu) {
            parts << item.text + "[" + Outline(item.items, texts) + "]";
        } else {
            parts << QString(item.enabled ? "" : "!") + (item.checked ? "*" : "") + (texts ? item.text : item.name);
        }
    }
    return parts.join(' ');
}

XploreColumn DateColumn()
{
    XploreColumn column;
    column.field = "HOL:HolidayDate";
    column.description = "Date of the holiday ";
    column.header = "Date";
    column.sortable = true;
    column.graphOk = true;
    return column;
}

TEST(PopupItems, EveryListShowsTheStandardItems)
{
    const auto items = BuildPopupItems(kStandardFeatures, "XPort.CSV  ", "XPort.HTM");
    EXPECT_EQ(Outline(items), "- ADJ &Filter[ADDF1 ADDF4 - ADDF2 ADDF3 EQL - VOID] SRT PRP HID DEF "
                              "&Output[GBR PVW PPG ASC HTM]");
    EXPECT_EQ(Outline(items, true),
              "- Adjust All Widths &Filter[Add Filter of Add Filter of - Add Filter of Add Filter of "
              "Add = to Filter - Void Filter] Sort on Properties Hide Column Default "
              "&Output[Graph on Print All Print Page Export to ASCII (XPort.CSV) Export to HTML (XPort.HTM)]");
}

TEST(PopupItems, FeatureMaskAddsTheXploreSubmenu)
{
    struct Case {
        quint32 mask;
        const char* xplore; // the "&Xplore" submenu, empty when absent
    };
    const Case cases[] = {
        {0, ""},
        {0x2000, "MCL MCR"},
        {0x800 | 0x1 | 0x20, "WID - FJL - HJL"},
        {0x80000 | 0x8000 | 0x200000 | 0x2000000, "RSZ - CLR - &ListBox[XPS - FNT]"},
        {0x4000000 | 0x8000000 | 0x10000000, "&ListBox[LHI HSC VSC]"},
    };
    for (const Case& c : cases) {
        auto items = BuildPopupItems(c.mask, "a", "b");
        const PopupItem* xplore = FindPopupItem(items, "&Xplore");
        EXPECT_EQ(xplore ? Outline(xplore->items) : QString(), c.xplore) << c.mask;
        EXPECT_EQ(FindPopupItem(items, "HID") != nullptr, (c.mask & 0x100000) != 0);
    }
}

TEST(PopupItems, TextsAndStatesFollowTheColumnAndRow)
{
    auto items = BuildPopupItems(kStandardFeatures | 0x20000 | 0x1 | 0x2, "XPort.CSV", "XPort.HTM");
    const XploreColumn date = DateColumn();
    PopupContext context;
    context.column = &date;
    context.rowSelected = true;
    context.cell = "12/05/2026  ";
    context.shownColumns = 2;
    context.available = [](int command) { return command == XploreCommand::kGraph; };
    PrepareItems(items, context);
    EXPECT_EQ(Outline(items, true),
              "- Adjust All Widths &Filter[Add Filter of (Date of the holiday=12/05/2026) "
              "Add Filter of (Date of the holiday<>12/05/2026) - Add Filter of (Date of the holiday<12/05/2026) "
              "Add Filter of (Date of the holiday>12/05/2026) Add = to Filter - Void Filter] "
              "Sort on Date of the holiday &Xplore[*Data Just left Data Just Center - Underline] "
              "!Properties Hide Column Default "
              "&Output[Graph on Date of the holiday !Print All !Print Page !Export to ASCII (XPort.CSV) "
              "!Export to HTML (XPort.HTM)]");

    // Inclusive bounds, a column that cannot be sorted, filtered or graphed.
    XploreColumn computed = date;
    computed.viewField = computed.sortable = computed.graphOk = false;
    computed.underline = true;
    context.column = &computed;
    context.inclusiveBounds = true;
    context.shownColumns = 1;
    PrepareItems(items, context);
    EXPECT_EQ(Outline(FindPopupItem(items, "&Filter")->items),
              "!ADDF1 !ADDF4 - !ADDF2 !ADDF3 *EQL - VOID");
    EXPECT_FALSE(FindPopupItem(items, "SRT")->enabled);
    EXPECT_FALSE(FindPopupItem(items, "GBR")->enabled);
    EXPECT_EQ(FindPopupItem(items, "GBR")->reason,
              "Graphs are drawn only for the columns made for them; this column is not one.");
    EXPECT_FALSE(FindPopupItem(items, "HID")->enabled);
    EXPECT_TRUE(FindPopupItem(items, "ULI")->checked);

    context.column = &date;
    PrepareItems(items, context);
    EXPECT_TRUE(FindPopupItem(items, "GBR")->reason.isEmpty()) << "a former reason is not kept";
    context.graph = false;
    PrepareItems(items, context);
    EXPECT_EQ(FindPopupItem(items, "GBR")->reason, "This list draws no graphs.");
    EXPECT_EQ(FindPopupItem(items, "ADDF2")->text, "Add Filter of (Date of the holiday<=12/05/2026)");
    EXPECT_EQ(FindPopupItem(items, "ADDF3")->text, "Add Filter of (Date of the holiday>=12/05/2026)");
}

TEST(PopupItems, OutsideEveryColumnNoItemKeepsAFormerColumn)
{
    auto items = BuildPopupItems(kStandardFeatures | 0x20000, "XPort.CSV", "XPort.HTM");
    const XploreColumn date = DateColumn();
    PopupContext context;
    context.column = &date;
    context.rowSelected = true;
    context.cell = "12/05/2026";
    context.shownColumns = 3;
    PrepareItems(items, context);
    EXPECT_TRUE(FindPopupItem(items, "ADDF1")->enabled);

    context.column = nullptr;
    PrepareItems(items, context);
    EXPECT_EQ(Outline(items, true),
              "- Adjust All Widths &Filter[!Add Filter of !Add Filter of - !Add Filter of !Add Filter of "
              "Add = to Filter - Void Filter] !Sort on &Xplore[!Underline] Properties !Hide Column Default "
              "&Output[!Graph on Print All Print Page Export to ASCII (XPort.CSV) Export to HTML (XPort.HTM)]");
}

TEST(ColumnFilters, EachCommandSetsOneValueOfOneField)
{
    ColumnFilters filters;
    EXPECT_TRUE(filters.IsEmpty());
    filters.SetLowerBound("HOL:HolidayDate", int64_t(100), false);
    filters.SetEqual("HOL:Holiday", QString("O'Neil \"x\") ; DROP TABLE Holidays  "), false);
    filters.SetUpperBound("hol:holidaydate", int64_t(200), true);
    filters.SetEqual("HOL:Holiday", QString("Easter"), true); // replaces the equality
    const Filter filter = filters.ToFilter();
    ASSERT_EQ(filter.size(), 3u);
    struct Expected {
        const char* field;
        Compare compare;
        FieldValue value;
        bool noCase;
    };
    const Expected expected[] = {
        {"HOL:HolidayDate", Compare::Greater, int64_t(100), false},
        {"HOL:HolidayDate", Compare::LessEqual, int64_t(200), false},
        {"HOL:Holiday", Compare::NotEqual, QString("Easter"), true},
    };
    for (size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(filter[i].field, expected[i].field) << i;
        EXPECT_EQ(filter[i].compare, expected[i].compare) << i;
        EXPECT_EQ(filter[i].value, expected[i].value) << i;
        EXPECT_EQ(filter[i].noCase, expected[i].noCase) << i;
        EXPECT_EQ(filter[i].join, Join::And) << i;
    }
    filters.SetEqual("HOL:Holiday", QString("O'Neil \"x\") ; DROP TABLE Holidays  "), false);
    EXPECT_EQ(filters.ToFilter()[2].value, FieldValue(QString("O'Neil \"x\") ; DROP TABLE Holidays")));
    filters.Clear();
    EXPECT_TRUE(filters.IsEmpty());
    EXPECT_TRUE(filters.ToFilter().empty());
}

TEST(AttributePrompts, EachCodeNamesItsValue)
{
    XploreColumn column = DateColumn();
    column.header = "A rather long header text";
    column.width = 44;
    column.headerOffset = 3;
    column.dataOffset = 4;
    ListAppearance list{5, 6, 7, 8, false, false, 9, "Sans", 10, -1, 400};
    struct Case {
        int command;
        const char* caption;
        const char* prompt;
        int value;
    };
    const Case cases[] = {
        {XploreCommand::kWidth, "A rather long header", "Width:", 44},
        {XploreCommand::kHeaderOffset, "A rather long header", "Header offset:", 3},
        {XploreCommand::kDataOffset, "A rather long header", "Data offset:", 4},
        {XploreCommand::kListX, "X Pos", "X Pos:", 5},
        {XploreCommand::kListY, "Y Pos", "Y Pos:", 6},
        {XploreCommand::kListWidth, "Width", "Width:", 7},
        {XploreCommand::kListHeight, "Height", "Height:", 8},
        {XploreCommand::kLineHeight, "Line Height", "Line Height:", 9},
    };
    for (const Case& c : cases) {
        const QString code = AttributeCode(c.command);
        const auto prompt = AttributePromptFor(code, &column, list);
        ASSERT_TRUE(prompt) << code.toStdString();
        EXPECT_EQ(prompt->caption, c.caption);
        EXPECT_EQ(prompt->prompt, c.prompt);
        EXPECT_EQ(prompt->value, c.value);
        ApplyAttribute(code, 100 + c.value, &column, list);
        EXPECT_EQ(AttributePromptFor(code, &column, list)->value, 100 + c.value);
    }
    EXPECT_FALSE(AttributePromptFor("WID", nullptr, list));
    EXPECT_FALSE(AttributePromptFor("XYZ", &column, list));
    EXPECT_TRUE(AttributeCode(XploreCommand::kHeaderText).isEmpty());
    EXPECT_EQ(HeaderTextPrompt(column).caption, "Header Text: A rathe");
    EXPECT_EQ(HeaderTextPrompt(column).prompt, "Header Text:");
}

} // namespace
} // namespace vl
