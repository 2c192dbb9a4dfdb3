#include "core/tabs/TabColours.h"

#include <QStringList>

namespace vl {
namespace {

QString Rule(const QString& selector, const QColor& background, const QColor& text)
{
    QStringList properties;
    if (background.isValid())
        properties << QStringLiteral("background-color: %1;").arg(background.name());
    if (text.isValid())
        properties << QStringLiteral("color: %1;").arg(text.name());
    if (properties.isEmpty())
        return {};
    return QStringLiteral("%1 { %2 }").arg(selector, properties.join(QLatin1Char(' ')));
}

} // namespace

QColor StoredColour(qint32 value)
{
    if (value < 0)
        return {};
    return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}

QString TabStyleSheet(const TabColours& colours)
{
    QStringList rules;
    const QString selected = Rule(QStringLiteral("QTabBar::tab:selected"), StoredColour(colours.selectedTab),
                                  StoredColour(colours.selectedText));
    const QString unselected = Rule(QStringLiteral("QTabBar::tab:!selected"),
                                    StoredColour(colours.unselectedTab), StoredColour(colours.unselectedText));
    for (const QString& rule : {selected, unselected}) {
        if (!rule.isEmpty())
            rules << rule;
    }
    return rules.join(QLatin1Char('\n'));
}

} // namespace vl
