// "Format Listbox...", "Column Colors", the graph and its preferences on a
// real list, offscreen; each window is also rendered into the
// test's directory for a look.
#include "tests/xplore/windows/TestList.h"

#include "platform/runtime/IniFile.h"
#include "platform/sound/RecordingSoundPlayer.h"
#include "tests/support/ScriptedPrompt.h"
#include "xplore/XploreCommands.h"
#include "xplore/windows/ColumnColorsWindow.h"
#include "xplore/windows/FormatListboxWindow.h"
#include "xplore/windows/GraphPreferencesWindow.h"
#include "xplore/windows/GraphWindow.h"
#include "xplore/windows/ListFormatProcedures.h"
#include "xplore/windows/XploreProcedures.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTimer>

namespace vl::test {
namespace {

class ListFormat : public ::testing::Test {
protected:
    void SetUp() override { RegisterListFormatProcedures(); }
    void TearDown() override
    {
        for (const char* name : {XploreProcedure::kFormatListboxWindow, XploreProcedure::kColumnColorsWindow,
                                 XploreProcedure::kGraphWindow})
            XploreWindowProcedures().Unregister(name);
    }
    static QStringList Shown(const TestList& l)
    {
        QStringList headers;
        for (const XploreColumn& column : l.xplore.Columns().Shown())
            headers << column.header;
        return headers;
    }
    static QStringList Items(const QListWidget* list)
    {
        QStringList texts;
        for (int i = 0; i < list->count(); ++i)
            texts << (list->item(i)->icon().isNull() ? "" : "+") + list->item(i)->text();
        return texts;
    }
    // Runs a command that opens a modal window; the check runs on the window
    // once it is open (the events before it, a progress window's, pass).
    template <typename Window>
    void WithModal(TestList& l, int command, const std::function<void(Window&)>& check)
    {
        bool seen = false;
        std::function<void()> look = [&] {
            auto* window = qobject_cast<Window*>(QApplication::activeModalWidget());
            if (!window) {
                QTimer::singleShot(0, look);
                return;
            }
            seen = true;
            check(*window);
            window->accept();
        };
        QTimer::singleShot(0, look);
        l.xplore.HandleListEvent(command);
        EXPECT_TRUE(seen);
    }
    RecordingSoundPlayer sound;
    SoundOverride soundOverride{sound};
};

TEST_F(ListFormat, ColumnsShownHiddenMovedAndTheDesignRestored)
{
    TestList l;
    l.list->setCurrentIndex(l.model.index(0, 0));
    const auto behaviour = l.list->selectionBehavior();
    FormatListboxWindow window(l.xplore, &l.window);
    window.grab().save("format_listbox.png");
    EXPECT_EQ(Items(window.AllColumns()), (QStringList{"+The Date", "+The Name", "+The Kind", "+The Count"}))
        << "the descriptions shown";
    EXPECT_EQ(window.CurrentColumn(), 1);
    // The standard features leave every attribute control disabled.
    for (const char* name : {"HeaderText", "HeaderL", "DataOffset", "Width", "Fixed", "Resize", "LineHeight", "Font",
                             "VScroll"}) {
        EXPECT_FALSE(window.Control(name)->isEnabled()) << name;
        EXPECT_TRUE(window.Control(name)->toolTip().contains("Not available: this list keeps")) << name;
    }
    EXPECT_FALSE(window.Control("Add")->toolTip().contains("Not available")) << "only disabled controls say why";
    EXPECT_TRUE(window.findChild<QLabel*>("Unavailable")->isVisibleTo(&window)) << "the window says it too";
    for (const char* name : {"Add", "Hide", "Up", "Down", "Colors", "Default", "Close"})
        EXPECT_TRUE(window.Control(name)->isEnabled()) << name;
    EXPECT_TRUE(window.Control("ListX")->isHidden());
    EXPECT_EQ(l.list->selectionBehavior(), QAbstractItemView::SelectItems);

    window.ShownColumns()->setCurrentRow(1); // Name
    window.MoveCurrent(1);
    EXPECT_EQ(Shown(l), (QStringList{"Date", "Kind", "Name", "Count"}));
    EXPECT_EQ(l.list->currentIndex().column(), 1); // the current column is highlighted
    window.HideCurrent();
    EXPECT_EQ(Shown(l), (QStringList{"Date", "Kind", "Count"}));
    EXPECT_EQ(Items(window.AllColumns())[1], "The Name");
    window.ShownColumns()->setCurrentRow(0);
    window.MoveCurrent(-1); // at the edge: a beep
    EXPECT_EQ(sound.beeps, 1);
    window.AllColumns()->setCurrentRow(3); // Count, shown already: selected, a beep
    window.AddChosen();
    EXPECT_EQ(sound.beeps, 2);
    EXPECT_EQ(window.CurrentColumn(), 3);
    window.AllColumns()->setCurrentRow(1);
    window.AddChosen();
    EXPECT_EQ(Shown(l), (QStringList{"Date", "Kind", "Count", "Name"}));
    EXPECT_EQ(window.CurrentColumn(), 4);
    for (int i = 0; i < 4; ++i)
        window.HideCurrent();
    EXPECT_EQ(Shown(l).size(), 1); // the last column stays
    window.RestoreDefault();
    EXPECT_EQ(Shown(l), (QStringList{"Date", "Name", "Kind", "Count"}));
    window.accept();
    EXPECT_EQ(l.list->selectionBehavior(), behaviour);
}

TEST_F(ListFormat, AttributeControlsWorkWhereTheFeaturesAllowThem)
{
    TestList l(SortMarkStyle::Header, 80, 0x100000 | 0x400 | 0x800 | 0x20 | 0x80000);
    FormatListboxWindow window(l.xplore, &l.window);
    window.ShownColumns()->setCurrentRow(1);
    static_cast<QSpinBox*>(window.Control("Width"))->setValue(33);
    static_cast<QAbstractButton*>(window.Control("Resize"))->click();
    auto* header = static_cast<QLineEdit*>(window.Control("HeaderText"));
    header->setText("Who");
    emit header->textEdited("Who");
    const XploreColumn* name = l.xplore.Columns().ShownAt(2);
    EXPECT_EQ(name->width, 33);
    EXPECT_FALSE(name->resizable);
    EXPECT_EQ(l.model.headerData(1, Qt::Horizontal).toString(), "Who");
    EXPECT_EQ(l.list->horizontalHeader()->sectionResizeMode(1), QHeaderView::Fixed);
    EXPECT_FALSE(window.Control("Fixed")->isEnabled());
}

TEST_F(ListFormat, ColoursPickedResetAndKeptWithTheSavedLayout)
{
    {
        TestList l;
        l.xplore.ChangeColumns([](ColumnTable& columns) { columns.ShownAt(2)->colours[kNormalText] = 0x123456; });
        ColumnColorsWindow window(l.xplore, 2, &l.window);
        window.grab().save("column_colors.png");
        EXPECT_EQ(window.windowTitle(), "Colors for Column: The Name");
        EXPECT_EQ(window.Pick(kNormalText)->currentIndex(), -1); // not a colour of the table
        EXPECT_EQ(window.Pick(kNormalBack)->currentText(), "None");
        window.Pick(kNormalBack)->setCurrentText("Navy");
        emit window.Pick(kNormalBack)->activated(window.Pick(kNormalBack)->currentIndex());
        EXPECT_EQ(l.xplore.Columns().ShownAt(2)->colours, (ColumnColours{0x123456, 0x800000, -1, -1}));
        window.Pick(kSelectedText)->setCurrentText("Red");
        emit window.Pick(kSelectedText)->activated(window.Pick(kSelectedText)->currentIndex());
    }
    IniFile ini("POSITION.INI");
    EXPECT_TRUE(ini.Get("BrowseEntries", "XploreFormatString-?List1").contains("#2#E(1193046,8388608,255,)"));
    TestList l; // the colours come back with the layout
    EXPECT_EQ(l.xplore.Columns().ShownAt(2)->colours, (ColumnColours{0x123456, 0x800000, 0xFF, -1}));
    l.xplore.HandleRightClick(1, QPoint());
    l.xplore.Popup()->hide();
    WithModal<ColumnColorsWindow>(l, XploreCommand::kColours, [](ColumnColorsWindow& window) {
        for (QPushButton* button : window.findChildren<QPushButton*>()) {
            if (button->text() == "&Reset")
                button->click();
        }
        EXPECT_EQ(window.Pick(kNormalText)->currentText(), "None");
    });
    EXPECT_EQ(l.xplore.Columns().ShownAt(2)->colours, kNoColours);
}

TEST_F(ListFormat, PropertiesFromThePopupKeepTheSortMarkOnItsField)
{
    TestList l;
    l.xplore.SortOnColumn(2);
    WithModal<FormatListboxWindow>(l, XploreCommand::kProperties, [](FormatListboxWindow& window) {
        EXPECT_EQ(window.ShownColumns()->item(1)->text(), "The Name") << "without the sort mark";
        window.ShownColumns()->setCurrentRow(1);
        window.MoveCurrent(1);
    });
    EXPECT_EQ(Shown(l), (QStringList{"Date", "Kind", ">Name", "Count"}));
}

TEST_F(ListFormat, PreferencesOrderResetAndWhatEachCloseWrites)
{
    IniFile ini("POSITION.INI");
    ASSERT_TRUE(ini.Put("XplorePreferences", "Col01", "Mauve"));
    ASSERT_TRUE(ini.Put("XplorePreferences", "FontStyle", "701"));
    {
        GraphPreferencesWindow window("POSITION.INI", nullptr);
        window.grab().save("graph_preferences.png");
        EXPECT_EQ(window.Sample()->text(), "Arial8 pt "); // a style without a name
        EXPECT_EQ(window.Colours()->item(0, 0)->text(), "Mauve");
        window.MoveSelected(-1);
        EXPECT_EQ(sound.beeps, 1);
        window.MoveSelected(1);
        EXPECT_EQ(window.ShownColours()[1], "Mauve");
        EXPECT_EQ(window.Colours()->item(0, 1)->background().color(), QColor(0x80, 0x80, 0)); // Olive
        EXPECT_EQ(window.Colours()->item(1, 1)->background().style(), Qt::NoBrush); // no colour of the table
        window.reject(); // not "OK": the order as read
    }
    EXPECT_EQ(ini.Get("XplorePreferences", "Col01"), "Mauve");
    EXPECT_EQ(ini.Get("XplorePreferences", "FontSize"), "8");
    {
        GraphPreferencesWindow window("POSITION.INI", nullptr);
        window.Colours()->selectRow(15);
        window.MoveSelected(1);
        EXPECT_EQ(sound.beeps, 2);
        window.MoveSelected(-1);
        window.accept();
    }
    EXPECT_EQ(ini.Get("XplorePreferences", "Col15"), "Black");
    {
        GraphPreferencesWindow window("POSITION.INI", nullptr);
        window.Reset();
        QFont font("Serif");
        font.setPointSize(15);
        font.setItalic(true);
        font.setBold(true);
        window.SetFont(font);
        EXPECT_EQ(window.Sample()->text(), "Serif15 pt Bold Italic");
        window.accept();
    }
    const GraphPreferences stored = ReadGraphPreferences(ini, kGraphFontSize);
    EXPECT_EQ(stored.colours, DefaultGraphColours());
    EXPECT_EQ(stored.fontSize, 15);
    EXPECT_EQ(stored.fontStyle, 4796);
}

TEST_F(ListFormat, GraphCountsTheColumnAndDrawsIt)
{
    TestList l;
    l.list->setCurrentIndex(l.model.index(0, 2));
    l.xplore.HandleRightClick(2, QPoint()); // Kind: Annual twice, Easter, Once twice
    l.xplore.Popup()->hide();
    // A filter of the list's own, not one of the cells: the line names it too.
    ASSERT_TRUE(l.model.SetFilter("Tab", {{"ENT:Count", Compare::Less, int64_t(99)},
                                          {"ENT:Count", Compare::Equal, int64_t(99), Join::Or}}));
    WithModal<GraphWindow>(l, XploreCommand::kGraph, [](GraphWindow& window) {
        EXPECT_EQ(window.Title(), "5 Categories of Field: The Kind");
        EXPECT_EQ(window.FilterLine(), "Filter: ENT:Count < 99 OR ENT:Count = 99");
        window.resize(900, 600);
        window.grab().save("graph.png");
        EXPECT_EQ(window.Chart()->BarColours()[0], 0x000080); // Maroon
    });
    // Rows of one category, or none, give no graph and say so.
    const struct {
        int64_t count;
        const char* message;
    } cases[] = {{3, "There is only one category to Graph of 'The Kind'"},
                 {99, "There are no categories to Graph of 'The Kind'"}};
    for (const auto& c : cases) {
        ASSERT_TRUE(l.model.SetFilter("Test", {{"ENT:Count", Compare::Equal, c.count}}));
        ScriptedPrompt prompt;
        prompt.Answer(1);
        l.xplore.HandleListEvent(XploreCommand::kGraph);
        ASSERT_EQ(prompt.Questions().size(), 1u);
        EXPECT_EQ(prompt.Questions()[0].text, c.message);
        EXPECT_EQ(prompt.Questions()[0].caption, "Xplore");
        EXPECT_FALSE(QApplication::activeModalWidget());
    }
}

} // namespace
} // namespace vl::test
