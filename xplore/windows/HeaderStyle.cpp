#include "xplore/windows/HeaderStyle.h"

#include <QPainter>
#include <QStyleOptionHeader>

namespace vl {

const HeaderStyle::Section* HeaderStyle::Look(int section) const
{
    const auto it = sections_.find(section);
    return it != sections_.end() ? &it->second : nullptr;
}

void HeaderStyle::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                              const QWidget* widget) const
{
    const auto* header = qstyleoption_cast<const QStyleOptionHeader*>(option);
    const Section* look = header ? Look(header->section) : nullptr;
    if (element != CE_HeaderLabel || !look) {
        QProxyStyle::drawControl(element, option, painter, widget);
        return;
    }
    QStyleOptionHeader label = *header;
    label.textAlignment = look->alignment | Qt::AlignVCenter;
    painter->save();
    QFont font = painter->font();
    font.setUnderline(look->underline);
    painter->setFont(font);
    QProxyStyle::drawControl(element, &label, painter, widget);
    painter->restore();
}

} // namespace vl
