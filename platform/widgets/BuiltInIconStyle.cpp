#include "platform/widgets/BuiltInIconStyle.h"

#include <QFile>
#include <QGuiApplication>
#include <QIconEngine>
#include <QImageReader>
#include <QPixmap>
#include <QStyleOption>

#include <optional>

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

// Qt's files name-<size>.png as one icon, read when it is first drawn or
// measured: the extension buttons that show them appear only when a bar
// overflows, and the first picture read costs the first window its time.
class BuiltInIconEngine : public QIconEngine {
public:
    explicit BuiltInIconEngine(QStringList paths) : paths_(std::move(paths)) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        Read().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return Read().pixmap(size, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return Read().actualSize(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override
    {
        return Read().availableSizes(mode, state);
    }
    bool isNull() override { return false; }
    QIconEngine* clone() const override { return new BuiltInIconEngine(*this); }

private:
    const QIcon& Read()
    {
        if (!read_) {
            read_.emplace();
            for (const QString& path : std::as_const(paths_))
                read_->addPixmap(ReadPng(path));
        }
        return *read_;
    }

    QStringList paths_;
    std::optional<QIcon> read_;
};

// The icon of Qt's files name-<size>.png, empty when one of them is missing.
QIcon IconOf(const QString& name, std::initializer_list<int> sizes)
{
    QStringList paths;
    for (const int size : sizes) {
        paths << kImages + name + QLatin1Char('-') + QString::number(size) + QStringLiteral(".png");
        if (!QFile::exists(paths.last()))
            return {};
    }
    return QIcon(new BuiltInIconEngine(paths));
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
