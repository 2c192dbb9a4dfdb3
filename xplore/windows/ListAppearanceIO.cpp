#include "xplore/windows/ListAppearanceIO.h"

#include "core/tabs/TabColours.h"

#include <QFontMetricsF>
#include <QHeaderView>
#include <QTableView>

#include <cmath>

namespace vl {

namespace {

constexpr int kItalic = 0x1000;
constexpr int kUnderline = 0x2000;
constexpr int kStrikeOut = 0x4000;
constexpr int kWeightMask = 0x0FFF;

int StoredColourOf(const QColor& colour)
{
    return colour.blue() << 16 | colour.green() << 8 | colour.red();
}

} // namespace

DialogUnits::DialogUnits(const QFont& font)
{
    const QFontMetricsF metrics(font);
    const QString letters = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    across_ = metrics.horizontalAdvance(letters) / letters.size() / 4.0;
    down_ = metrics.height() / 8.0;
}

int DialogUnits::ToPixelsX(int units) const
{
    return static_cast<int>(std::lround(units * across_));
}

int DialogUnits::ToPixelsY(int units) const
{
    return static_cast<int>(std::lround(units * down_));
}

int DialogUnits::FromPixelsX(int pixels) const
{
    return static_cast<int>(std::lround(pixels / across_));
}

int DialogUnits::FromPixelsY(int pixels) const
{
    return static_cast<int>(std::lround(pixels / down_));
}

int StoredFontStyle(const QFont& font)
{
    int style = font.weight();
    if (font.italic())
        style |= kItalic;
    if (font.underline())
        style |= kUnderline;
    if (font.strikeOut())
        style |= kStrikeOut;
    return style;
}

void ApplyStoredFontStyle(QFont& font, int style)
{
    const int weight = style & kWeightMask;
    font.setWeight(static_cast<QFont::Weight>(weight >= 1 && weight <= 1000 ? weight : QFont::Normal));
    font.setItalic(style & kItalic);
    font.setUnderline(style & kUnderline);
    font.setStrikeOut(style & kStrikeOut);
}

ListAppearance ReadAppearance(const QTableView& list)
{
    const DialogUnits units(list.font());
    ListAppearance appearance;
    appearance.x = units.FromPixelsX(list.x());
    appearance.y = units.FromPixelsY(list.y());
    appearance.width = units.FromPixelsX(list.width());
    appearance.height = units.FromPixelsY(list.height());
    appearance.hScroll = list.horizontalScrollBarPolicy() != Qt::ScrollBarAlwaysOff;
    appearance.vScroll = list.verticalScrollBarPolicy() != Qt::ScrollBarAlwaysOff;
    appearance.lineHeight = list.verticalHeader()->defaultSectionSize();
    appearance.font = list.font().family();
    appearance.point = list.font().pointSize();
    appearance.colour = list.palette().isBrushSet(QPalette::Active, QPalette::Text)
                            ? StoredColourOf(list.palette().color(QPalette::Text))
                            : -1;
    appearance.style = StoredFontStyle(list.font());
    return appearance;
}

void ApplyAppearance(QTableView& list, const ListAppearance& appearance, const ListAppearance& designed, bool place)
{
    QFont font = list.font();
    if (!appearance.font.isEmpty())
        font.setFamily(appearance.font);
    if (appearance.point > 0)
        font.setPointSize(appearance.point);
    ApplyStoredFontStyle(font, appearance.style);
    list.setFont(font);
    const QColor colour = StoredColour(appearance.colour);
    if (colour.isValid()) {
        QPalette palette = list.palette();
        palette.setColor(QPalette::Text, colour);
        list.setPalette(palette);
    } else if (list.palette().isBrushSet(QPalette::Active, QPalette::Text)) {
        list.setPalette(QPalette());
    }
    if (appearance.lineHeight > 0)
        list.verticalHeader()->setDefaultSectionSize(appearance.lineHeight);
    list.setHorizontalScrollBarPolicy(appearance.hScroll ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
    list.setVerticalScrollBarPolicy(appearance.vScroll ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
    if (!place)
        return;
    const DialogUnits units(list.font());
    list.move(units.ToPixelsX(appearance.x), units.ToPixelsY(appearance.y));
    if (appearance.width == designed.width) {
        list.setMinimumWidth(0);
        list.setMaximumWidth(QWIDGETSIZE_MAX);
    } else {
        list.setFixedWidth(units.ToPixelsX(appearance.width));
    }
    if (appearance.height == designed.height) {
        list.setMinimumHeight(0);
        list.setMaximumHeight(QWIDGETSIZE_MAX);
    } else {
        list.setFixedHeight(units.ToPixelsY(appearance.height));
    }
}

} // namespace vl
