#include "platform/widgets/WindowPosition.h"

#include "tests/support/TempDir.h"

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <gtest/gtest.h>

#include <memory>

namespace vl {
namespace {

class WindowPositionTest : public ::testing::Test {
protected:
    void SetUp() override { ini_ = std::make_unique<IniFile>(test::TestPath(kPositionIniFile)); }

    QString Saved(const QString& procedure, const char* entry) const
    {
        return ini_->Get(procedure, QString::fromLatin1(entry), "none");
    }

    std::unique_ptr<IniFile> ini_;
};

TEST_F(WindowPositionTest, SavedPlaceIsRestoredUnderTheProcedureName)
{
    QWidget closing;
    closing.setGeometry(100, 120, 300, 200);
    closing.show();
    SaveWindowPosition(*ini_, closing, "BrowseSchedule");

    EXPECT_EQ(Saved("BrowseSchedule", "XPosit"), "100");
    EXPECT_EQ(Saved("BrowseSchedule", "YPosit"), "120");
    EXPECT_EQ(Saved("BrowseSchedule", "Width"), "300");
    EXPECT_EQ(Saved("BrowseSchedule", "Height"), "200");

    QWidget opening;
    RestoreWindowPosition(*ini_, opening, "browseschedule");
    EXPECT_EQ(opening.geometry(), QRect(100, 120, 300, 200));

    QWidget other;
    other.setGeometry(5, 6, 70, 80);
    RestoreWindowPosition(*ini_, other, "Calendar");
    EXPECT_EQ(other.geometry(), QRect(5, 6, 70, 80));
}

TEST_F(WindowPositionTest, MaximisedOrMinimisedWindowKeepsItsLastNormalPlace)
{
    WriteWindowPlace(*ini_, "Main", QRect(1, 2, 30, 40)); // saved at an earlier close
    QWidget window;
    window.setGeometry(10, 20, 200, 150);
    window.show();
    window.setGeometry(50, 60, 250, 180); // moved before being maximised
    window.showMaximized();
    QApplication::processEvents(); // the platform resizes the window to the screen
    ASSERT_TRUE(window.isMaximized());
    ASSERT_NE(window.geometry(), QRect(50, 60, 250, 180));

    SaveWindowPosition(*ini_, window, "Main");
    EXPECT_EQ(ReadWindowPlace(*ini_, "Main"), QRect(50, 60, 250, 180));

    QWidget minimised;
    minimised.setGeometry(70, 80, 220, 160);
    minimised.show();
    minimised.showMinimized();
    ASSERT_TRUE(minimised.isMinimized());
    SaveWindowPosition(*ini_, minimised, "About");
    EXPECT_EQ(ReadWindowPlace(*ini_, "About"), QRect(70, 80, 220, 160));
}

TEST_F(WindowPositionTest, HiddenWindowSavesNothing)
{
    WriteWindowPlace(*ini_, "Setup", QRect(1, 2, 30, 40));
    QWidget hidden;
    hidden.setGeometry(100, 120, 300, 200);
    SaveWindowPosition(*ini_, hidden, "Setup");
    SaveWindowPosition(*ini_, hidden, "Calendar");

    EXPECT_EQ(ReadWindowPlace(*ini_, "Setup"), QRect(1, 2, 30, 40));
    EXPECT_EQ(Saved("Calendar", "XPosit"), "none");
}

TEST_F(WindowPositionTest, ResetOrUnusableEntriesRestoreNothing)
{
    WriteWindowPlace(*ini_, "Main", QRect(10, 20, 300, 200));
    ini_->Put("Main", "XPosit", ""); // what "Reset saved window settings" leaves
    ini_->Put("Calendar", "XPosit", "left");
    ini_->Put("Calendar", "YPosit", "5");
    ini_->Put("Calendar", "Width", "100");
    ini_->Put("Calendar", "Height", "100");
    WriteWindowPlace(*ini_, "About", QRect(10, 20, 0, 200));

    EXPECT_FALSE(ReadWindowPlace(*ini_, "Main"));
    EXPECT_FALSE(ReadWindowPlace(*ini_, "Calendar"));
    EXPECT_FALSE(ReadWindowPlace(*ini_, "About"));
    EXPECT_FALSE(ReadWindowPlace(*ini_, "NeverSaved"));

    QWidget window;
    window.setGeometry(5, 6, 70, 80);
    RestoreWindowPosition(*ini_, window, "Main");
    EXPECT_EQ(window.geometry(), QRect(5, 6, 70, 80));
}

TEST(FitOnScreens, APlaceIsCutAndMovedIntoTheScreenItLandsOn)
{
    const QList<QRect> screens{QRect(0, 0, 1280, 1024), QRect(1280, 0, 1920, 1080)};
    const struct {
        QRect place, fitted;
    } cases[] = {
        {{1500, 100, 400, 300}, {1500, 100, 400, 300}},   // inside: kept
        {{-350, -250, 400, 300}, {0, 0, 400, 300}},       // over the top left corner
        {{100, 900, 400, 300}, {100, 724, 400, 300}},     // partly below the screen
        {{1100, 100, 400, 300}, {1280, 100, 400, 300}},   // mostly on the second screen
        {{3500, 100, 400, 300}, {2800, 100, 400, 300}},   // off every screen: the nearest
        {{200, 50, 2000, 1500}, {0, 0, 1280, 1024}},      // larger than the screen it lands on
    };
    for (const auto& c : cases)
        EXPECT_EQ(FitOnScreens(c.place, screens), c.fitted) << c.place.x() << "," << c.place.y();
    EXPECT_EQ(FitOnScreens(QRect(3500, 100, 400, 300), {}), QRect(3500, 100, 400, 300));
}

// Shown windows lie inside the screen's available area whether a saved place
// lies outside it, the saved or the window's own size is larger than it, or
// the window is shown again after being moved off it.
TEST_F(WindowPositionTest, EveryShownWindowLiesInsideTheScreen)
{
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    WriteWindowPlace(*ini_, "BrowseToDoList", QRect(area.right() + 500, area.bottom() - 50, 300, 200));
    WriteWindowPlace(*ini_, "ExploreSchedule", QRect(40, 30, area.width() * 2, area.height() + 400));
    QWidget offScreen, tooLarge, ownSize, restored;
    KeepWindowPosition(offScreen, "BrowseToDoList");
    KeepWindowPosition(tooLarge, "ExploreSchedule");
    ownSize.resize(area.width() + 300, area.height() + 300);
    KeepWindowPosition(ownSize, "NeverSaved");
    RestoreWindowPosition(*ini_, restored, "ExploreSchedule");
    for (QWidget* window : {&offScreen, &tooLarge, &ownSize, &restored}) {
        window->show();
        const QRect framed = window->frameGeometry();
        EXPECT_TRUE(area.contains(framed)) << framed.x() << "," << framed.y() << " " << framed.width() << "x"
                                           << framed.height();
    }
    EXPECT_EQ(offScreen.size(), QSize(300, 200));

    ownSize.hide();
    ownSize.setGeometry(area.right() - 10, area.bottom() - 10, 200, 100);
    ownSize.show();
    EXPECT_EQ(ownSize.size(), QSize(200, 100));
    EXPECT_EQ(ownSize.frameGeometry().bottomRight(), area.bottomRight()) << "moved only as far as needed";
}

// The desktop frames a window, and may move it, only once it is shown: the
// window is fitted again, with its real frame, when it first appears.
TEST_F(WindowPositionTest, AWindowMovedBeforeItAppearsIsFittedWhenItDoes)
{
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    QWidget window;
    KeepOnScreen(window);
    window.setGeometry(100, 100, 300, 200);
    window.show();
    window.setGeometry(100, area.bottom() - 150, 300, 200); // below the bottom, the frame unaccounted
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(window.frameGeometry().bottom(), area.bottom());
    EXPECT_EQ(window.size(), QSize(300, 200));
}

TEST_F(WindowPositionTest, RestoreBringsAPlaceOnScreen)
{
    WriteWindowPlace(*ini_, "Main", QRect(20000, 20000, 300, 200));
    QWidget window;
    RestoreWindowPosition(*ini_, window, "Main");
    EXPECT_EQ(window.size(), QSize(300, 200));
    EXPECT_LT(window.x(), 20000);
    EXPECT_LT(window.y(), 20000);
}

// A dialog ends by hiding: the keeper saves its place then and restores it
// on the next first show.
TEST_F(WindowPositionTest, KeeperRestoresOnFirstShowAndSavesWhenHidden)
{
    WriteWindowPlace(*ini_, "Setup", QRect(40, 50, 320, 240));
    QWidget window;
    KeepWindowPosition(window, "Setup");
    window.show();
    EXPECT_EQ(window.geometry(), QRect(40, 50, 320, 240));

    window.setGeometry(70, 80, 330, 250);
    window.hide();
    EXPECT_EQ(Saved("Setup", "XPosit"), "70");
    EXPECT_EQ(Saved("Setup", "Height"), "250");
}

} // namespace
} // namespace vl
