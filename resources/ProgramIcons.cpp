#include "resources/ProgramIcons.h"

#include <QDirIterator>
#include <QFile>
#include <QHash>
#include <QIconEngine>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>


// The resources live in a static library: initialising them by name pulls
// them into every program that looks up an icon.
static void InitProgramIconResources()
{
    Q_INIT_RESOURCE(velmora_icons);
}

namespace vl {
namespace {

const QString kIconRoot = QStringLiteral(":/icons");
// The sizes an icon says it has; it is drawn at any size asked for.
constexpr int kIconSizes[] = {16, 22, 24, 32, 48, 64, 128};

QString LookupKey(const QString& name)
{
    QString key = name.trimmed();
    if (key.startsWith(QLatin1Char('~')))
        key.remove(0, 1);
    return IconResourceName(key).toLower();
}

// Lookup key -> resource path, read once from the compiled resources.
const QHash<QString, QString>& IconPaths()
{
    static const QHash<QString, QString> paths = [] {
        InitProgramIconResources();
        QHash<QString, QString> found;
        QDirIterator it(kIconRoot, QDir::Files);
        while (it.hasNext()) {
            const QString path = it.next();
            found.insert(LookupKey(it.fileName()), path);
        }
        return found;
    }();
    return paths;
}

QPixmap Render(QSvgRenderer& renderer, const QSize& size)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    renderer.render(&painter);
    painter.end();
    return QPixmap::fromImage(image);
}

// Draws an icon from its SVG only when a size of it is first asked for, and
// keeps what it drew: most icons of menus and toolbars are shown at one size
// or never, and drawing every size up front cost start-up time and memory.
// The SVG is read again for each size drawn, not kept read: a read document
// is many times the size of the few pictures drawn from it.
// The disabled and other modes are made from the drawn picture as for any
// icon of pictures.
class SvgIconEngine : public QIconEngine {
public:
    explicit SvgIconEngine(QByteArray svg) : svg_(std::move(svg)) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        const qreal scale = painter->device() ? painter->device()->devicePixelRatio() : 1.0;
        QPixmap picture = pixmap(rect.size() * scale, mode, state);
        picture.setDevicePixelRatio(scale);
        painter->drawPixmap(rect, picture);
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        if (size.isEmpty() || isNull())
            return {};
        if (!drawnSizes_.contains(size)) {
            QSvgRenderer renderer(svg_);
            drawn_.addPixmap(Render(renderer, size));
            drawnSizes_ << size;
        }
        return drawn_.pixmap(size, 1.0, mode, state);
    }

    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override
    {
        QList<QSize> sizes;
        for (const int size : kIconSizes)
            sizes << QSize(size, size);
        return sizes;
    }

    // The pictures are the program's own, each checked by the tests to read
    // as SVG: reading one only to answer this would cost every window its
    // start.
    bool isNull() override { return svg_.isEmpty(); }

    QIconEngine* clone() const override { return new SvgIconEngine(*this); }

private:
    QByteArray svg_;
    QIcon drawn_;               // the sizes drawn so far
    QList<QSize> drawnSizes_;
};

} // namespace

QString IconResourceName(const QString& iconName)
{
    QString name = iconName;
    while (name.endsWith(QLatin1Char(' ')))
        name.chop(1);
    if (name.size() > 4 && name.at(name.size() - 4) == QLatin1Char('.'))
        name[name.size() - 4] = QLatin1Char('_');
    return name;
}

bool HasIcon(const QString& name)
{
    return IconPaths().contains(LookupKey(name));
}

QIcon LoadIcon(const QString& name)
{
    const QString path = IconPaths().value(LookupKey(name));
    if (path.isEmpty())
        return {};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QIcon(new SvgIconEngine(file.readAll()));
}

} // namespace vl
