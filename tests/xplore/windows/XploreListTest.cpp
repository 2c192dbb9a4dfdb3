// Xplore on a real list: a test table in the test's data directory, the list
// widget offscreen, the scripted prompt service.
#include "tests/xplore/windows/TestList.h"

#include "platform/runtime/IniFile.h"
#include "tests/support/ScriptedPrompt.h"
#include "tests/support/TempDir.h"
#include "xplore/XploreCommands.h"
#include "xplore/windows/AttributeWindow.h"
#include "xplore/windows/HeaderDrag.h"
#include "xplore/windows/HeaderStyle.h"
#include "xplore/windows/ListAppearanceIO.h"
#include "xplore/windows/XploreProcedures.h"

#include <QAction>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QSpinBox>

#include <SQLiteCpp/Database.h>

namespace vl::test {
namespace {

void Mouse(QWidget* target, QEvent::Type type, QPoint pos, Qt::MouseButton button)
{
    QMouseEvent event(type, pos, target->mapToGlobal(pos), button, button, Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

void Key(QWidget* target, int key, Qt::KeyboardModifiers modifiers = Qt::AltModifier)
{
    QKeyEvent press(QEvent::KeyPress, key, modifiers);
    QApplication::sendEvent(target, &press);
}

class XploreList : public ::testing::Test {
protected:
    QPoint Section(TestList& l, int section)
    {
        return {l.list->horizontalHeader()->sectionViewportPosition(section) + 5, 5};
    }
    void ClickHeader(TestList& l, int section)
    {
        QWidget* header = l.list->horizontalHeader()->viewport();
        Mouse(header, QEvent::MouseButtonPress, Section(l, section), Qt::LeftButton);
        Mouse(header, QEvent::MouseButtonRelease, Section(l, section), Qt::LeftButton);
    }
    // A right press on a cell (column -1: right of every column).
    void RightClick(TestList& l, int row, int section)
    {
        const int x = section < 0 ? l.list->viewport()->width() - 3 : l.list->columnViewportPosition(section) + 5;
        Mouse(l.list->viewport(), QEvent::MouseButtonPress, {x, l.list->rowViewportPosition(row) + 3},
              Qt::RightButton);
    }
    QAction* Item(TestList& l, const char* name) { return l.xplore.Popup()->findChild<QAction*>(name); }
    // Right-clicks the cell and chooses the popup item.
    void Choose(TestList& l, int row, int section, const char* name)
    {
        RightClick(l, row, section);
        ASSERT_TRUE(l.xplore.Popup()->isVisible());
        l.xplore.Popup()->hide();
        ASSERT_TRUE(Item(l, name)->isEnabled()) << name;
        Item(l, name)->trigger();
    }
    // Right-clicks a header and chooses from its menu.
    void ChooseInHeaderMenu(TestList& l, const QString& text)
    {
        Mouse(l.list->horizontalHeader()->viewport(), QEvent::MouseButtonPress, Section(l, 0), Qt::RightButton);
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_TRUE(menu);
        menu->hide();
        for (QAction* action : menu->actions()) {
            if (action->text() == text)
                action->trigger();
        }
    }
    // The headers as shown, left to right, "_" before an underlined one.
    QStringList Headers(TestList& l)
    {
        QStringList headers;
        for (int visual = 0; visual < 4; ++visual) {
            const int section = l.list->horizontalHeader()->logicalIndex(visual);
            if (l.list->horizontalHeader()->isSectionHidden(section))
                continue;
            const HeaderStyle::Section* look = l.xplore.HeaderLook()->Look(section);
            headers << (look && look->underline ? "_" : "") + l.model.headerData(section, Qt::Horizontal).toString();
        }
        return headers;
    }
    int Width(TestList& l, int section) { return l.list->columnWidth(section); }
};

TEST_F(XploreList, HeaderClicksSortAscendingDescendingAscendingWithOneMark)
{
    const QStringList ascending{"apple", "Boxing Day", "Carnival", "Easter", kHostileName};
    QStringList descending = ascending;
    std::reverse(descending.begin(), descending.end());
    struct Case {
        SortMarkStyle style;
        QStringList ascendingHeaders, descendingHeaders;
    };
    const Case cases[] = {
        {SortMarkStyle::Header, {"Date", ">Name", "Kind", "Count"}, {"Date", "<Name", "Kind", "Count"}},
        {SortMarkStyle::Underline, {"Date", "_Name", "Kind", "Count"}, {"Date", "_Name", "Kind", "Count"}},
    };
    for (const Case& c : cases) {
        TestList l(c.style);
        l.list->SelectRow(2);
        const QStringList expected[] = {ascending, descending, ascending};
        for (int click = 0; click < 3; ++click) {
            ClickHeader(l, 1);
            EXPECT_EQ(l.Names(), expected[click]) << click;
            EXPECT_EQ(Headers(l), click == 1 ? c.descendingHeaders : c.ascendingHeaders) << click;
        }
        EXPECT_EQ(l.Names()[l.list->CurrentRow()], "Easter"); // the selected record stays selected
        ClickHeader(l, 3);
        EXPECT_EQ(l.Column(3), (QStringList{"1", "2", "3", "4", "5"}));
        EXPECT_EQ(Headers(l)[1], "Name");
    }
}

TEST_F(XploreList, HeaderOfAColumnThatCannotBeSortedSaysSo)
{
    TestList l;
    ScriptedPrompt prompt;
    prompt.Answer(1);
    ClickHeader(l, 2);
    ASSERT_EQ(prompt.Questions().size(), 1u);
    EXPECT_EQ(prompt.Questions()[0].text, "Data cannot be ordered on column: Kind(ENT:Kind)");
    EXPECT_EQ(prompt.Questions()[0].caption, "Xplore Template - Re-Order Option");
    EXPECT_EQ(prompt.Questions()[0].icon, PromptIcon::Information);
    EXPECT_EQ(l.Names()[0], "Carnival"); // still in date order
}

TEST_F(XploreList, HeaderMenuReturnsToRecordOrKeyOrderWithoutMark)
{
    TestList l;
    ClickHeader(l, 1);
    ChooseInHeaderMenu(l, "File Sequence");
    EXPECT_EQ(l.Names(), (QStringList{"Easter", "apple", "Boxing Day", kHostileName, "Carnival"}));
    EXPECT_EQ(Headers(l), (QStringList{"Date", "Name", "Kind", "Count"}));
    ChooseInHeaderMenu(l, "Escape");
    EXPECT_EQ(l.Names()[0], "Easter");
    ChooseInHeaderMenu(l, "Key Sequence");
    EXPECT_EQ(l.Names(), (QStringList{"Carnival", "apple", "Easter", kHostileName, "Boxing Day"}));
    ClickHeader(l, 1);
    EXPECT_EQ(Headers(l)[1], ">Name"); // the next sort starts ascending again
}

TEST_F(XploreList, DraggedHeaderShowsItsCaptionAndMovesOnlyWhereAllowed)
{
    for (quint32 features : {kStandardFeatures, kStandardFeatures | kMovableColumns}) {
        TestList l(SortMarkStyle::Header, 80, features);
        QWidget* header = l.list->horizontalHeader()->viewport();
        const QPoint start = Section(l, 1) + QPoint(20, 0);
        Mouse(header, QEvent::MouseButtonPress, start, Qt::LeftButton);
        Mouse(header, QEvent::MouseMove, start - QPoint(4, 0), Qt::LeftButton);
        EXPECT_FALSE(l.xplore.Drag()->Box()); // not yet half the header's height
        Mouse(header, QEvent::MouseMove, start - QPoint(40, 0), Qt::LeftButton);
        ASSERT_TRUE(l.xplore.Drag()->Box());
        EXPECT_EQ(l.xplore.Drag()->Box()->text(), "Name");
        Mouse(header, QEvent::MouseButtonRelease, start - QPoint(40, 0), Qt::LeftButton);
        EXPECT_FALSE(l.xplore.Drag()->Box());
        EXPECT_EQ(Headers(l), features & kMovableColumns ? QStringList({"Name", "Date", "Kind", "Count"})
                                                         : QStringList({"Date", "Name", "Kind", "Count"}));
    }
}

TEST_F(XploreList, FiltersFromCellsCombineMakeRangesAndVoid)
{
    TestList l; // date order: Carnival, apple, Easter, O'Neil, Boxing Day
    // Kind = "Annual" (Easter's row), then Name <> "Easter": filters on two columns.
    Choose(l, 2, 2, "ADDF1");
    EXPECT_EQ(l.Names(), (QStringList{"Easter", "Boxing Day"}));
    Choose(l, 0, 1, "ADDF4");
    EXPECT_EQ(l.Names(), QStringList{"Boxing Day"});
    Choose(l, 0, 1, "VOID");
    EXPECT_EQ(l.Names().size(), 5);

    // Date below Boxing Day's and above apple's: a range.
    Choose(l, 4, 0, "ADDF2");
    EXPECT_EQ(l.Names(), (QStringList{"Carnival", "apple", "Easter", kHostileName}));
    Choose(l, 1, 0, "ADDF3");
    EXPECT_EQ(l.Names(), (QStringList{"Easter", kHostileName}));
    // With "Add = to Filter" the bound includes the cell's value.
    Choose(l, 0, 0, "EQL");
    RightClick(l, 0, 0);
    l.xplore.Popup()->hide();
    EXPECT_TRUE(Item(l, "EQL")->isChecked());
    EXPECT_TRUE(Item(l, "ADDF3")->text().contains(">="));
    Choose(l, 0, 0, "ADDF3");
    EXPECT_EQ(l.Names(), (QStringList{"Easter", kHostileName}));
    Choose(l, 0, 0, "VOID");
    EXPECT_EQ(l.Names().size(), 5);
}

TEST_F(XploreList, FilterValueIsMatchedExactlyAndChangesNothingElse)
{
    {
        TestList l;
        RightClick(l, 3, 1);
        l.xplore.Popup()->hide();
        EXPECT_EQ(Item(l, "ADDF1")->text(), "Add Filter of (The Name=" + kHostileName + ")");
        Choose(l, 3, 1, "ADDF1");
        EXPECT_EQ(l.Names(), QStringList{kHostileName});
        Choose(l, 0, 1, "VOID");
        Choose(l, 3, 1, "ADDF4");
        EXPECT_EQ(l.Names(), (QStringList{"Carnival", "apple", "Easter", "Boxing Day"}));
    }
    SQLite::Database db("XTEST.TPS");
    EXPECT_EQ(db.execAndGet("SELECT count(*) FROM Entries").getInt(), 5);
    EXPECT_EQ(db.execAndGet("SELECT Name FROM Entries WHERE ID = 4").getString(), kHostileName.toStdString());
}

TEST_F(XploreList, RightClickOutsideEveryColumnPreparesNoColumnItems)
{
    TestList l;
    for (int section = 0; section < 4; ++section)
        l.list->setColumnWidth(section, 60);
    RightClick(l, 1, 1);
    l.xplore.Popup()->hide();
    EXPECT_EQ(Item(l, "SRT")->text(), "Sort on The Name");
    RightClick(l, 1, -1);
    l.xplore.Popup()->hide();
    EXPECT_EQ(l.xplore.CurrentColumn(), 0);
    for (const char* name : {"ADDF1", "ADDF2", "ADDF3", "ADDF4", "SRT", "HID", "GBR"})
        EXPECT_FALSE(Item(l, name)->isEnabled()) << name;
    EXPECT_EQ(Item(l, "SRT")->text(), "Sort on");
    EXPECT_EQ(Item(l, "ADDF1")->text(), "Add Filter of");
    l.xplore.HandleListEvent(XploreCommand::kFilterEqual);
    l.xplore.HandleListEvent(XploreCommand::kHide);
    EXPECT_EQ(l.Names().size(), 5);
    EXPECT_EQ(l.xplore.Columns().ShownCount(), 4);
}

TEST_F(XploreList, LayoutIsSavedOnCloseRestoredOnOpenAndIgnoredForAnotherDesign)
{
    QString designed;
    {
        TestList l;
        designed = l.xplore.Columns().DesignedFormatString();
        Choose(l, 0, 2, "HID");
        l.list->horizontalHeader()->resizeSection(0, DialogUnits(l.list->font()).ToPixelsX(70));
        ClickHeader(l, 1);
        ClickHeader(l, 1);
        QFont font = l.list->font();
        font.setPointSize(13);
        l.list->setFont(font); // widths are dialog units of the list's font
    }
    IniFile ini("POSITION.INI");
    const QString saved = "70L(1)M|~Date~L(1)@d6b@#1#80L(1)M|~Name~L(1)@s60@#2#30R(1)M|~Count~R(1)@n5@#4#";
    EXPECT_EQ(ini.Get("BrowseEntries", "XploreFormatString-?List1"), saved);
    EXPECT_EQ(ini.Get("BrowseEntries", "XploreOrigFormatString-?List"), designed);
    EXPECT_EQ(ini.Get("BrowseEntries", "XplorePrevCol-?List"), "2");
    EXPECT_EQ(ini.Get("BrowseEntries", "XploreAscDesc-?List"), "1");
    EXPECT_EQ(ini.Get("BrowseEntries", "XplorePoint-?List"), "13");
    EXPECT_EQ(ini.Get("BrowseEntries", "XploreColor-?List"), "-1");
    for (const char* key : {"Xpos", "Ypos", "Height", "Width", "Hscroll", "Vscroll", "LineHeight", "Font", "Point",
                            "Color", "Style"})
        EXPECT_FALSE(ini.Get("BrowseEntries", QString("Xplore%1-?List").arg(key)).isEmpty()) << key;
    {
        TestList l; // the same design: the saved layout, in the default order
        EXPECT_EQ(Headers(l), (QStringList{"Date", "Name", "Count"}));
        EXPECT_EQ(l.list->font().pointSize(), 13);
        EXPECT_EQ(Width(l, 0), DialogUnits(l.list->font()).ToPixelsX(70));
        EXPECT_EQ(l.Names()[0], "Carnival");
        ClickHeader(l, 1); // the saved direction goes to the first column sorted
        EXPECT_EQ(Headers(l), (QStringList{"Date", "<Name", "Count"}));
    }
    {
        TestList l(SortMarkStyle::Header, 90); // the Name column's design changed
        EXPECT_EQ(Headers(l), (QStringList{"Date", "Name", "Kind", "Count"}));
        EXPECT_EQ(Width(l, 0), DialogUnits(l.list->font()).ToPixelsX(50));
    }
    EXPECT_NE(ini.Get("BrowseEntries", "XploreOrigFormatString-?List"), designed);
    EXPECT_TRUE(ini.Get("BrowseEntries", "XploreFormatString-?List1").contains("90L(1)M|~Name~"));
    // A damaged saved layout keeps the design.
    ASSERT_TRUE(ini.Put("BrowseEntries", "XploreFormatString-?List1", "40L~Gone~L@s5@#9#"));
    TestList l(SortMarkStyle::Header, 90);
    EXPECT_EQ(l.xplore.Columns().ShownCount(), 4);
}

TEST_F(XploreList, FittingWidthsAndTheDesignedLayout)
{
    TestList l;
    const DialogUnits units(l.list->font());
    const auto fitted = [&](int section, int padding) {
        int widest = 0;
        for (const QString& text : l.Column(section))
            widest = std::max(widest, l.list->fontMetrics().horizontalAdvance(text));
        int width = units.FromPixelsX(widest);
        width += units.ToPixelsX(width) < widest ? 1 : 0;
        return units.ToPixelsX(width + padding);
    };
    // A double-click on the Name column's right border fits it to its rows.
    QHeaderView* header = l.list->horizontalHeader();
    const QPoint border(header->sectionViewportPosition(1) + header->sectionSize(1) - 1, 5);
    Mouse(header->viewport(), QEvent::MouseButtonDblClick, border, Qt::LeftButton);
    EXPECT_EQ(Width(l, 1), fitted(1, 2));
    Key(l.list, Qt::Key_F11);
    EXPECT_EQ(Width(l, 0), fitted(0, 2));
    EXPECT_EQ(Width(l, 3), fitted(3, 2));

    ClickHeader(l, 1);
    Choose(l, 0, 0, "HID");
    Key(l.list, Qt::Key_F12); // the designed columns and widths, the sort order kept
    EXPECT_EQ(Headers(l), (QStringList{"Date", ">Name", "Kind", "Count"}));
    EXPECT_EQ(Width(l, 1), units.ToPixelsX(80));
    EXPECT_EQ(l.Names()[0], "apple");
    // The last column stays.
    for (int i = 0; i < 4; ++i)
        l.xplore.HandleListEvent(XploreCommand::kHide);
    EXPECT_EQ(l.xplore.Columns().ShownCount(), 1);
}

TEST_F(XploreList, ColumnSelectModeAndThePopupAtTheColumn)
{
    TestList l;
    Key(l.list, Qt::Key_M); // rows are selected: nothing
    EXPECT_FALSE(l.xplore.Popup()->isVisible());
    Key(l.list, Qt::Key_R);
    EXPECT_EQ(l.list->selectionBehavior(), QAbstractItemView::SelectItems);
    EXPECT_EQ(l.list->selectionModel()->selectedIndexes().size(), 1);
    l.list->setCurrentIndex(l.model.index(1, 3));
    Key(l.list, Qt::Key_M);
    EXPECT_TRUE(l.xplore.Popup()->isVisible());
    l.xplore.Popup()->hide();
    EXPECT_EQ(Item(l, "SRT")->text(), "Sort on The Count");
    Key(l.list, Qt::Key_R);
    EXPECT_EQ(l.list->selectionBehavior(), QAbstractItemView::SelectRows);
    EXPECT_EQ(l.list->selectionModel()->selectedIndexes().size(), 4); // the whole row again
}

TEST_F(XploreList, OutputItemsRunTheirProceduresOnceRegistered)
{
    TestList l;
    RightClick(l, 0, 0);
    l.xplore.Popup()->hide();
    for (const char* name : {"GBR", "PVW", "PPG", "ASC", "HTM", "PRP"})
        EXPECT_FALSE(Item(l, name)->isEnabled()) << name;
    EXPECT_EQ(Item(l, "GBR")->toolTip(), "Not available in this version of the program.");
    QStringList ran;
    for (const char* name : {XploreProcedure::kGraphWindow, XploreProcedure::kPrintList})
        XploreWindowProcedures().Register(name, [&ran, name](Xplore& list, const QString& argument) {
            ran << QString("%1 %2 %3").arg(name, argument).arg(list.CurrentColumn());
        });
    Choose(l, 0, 0, "GBR");
    Choose(l, 0, 0, "PPG");
    RightClick(l, 0, 1);
    l.xplore.Popup()->hide();
    EXPECT_FALSE(Item(l, "GBR")->isEnabled()); // Name may not be graphed
    EXPECT_TRUE(Item(l, "GBR")->statusTip().startsWith("Graphs are drawn only")) << "and says why";
    EXPECT_EQ(Item(l, "PVW")->toolTip(), "Print All");
    XploreWindowProcedures().Unregister(XploreProcedure::kGraphWindow);
    XploreWindowProcedures().Unregister(XploreProcedure::kPrintList);
    EXPECT_EQ(ran, (QStringList{"GraphWindow  1", "PrintList Page 1"}));
}

TEST_F(XploreList, OneValueWindowsChangeTheColumnAtOnce)
{
    TestList l(SortMarkStyle::Header, 80, 0x100000 | 0x800 | 0x400 | 0x4000000);
    Choose(l, 0, 1, "WID");
    auto* width = l.window.findChild<AttributeWindow*>();
    ASSERT_TRUE(width);
    EXPECT_EQ(width->windowTitle(), "Name");
    EXPECT_EQ(width->Entry()->value(), 80);
    width->Entry()->setValue(120);
    EXPECT_EQ(Width(l, 1), DialogUnits(l.list->font()).ToPixelsX(120));
    width->close();
    QApplication::processEvents();

    Choose(l, 0, 1, "HDR");
    auto* header = l.window.findChild<HeaderTextWindow*>();
    ASSERT_TRUE(header);
    EXPECT_EQ(header->windowTitle(), "Header Text: Name");
    header->Entry()->setText("A header that is far too long for it");
    emit header->Entry()->returnPressed();
    EXPECT_EQ(Headers(l)[1], "A header that is far too ");
    header->close();

    Choose(l, 0, 1, "LHI");
    auto* line = l.window.findChildren<AttributeWindow*>().last();
    line->Entry()->setValue(31);
    EXPECT_EQ(l.list->verticalHeader()->defaultSectionSize(), 31);
}

} // namespace
} // namespace vl::test
