#include "resources/ProgramIcons.h"

#include <QDirIterator>
#include <QImage>
#include <QSvgRenderer>

#include <gtest/gtest.h>

namespace vl {
namespace {

bool HasPaint(const QIcon& icon)
{
    const QImage image = icon.pixmap(32).toImage();
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(image.pixel(x, y)) != 0)
                return true;
        }
    }
    return false;
}

TEST(ProgramIcons, EveryIconTheFrameAndTrayShowIsDrawn)
{
    QStringList names = {"tray_ico", "traybusy_ico", "traybus2_ico", "busykey.ico", "busykey2.ico",
                         "busykey3.ico", "busykey4.ico", "WIZARD.ICO", "MVLROTAT.GIF", "close.ico", "help.ico"};
    for (const char letter : QByteArray("abcdefg")) {
        names << QStringLiteral("~wrk%1.ico").arg(letter) << QStringLiteral("~wrk%1s.ico").arg(letter);
    }
    for (const QString& name : names) {
        const QIcon icon = LoadIcon(name);
        EXPECT_FALSE(icon.isNull()) << name.toStdString();
        EXPECT_TRUE(HasPaint(icon)) << name.toStdString();
    }
}

TEST(ProgramIcons, EveryIconOfTheProgramReadsAsSvg)
{
    ASSERT_TRUE(HasIcon("tray_ico")); // the resources are loaded
    int icons = 0;
    for (QDirIterator it(":/icons", QDir::Files); it.hasNext(); ++icons) {
        const QString path = it.next();
        EXPECT_TRUE(QSvgRenderer(path).isValid()) << path.toStdString();
    }
    EXPECT_GT(icons, 30);
}

TEST(ProgramIcons, TheBlankIconExistsAndIsEmpty)
{
    const QIcon blank = LoadIcon("~blank.ico");
    EXPECT_FALSE(blank.isNull());
    EXPECT_FALSE(HasPaint(blank));
}

TEST(ProgramIcons, EverySpellingOfANameFindsTheSameIcon)
{
    const QImage tray = LoadIcon("tray_ico").pixmap(32).toImage();
    for (const char* name : {"tray.ico", "TRAY_ICO", "~tray.ico", "Tray.Ico  "}) {
        EXPECT_EQ(LoadIcon(name).pixmap(32).toImage(), tray) << name;
    }
    EXPECT_NE(LoadIcon("traybusy_ico").pixmap(32).toImage(), tray);
}

TEST(ProgramIcons, AnUnknownNameGivesAnEmptyIcon)
{
    EXPECT_TRUE(LoadIcon("nosuch.ico").isNull());
    EXPECT_TRUE(LoadIcon("").isNull());
    EXPECT_FALSE(HasIcon("nosuch.ico"));
    EXPECT_TRUE(HasIcon("~wrkg.ico"));
}

TEST(ProgramIcons, IconsAreRenderedAtTheSizeAskedFor)
{
    const QIcon icon = LoadIcon("tray_ico");
    EXPECT_EQ(icon.pixmap(16).size(), QSize(16, 16));
    EXPECT_EQ(icon.pixmap(64).size(), QSize(64, 64));
}

} // namespace
} // namespace vl
