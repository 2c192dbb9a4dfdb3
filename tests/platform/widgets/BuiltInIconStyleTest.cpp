// The extension buttons' icons are Qt's own pictures, read without loading
// an image-format plugin.

#include "platform/widgets/BuiltInIconStyle.h"

#include <QFile>
#include <QImage>
#include <QStyleFactory>
#include <QStyleOption>

#include <gtest/gtest.h>

#include <memory>

namespace vl {
namespace {

bool ImagePluginLoaded()
{
    QFile maps(QStringLiteral("/proc/self/maps"));
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains("/imageformats/");
}

TEST(BuiltInIconStyleTest, ExtensionButtonsShowQtsOwnPicturesWithoutImagePlugins)
{
    const BuiltInIconStyle ours(QStyleFactory::create(QStringLiteral("Fusion")));
    const struct {
        QStyle::StandardPixmap icon;
        Qt::LayoutDirection direction;
    } cases[] = {{QStyle::SP_ToolBarHorizontalExtensionButton, Qt::LeftToRight},
                 {QStyle::SP_ToolBarHorizontalExtensionButton, Qt::RightToLeft},
                 {QStyle::SP_ToolBarVerticalExtensionButton, Qt::LeftToRight}};
    QList<QIcon> read;
    for (const auto& c : cases) {
        QStyleOption option;
        option.direction = c.direction;
        read << ours.standardIcon(c.icon, &option);
    }
    EXPECT_FALSE(ImagePluginLoaded());

    const std::unique_ptr<QStyle> qt(QStyleFactory::create(QStringLiteral("Fusion")));
    for (qsizetype i = 0; i < read.size(); ++i) {
        SCOPED_TRACE(i);
        QStyleOption option;
        option.direction = cases[i].direction;
        const QIcon expected = qt->standardIcon(cases[i].icon, &option);
        ASSERT_FALSE(expected.availableSizes().isEmpty());
        ASSERT_EQ(read[i].availableSizes(), expected.availableSizes());
        for (const QSize& size : expected.availableSizes())
            EXPECT_EQ(read[i].pixmap(size).toImage(), expected.pixmap(size).toImage());
    }
}

} // namespace
} // namespace vl
