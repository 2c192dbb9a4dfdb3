#include "core/frame/TrayMenu.h"
#include "windows/frame/tray/TrayPopupMenu.h"
#include "resources/ProgramIcons.h"

#include <QAction>

#include <gtest/gtest.h>

namespace vl {
namespace {

using TrayMenu::State;

TEST(TrayMenu, StopScriptNeedsQueuedScriptsAndRestoreAnIconizedFrame)
{
    const State idle{false, false};
    const State busyIconized{true, true};

    EXPECT_FALSE(TrayMenu::Enabled(TrayMenu::kStopScript, idle));
    EXPECT_TRUE(TrayMenu::Enabled(TrayMenu::kStopScript, State{true, false}));
    EXPECT_FALSE(TrayMenu::Enabled(TrayMenu::kRestore, idle));
    EXPECT_TRUE(TrayMenu::Enabled(TrayMenu::kRestore, State{false, true}));
    EXPECT_FALSE(TrayMenu::Enabled(TrayMenu::kRestore, State{true, false}));

    for (const TrayMenu::Item& item : TrayMenu::Items()) {
        if (item.IsSeparator() || item.name == TrayMenu::kStopScript || item.name == TrayMenu::kRestore)
            continue;
        EXPECT_TRUE(TrayMenu::Enabled(item.name, idle)) << item.name.toStdString();
        EXPECT_TRUE(TrayMenu::Enabled(item.name, busyIconized)) << item.name.toStdString();
    }
}

TEST(TrayMenu, TheWizardsHotKeysAndRestoreBringTheFrameBackFirst)
{
    for (const char* name : {TrayMenu::kRestore, TrayMenu::kAddProgram, TrayMenu::kAddMessage,
                             TrayMenu::kAddScript, TrayMenu::kHotKeys}) {
        EXPECT_TRUE(TrayMenu::RestoresFrameFirst(name)) << name;
    }
    for (const char* name : {TrayMenu::kStopScript, TrayMenu::kOptions, TrayMenu::kAbout, TrayMenu::kExit}) {
        EXPECT_FALSE(TrayMenu::RestoresFrameFirst(name)) << name;
    }
}

TEST(TrayMenu, EveryItemHasItsIcon)
{
    for (const TrayMenu::Item& item : TrayMenu::Items()) {
        if (!item.IsSeparator()) {
            EXPECT_TRUE(HasIcon(item.icon)) << item.icon.toStdString();
        }
    }
}

TEST(TrayPopupMenu, ShowsTheItemsAndAppliesTheRules)
{
    TrayPopupMenu menu;
    const QList<TrayMenu::Item> items = TrayMenu::Items();
    ASSERT_EQ(menu.actions().size(), items.size());
    for (int i = 0; i < items.size(); ++i) {
        QAction* action = menu.actions().at(i);
        EXPECT_EQ(action->isSeparator(), items[i].IsSeparator());
        if (!action->isSeparator()) {
            EXPECT_EQ(action->text(), items[i].text);
            EXPECT_FALSE(action->icon().isNull());
        }
    }

    menu.Apply(State{false, false});
    EXPECT_FALSE(menu.Action(TrayMenu::kStopScript)->isEnabled());
    EXPECT_FALSE(menu.Action(TrayMenu::kRestore)->isEnabled());
    EXPECT_TRUE(menu.Action(TrayMenu::kExit)->isEnabled());

    menu.Apply(State{true, true});
    EXPECT_TRUE(menu.Action(TrayMenu::kStopScript)->isEnabled());
    EXPECT_TRUE(menu.Action(TrayMenu::kRestore)->isEnabled());
    EXPECT_EQ(menu.Action("Nothing"), nullptr);
}

TEST(TrayPopupMenu, ChoosingAnItemNamesIt)
{
    TrayPopupMenu menu;
    QStringList chosen;
    QObject::connect(&menu, &TrayPopupMenu::Chosen, [&](const QString& name) { chosen.append(name); });
    menu.Action(TrayMenu::kAbout)->trigger();
    menu.Action(TrayMenu::kExit)->trigger();
    EXPECT_EQ(chosen, QStringList({"About", "Exit"}));
}

} // namespace
} // namespace vl
