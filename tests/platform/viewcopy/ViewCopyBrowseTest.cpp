// The buttons of a browse list with View and Copy: what they ask of the
// form, when they are enabled, and what Enter, a double click, Shift+Enter,
// the Insert and Delete keys and the popup do with them.

#include "platform/viewcopy/ViewCopyBrowse.h"
#include "platform/widgets/BrowseList.h"
#include "tests/platform/data/TestTables.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QPushButton>

#include <map>

namespace vl {
namespace {

using test::ItemRecord;

class ViewCopyBrowseTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(items.Open(TableFile::kDeclaredMode, true));
        model.SetColumns({{"ITM:Name", "Name", "@s20"}});
        QString error;
        ViewOrder byName;
        ASSERT_TRUE(KeyOrder(items.Definition(), test::ITM_KEYNAME, byName, error));
        model.AddOrder("Name", byName);
        list.SetBrowseModel(&model);
        for (QPushButton** button : {&insert, &change, &remove, &select, &view, &copy})
            *button = new QPushButton(&window);
        connect(select, &QPushButton::clicked, [this] { asked << "select"; });
    }

    ViewCopyBrowse& Attach(bool withView = true)
    {
        extension = new ViewCopyBrowse(&list, {insert, change, remove, select, withView ? view : nullptr, copy},
                                       [this](FormRequest request, bool copied) {
                                           asked << QString::number(int(request)) + (copied ? " copy" : "");
                                       });
        return *extension;
    }

    void AddRow(const char* name)
    {
        ItemRecord item = test::Item(name);
        ASSERT_TRUE(items.Add(item));
        list.Refresh();
    }

    void Key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QKeyEvent press(QEvent::KeyPress, key, modifiers);
        QApplication::sendEvent(&list, &press);
    }

    static void connect(QPushButton* button, void (QPushButton::*signal)(bool), std::function<void()> slot)
    {
        QObject::connect(button, signal, std::move(slot));
    }

    Table<ItemRecord> items{test::ItemDefinition()};
    BrowseModel model{items};
    QWidget window;
    BrowseList list{&window};
    QPushButton *insert = nullptr, *change = nullptr, *remove = nullptr, *select = nullptr, *view = nullptr,
                *copy = nullptr;
    ViewCopyBrowse* extension = nullptr;
    QStringList asked;
};

TEST_F(ViewCopyBrowseTest, RowButtonsAreEnabledOnlyWhileTheListHasRows)
{
    Attach();
    for (QPushButton* button : {change, remove, select, view, copy})
        EXPECT_FALSE(button->isEnabled());
    EXPECT_TRUE(insert->isEnabled());
    Key(Qt::Key_Return);
    Key(Qt::Key_Return, Qt::ShiftModifier);
    Key(Qt::Key_Delete);
    EXPECT_TRUE(asked.isEmpty()) << "an empty list opens no form on a row";

    AddRow("first");
    for (QPushButton* button : {insert, change, remove, select, view, copy})
        EXPECT_TRUE(button->isEnabled());
    items.Set(test::ITM_KEYNAME);
    ItemRecord item;
    ASSERT_TRUE(items.Next(item));
    ASSERT_TRUE(items.Delete(item));
    list.Refresh();
    EXPECT_FALSE(view->isEnabled());
    EXPECT_FALSE(copy->isEnabled());
}

TEST_F(ViewCopyBrowseTest, ButtonsAndKeysAskTheFormForTheirRequest)
{
    Attach();
    AddRow("first");
    for (QPushButton* button : {insert, change, remove, view, copy})
        button->click();
    Key(Qt::Key_Insert);
    Key(Qt::Key_Delete);
    Key(Qt::Key_Return, Qt::ShiftModifier);
    EXPECT_EQ(asked, QStringList({"1", "2", "3", "4", "1 copy", "1", "3", "4"}));
}

TEST_F(ViewCopyBrowseTest, EnterAndDoubleClickPressTheDefaultOfSelectViewAndChange)
{
    const struct {
        bool selectMode;
        const char* defaultButton; // none when null
        const char* expected;
    } cases[] = {
        {false, "change", "2"},
        {false, "view", "4"},
        {false, nullptr, "2"},        // no default: Change
        {false, "select", "2"},       // Select counts only in select mode
        {true, "select", "select"},
        {true, "view", "4"},
        {true, nullptr, "select"},    // no default: Select
    };
    const std::map<QString, QPushButton*> byName{{"change", change}, {"view", view}, {"select", select}};
    ViewCopyBrowse& extension = Attach();
    AddRow("first");
    for (const auto& c : cases) {
        extension.SetSelectMode(c.selectMode);
        for (QPushButton* button : {insert, change, remove, select, view, copy})
            button->setDefault(c.defaultButton && button == byName.at(c.defaultButton));
        asked.clear();
        Key(Qt::Key_Return);
        emit list.rowDoubleClicked(0);
        EXPECT_EQ(asked, QStringList({c.expected, c.expected})) << c.selectMode << " " << c.expected;
    }
}

TEST_F(ViewCopyBrowseTest, WithoutViewShiftEnterIsPlainEnterAndThePopupHasNoView)
{
    Attach(false);
    AddRow("first");
    Key(Qt::Key_Return, Qt::ShiftModifier);
    EXPECT_EQ(asked, QStringList({"2"}));

    QMenu menu;
    extension->AddPopupItems(menu);
    QStringList texts;
    for (const QAction* action : menu.actions())
        texts << action->text();
    EXPECT_EQ(texts, QStringList({"&Insert", "&Change", "&Delete", "Cop&y", ""}));
}

TEST_F(ViewCopyBrowseTest, PopupItemsPressTheirButtonsAndFollowTheirStates)
{
    Attach();
    QMenu menu;
    extension->AddPopupItems(menu);
    const auto states = [&menu] {
        QStringList enabled;
        for (const QAction* action : menu.actions())
            enabled << action->text() + (action->isEnabled() ? "+" : "-");
        return enabled;
    };
    EXPECT_EQ(states(), QStringList({"&Insert+", "&Change-", "&Delete-", "&View-", "Cop&y-", "+"}));
    EXPECT_EQ(menu.actions().at(3)->shortcut(), kViewKey);

    AddRow("first");
    EXPECT_EQ(states(), QStringList({"&Insert+", "&Change+", "&Delete+", "&View+", "Cop&y+", "+"}));
    for (QAction* action : menu.actions())
        action->trigger();
    EXPECT_EQ(asked, QStringList({"1", "2", "3", "4", "1 copy"}));
}

} // namespace
} // namespace vl
