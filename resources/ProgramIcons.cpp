#include "resources/ProgramIcons.h"

#include <QDirIterator>
#include <QFile>
#include <QHash>
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
// Sizes rendered into each icon; others are scaled from the nearest.
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

QPixmap Render(QSvgRenderer& renderer, int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    renderer.render(&painter);
    painter.end();
    return QPixmap::fromImage(image);
}

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
    QSvgRenderer renderer(file.readAll());
    if (!renderer.isValid())
        return {};
    QIcon icon;
    for (const int size : kIconSizes)
        icon.addPixmap(Render(renderer, size));
    return icon;
}

} // namespace vl
