#include "windows/frame/tray/TrayIcon.h"
#include "platform/ui/EventNumbers.h"
#include "platform/widgets/NumberedEvents.h"
#include "platform/widgets/ThreadRegistry.h"
#include "resources/ProgramIcons.h"
#include "tests/windows/frame/tray/FakeTrayBackend.h"

#include <QApplication>
#include <QImage>
#include <QMenu>

#include <gtest/gtest.h>

#include <memory>

namespace vl {
namespace {

bool SamePicture(const QIcon& a, const QIcon& b)
{
    return !a.isNull() && a.pixmap(32).toImage() == b.pixmap(32).toImage();
}

class TrayIconTest : public ::testing::Test {
protected:
    TrayIconTest()
    {
        auto backend = std::make_unique<test::FakeTrayBackend>();
        fake = backend.get();
        tray = std::make_unique<TrayIcon>(std::move(backend));
        window = std::make_unique<QWidget>();
        window->show();
    }

    void Minimise()
    {
        window->showMinimized();
        QApplication::processEvents();
    }

    test::FakeTrayBackend* fake;
    std::unique_ptr<TrayIcon> tray;
    std::unique_ptr<QWidget> window;
};

TEST(IconResourceName, TurnsTheExtensionDotIntoAnUnderscore)
{
    EXPECT_EQ(IconResourceName("tray.ico"), "tray_ico");
    EXPECT_EQ(IconResourceName("a.ico"), "a_ico");
    EXPECT_EQ(IconResourceName("tray.ico   "), "tray_ico");
    EXPECT_EQ(IconResourceName("tray_ico"), "tray_ico");
    EXPECT_EQ(IconResourceName(".ico"), ".ico");
    EXPECT_EQ(IconResourceName("trayicon"), "trayicon");
    EXPECT_EQ(IconResourceName("my.tray.gif"), "my.tray_gif");
}

TEST_F(TrayIconTest, AttachShowsTheIconWithTheTipCutTo63)
{
    const QString longTip = QString(70, 'x') + "   ";
    EXPECT_TRUE(tray->Attach(window.get(), false, false, longTip, "tray.ico"));

    EXPECT_TRUE(fake->shown);
    EXPECT_EQ(fake->tip, QString(63, 'x'));
    EXPECT_EQ(tray->Tip(), QString(70, 'x'));
    EXPECT_EQ(tray->Icon(), "tray_ico");
    EXPECT_TRUE(SamePicture(fake->icon, LoadIcon("tray_ico")));
}

TEST_F(TrayIconTest, TheSameTipTwiceChangesNothingUnlessAlwaysRefresh)
{
    tray->Attach(window.get(), false, false, "Velmora", "tray_ico");

    EXPECT_TRUE(tray->SetTip("Next: Backup"));
    EXPECT_EQ(fake->tip, "Next: Backup");
    EXPECT_TRUE(tray->SetTip("Next: Backup   "));
    EXPECT_EQ(fake->tipChanges, QStringList{"Next: Backup"});

    tray->SetAlwaysRefresh(true);
    tray->SetTip("Next: Backup");
    EXPECT_EQ(fake->tipChanges.size(), 2);
}

TEST_F(TrayIconTest, IconsAreChangedByResourceNameOnlyWhenTheyDiffer)
{
    tray->Attach(window.get(), false, false, "Velmora", "tray_ico");

    EXPECT_TRUE(tray->SetIcon("traybusy_ico"));
    EXPECT_TRUE(SamePicture(fake->icon, LoadIcon("traybusy_ico")));
    EXPECT_FALSE(SamePicture(fake->icon, LoadIcon("tray_ico")));
    tray->SetIcon("traybusy.ico");
    EXPECT_EQ(fake->iconChanges, 1);

    tray->SetIcon("busykey2.ico");
    EXPECT_EQ(tray->Icon(), "busykey2_ico");
    EXPECT_TRUE(SamePicture(fake->icon, LoadIcon("busykey2_ico")));
}

TEST_F(TrayIconTest, AnUnknownIconShowsTheProgramIconAndIsRemembered)
{
    tray->Attach(window.get(), false, false, "Velmora", "nosuch.ico");
    EXPECT_EQ(tray->Icon(), "nosuch_ico");
    EXPECT_TRUE(SamePicture(fake->icon, LoadIcon("tray_ico")));
}

TEST_F(TrayIconTest, MinimisingHidesTheWindowInTheTrayAndRestoreBringsItBack)
{
    tray->Attach(window.get(), false, false, "Velmora", "tray_ico");
    ASSERT_TRUE(tray->MinimisesToTray());

    Minimise();
    EXPECT_FALSE(window->isVisible());
    EXPECT_FALSE(window->isMinimized());
    EXPECT_TRUE(tray->Iconized());

    tray->Restore();
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(window->isMinimized());
    EXPECT_FALSE(tray->Iconized());
}

TEST_F(TrayIconTest, WithoutATrayTheWindowMinimisesToTheTaskbar)
{
    fake->available = false;
    EXPECT_FALSE(tray->Attach(window.get(), false, false, "Velmora", "tray_ico"));

    Minimise();
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(window->isMinimized());

    window->showNormal();
    tray->HideToTray();
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(window->isMinimized());

    EXPECT_FALSE(tray->SetTip("Next: Backup"));
    EXPECT_EQ(tray->Tip(), "Next: Backup");
}

TEST_F(TrayIconTest, TrayMinimisingIsSwitchedOnAndOff)
{
    tray->Attach(window.get(), true, false, "Velmora", "tray_ico");
    EXPECT_FALSE(tray->MinimisesToTray());
    Minimise();
    EXPECT_TRUE(window->isVisible());

    window->showNormal();
    tray->EnableTrayMinimise();
    EXPECT_TRUE(tray->MinimisesToTray());
    Minimise();
    EXPECT_FALSE(window->isVisible());

    tray->Restore();
    tray->DisableTrayMinimise();
    EXPECT_FALSE(tray->MinimisesToTray());
    Minimise();
    EXPECT_TRUE(window->isVisible());
}

TEST_F(TrayIconTest, WithoutSubclassingTheMinimiseIsNeverWatched)
{
    tray->Attach(window.get(), true, true, "Velmora", "tray_ico");
    tray->EnableTrayMinimise();
    EXPECT_FALSE(tray->MinimisesToTray());
    Minimise();
    EXPECT_TRUE(window->isVisible());
}

TEST_F(TrayIconTest, DetachRemovesTheIconAndStopsWatching)
{
    tray->Attach(window.get(), false, false, "Velmora", "tray_ico");
    tray->Detach();
    EXPECT_FALSE(fake->shown);
    EXPECT_FALSE(tray->MinimisesToTray());
    Minimise();
    EXPECT_TRUE(window->isVisible());
}

class TrayEventsTest : public TrayIconTest {
protected:
    TrayEventsTest()
    {
        frame = new QWidget;
        EXPECT_EQ(Threads().RegisterFrame(frame), ThreadRegistry::kFrameThread);
        QObject::connect(NumberedEvents::Of(frame), &NumberedEvents::Received,
                         [this](int number) { received.append(number); });
    }
    ~TrayEventsTest() override { delete frame; }

    QWidget* frame;
    QList<int> received;
};

TEST_F(TrayEventsTest, ClicksReachTheFramesThread)
{
    tray->Attach(window.get(), false, false, "Velmora", "tray_ico");
    fake->Click(TrayActivation::Click);
    fake->Click(TrayActivation::RightClick);
    fake->Click(TrayActivation::DoubleClick);
    QApplication::processEvents();
    EXPECT_EQ(received, QList<int>({EventNumber::kTrayClick, EventNumber::kTrayRightClick,
                                    EventNumber::kTrayDoubleClick}));
}

TEST_F(TrayEventsTest, ATrayThatAppearsAsksTheFrameToAddTheIconAgain)
{
    fake->available = false;
    tray->Attach(window.get(), false, false, "Next: Backup", "traybusy_ico");

    fake->SetAvailable(true);
    QApplication::processEvents();
    ASSERT_EQ(received, QList<int>{EventNumber::kTaskbarCreated});

    // The frame's answer.
    EXPECT_TRUE(tray->Add(tray->Tip(), tray->Icon()));
    EXPECT_EQ(fake->tip, "Next: Backup");
    EXPECT_TRUE(SamePicture(fake->icon, LoadIcon("traybusy_ico")));
}

TEST_F(TrayIconTest, AWindowHiddenInATrayThatGoesAwayReturnsToTheTaskbar)
{
    tray->Attach(window.get(), false, false, "Velmora", "tray_ico");
    Minimise();
    ASSERT_FALSE(window->isVisible());

    fake->SetAvailable(false);
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(window->isMinimized());

    // Minimising again keeps it in the taskbar while there is no tray.
    window->showNormal();
    Minimise();
    EXPECT_TRUE(window->isVisible());
}

TEST_F(TrayIconTest, ThePopupMenuIsPreparedBeforeItShows)
{
    QMenu menu;
    QAction* restore = menu.addAction("&Restore");
    tray->SetPopupMenu(&menu, [&] { restore->setEnabled(tray->Iconized()); });
    tray->Attach(window.get(), false, false, "Velmora", "tray_ico");

    tray->ShowPopupMenu();
    EXPECT_TRUE(menu.isVisible());
    EXPECT_FALSE(restore->isEnabled());
    menu.hide();

    Minimise();
    tray->ShowPopupMenu();
    EXPECT_TRUE(restore->isEnabled());
    menu.hide();
}

} // namespace
} // namespace vl

namespace vl {
namespace {

// Offscreen there is no notification area: the desktop's tray reports none.
TEST(QtTray, WithoutANotificationAreaNothingFailsAndTheWindowGoesToTheTaskbar)
{
    TrayIcon tray;
    QWidget window;
    window.show();
    EXPECT_FALSE(tray.Attach(&window, false, false, "Velmora", "tray_ico"));
    EXPECT_FALSE(tray.SetTip("Next: Backup"));
    window.showMinimized();
    QApplication::processEvents();
    EXPECT_TRUE(window.isVisible());
    EXPECT_TRUE(window.isMinimized());
    tray.Detach();
}

} // namespace
} // namespace vl
