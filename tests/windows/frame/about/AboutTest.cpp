#include "core/frame/AboutTexts.h"
#include "windows/frame/about/AboutWindow.h"
#include "platform/runtime/Picture.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

namespace vl {
namespace {

TEST(AboutTexts, NameVersionAndBuild)
{
    const AboutTexts texts = MakeAboutTexts("Velmora 2000        ", "1.91      ");
    EXPECT_EQ(texts.caption, "About");
    EXPECT_EQ(texts.productName, "Velmora 2000");
    EXPECT_EQ(texts.version, "1.91");
    EXPECT_EQ(texts.buildLabel, "Build");
    EXPECT_EQ(texts.buildNumber, "8");
    EXPECT_EQ(texts.closeButton, "Cl&ose");
    EXPECT_EQ(texts.helpButton, "&Help");
}

TEST(AboutTexts, TheBuildDateFollowsTheDesktopsShortDateFormat)
{
    {
        Picture::LocaleOverride locale(QLocale(QLocale::English, QLocale::UnitedStates));
        EXPECT_EQ(MakeAboutTexts("Velmora 2000", "1.91").buildDate, "7/7/99");
    }
    {
        Picture::LocaleOverride locale(QLocale(QLocale::English, QLocale::UnitedKingdom));
        EXPECT_EQ(MakeAboutTexts("Velmora 2000", "1.91").buildDate, "07/07/1999");
    }
}

TEST(AboutWindow, ShowsTheTextsWithCloseAsDefaultAndNoHelpFile)
{
    Picture::LocaleOverride locale(QLocale(QLocale::English, QLocale::UnitedKingdom));
    AboutWindow window(MakeAboutTexts("Velmora 2000", "1.91"));
    EXPECT_EQ(window.windowTitle(), "About");
    EXPECT_FALSE(window.windowIcon().isNull());
    EXPECT_EQ(window.ProductLine()->text(), "Velmora 2000");
    EXPECT_EQ(window.VersionLine()->text(), "1.91");
    EXPECT_EQ(window.BuildNumber()->text(), "8");
    EXPECT_EQ(window.BuildDate()->text(), "07/07/1999");
    EXPECT_EQ(window.CloseButton()->text(), "Cl&ose");
    EXPECT_TRUE(window.CloseButton()->isDefault());
    EXPECT_EQ(window.HelpButton()->text(), "&Help");
    EXPECT_FALSE(window.HelpButton()->isEnabled());
}

TEST(AboutWindow, RunsModallyOverTheFrameUntilClosed)
{
    QWidget frame;
    frame.show();
    QString seenTitle;
    bool seenOverFrame = false;
    QTimer::singleShot(0, [&] {
        auto* window = qobject_cast<AboutWindow*>(QApplication::activeModalWidget());
        ASSERT_NE(window, nullptr);
        seenTitle = window->windowTitle();
        seenOverFrame = window->parentWidget() == &frame;
        window->CloseButton()->click();
    });
    About(&frame, "Velmora 2000", "1.91");
    EXPECT_EQ(seenTitle, "About");
    EXPECT_TRUE(seenOverFrame);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

} // namespace
} // namespace vl
