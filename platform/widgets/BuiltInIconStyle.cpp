#include "platform/widgets/BuiltInIconStyle.h"

#include <QGuiApplication>
#include <QImageReader>
#include <QPixmap>
#include <QStyleOption>

namespace vl {
namespace {

const QString kImages = QStringLiteral(":/qt-project.org/styles/commonstyle/images/");

// The picture read as PNG only: no plugin is asked about it.
QPixmap ReadPng(const QString& path)
{
    QImageReader reader(path, "png");
    reader.setAutoDetectImageFormat(false);
    return QPixmap::fromImage(reader.read());
}

// The icon of Qt's files name-<size>.png, empty when one of them is missing.
QIcon IconOf(const QString& name, std::initializer_list<int> sizes)
{
    QIcon icon;
    for (const int size : sizes) {
        const QPixmap picture = ReadPng(kImages + name + QLatin1Char('-') + QString::number(size) + QStringLiteral(".png"));
        if (picture.isNull())
            return {};
        icon.addPixmap(picture);
    }
    return icon;
}

} // namespace

QIcon BuiltInIconStyle::standardIcon(StandardPixmap icon, const QStyleOption* option, const QWidget* widget) const
{
    QIcon read;
    if (icon == SP_ToolBarHorizontalExtensionButton) {
        const bool rightToLeft = option ? option->direction == Qt::RightToLeft : QGuiApplication::isRightToLeft();
        read = IconOf(rightToLeft ? QStringLiteral("toolbar-ext-h-rtl") : QStringLiteral("toolbar-ext-h"), {8, 16, 32});
    } else if (icon == SP_ToolBarVerticalExtensionButton) {
        read = IconOf(QStringLiteral("toolbar-ext-v"), {5, 10, 20});
    }
    // Qt's own way when its files are not where they were.
    return read.isNull() ? QProxyStyle::standardIcon(icon, option, widget) : read;
}

} // namespace vl
