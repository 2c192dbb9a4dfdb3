#include "windows/frame/tabs/TabColourer.h"

#include <QImage>
#include <QLabel>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include <gtest/gtest.h>

#include <memory>

namespace vl {
namespace {

const QColor kGrey(167, 167, 167);

TEST(StoredColour, ReadsBlueGreenRedOrder)
{
    EXPECT_EQ(StoredColour(10987431), kGrey);
    EXPECT_EQ(StoredColour(0x0000FF), QColor(255, 0, 0));
    EXPECT_EQ(StoredColour(16711680), QColor(0, 0, 255));
    EXPECT_EQ(StoredColour(0x123456), QColor(0x56, 0x34, 0x12));
    EXPECT_FALSE(StoredColour(-1).isValid());
}

TEST(TabStyleSheet, ColoursOnlyWhatIsNotTheDefault)
{
    EXPECT_EQ(TabStyleSheet(TabColours{}), "QTabBar::tab:!selected { background-color: #a7a7a7; }");

    EXPECT_TRUE(TabStyleSheet(TabColours{-1, -1, -1, -1}).isEmpty());

    const QString selected = TabStyleSheet(TabColours{0xFF, 0xFF0000, -1, -1});
    EXPECT_TRUE(selected.contains("QTabBar::tab:selected { background-color: #ff0000; color: #0000ff; }"));
    EXPECT_FALSE(selected.contains("!selected"));
}

// A window with two sheets and a wizard sheet.
class TabColourerTest : public ::testing::Test {
protected:
    TabColourerTest()
    {
        auto* layout = new QVBoxLayout(&window);
        for (QTabWidget** sheet : {&first, &second, &wizard}) {
            *sheet = new QTabWidget;
            for (const char* title : {"&Task", "&Message", "&When"})
                (*sheet)->addTab(new QLabel(title), title);
            layout->addWidget(*sheet);
        }
        wizard->tabBar()->hide();
        window.resize(400, 500);
    }

    // The colour inside a tab, away from its text and edges.
    static QColor TabColour(QTabWidget* sheet, int tab)
    {
        QTabBar* bar = sheet->tabBar();
        const QImage image = bar->grab().toImage();
        const QRect rect = bar->tabRect(tab);
        return image.pixelColor(rect.left() + 4, rect.top() + 4);
    }

    QWidget window;
    QTabWidget* first;
    QTabWidget* second;
    QTabWidget* wizard;
};

TEST_F(TabColourerTest, GreysTheUnselectedTabsOfEverySheet)
{
    const QColor selectedBefore = TabColour(first, 0);
    ASSERT_NE(TabColour(first, 1), kGrey);

    TabColourer::Attach(&window);

    for (QTabWidget* sheet : {first, second}) {
        EXPECT_EQ(TabColour(sheet, 1), kGrey);
        EXPECT_EQ(TabColour(sheet, 2), kGrey);
        EXPECT_NE(TabColour(sheet, 0), kGrey);
    }
    EXPECT_EQ(TabColour(first, 0), selectedBefore);
}

TEST_F(TabColourerTest, TheGreyFollowsTheSelection)
{
    TabColourer::Attach(&window);
    first->setCurrentIndex(2);
    EXPECT_EQ(TabColour(first, 0), kGrey);
    EXPECT_NE(TabColour(first, 2), kGrey);
    EXPECT_EQ(TabColour(second, 1), kGrey);
}

TEST_F(TabColourerTest, LeavesWizardSheetsAlone)
{
    TabColourer::Attach(&window);
    EXPECT_TRUE(TabColourer::IsWizardSheet(wizard));
    EXPECT_FALSE(TabColourer::IsWizardSheet(first));
    EXPECT_TRUE(wizard->tabBar()->styleSheet().isEmpty());
}

TEST_F(TabColourerTest, RefreshTakesInSheetsAddedLaterAndDropsHiddenTabBars)
{
    TabColourer* colourer = TabColourer::Attach(&window);
    auto* later = new QTabWidget;
    later->addTab(new QLabel("a"), "A");
    later->addTab(new QLabel("b"), "B");
    window.layout()->addWidget(later);
    second->tabBar()->hide();

    colourer->Refresh();
    EXPECT_EQ(TabColour(later, 1), kGrey);
    EXPECT_TRUE(second->tabBar()->styleSheet().isEmpty());
}

TEST_F(TabColourerTest, ATabBarStyledByItsWindowKeepsItsLook)
{
    second->tabBar()->setStyleSheet("QTabBar::tab { background-color: #00ff00; }");
    TabColourer::Attach(&window);
    EXPECT_EQ(TabColour(second, 1), QColor(0, 255, 0));
}

TEST_F(TabColourerTest, DetachGivesTheTabsTheirOwnColoursBack)
{
    TabColourer* colourer = TabColourer::Attach(&window);
    colourer->Detach();
    EXPECT_NE(TabColour(first, 1), kGrey);
    EXPECT_TRUE(first->tabBar()->styleSheet().isEmpty());
}

} // namespace
} // namespace vl
