#include "platform/print/PreviewPlace.h"

#include "platform/widgets/WindowPosition.h"

#include <algorithm>

namespace vl {

bool UsablePreviewSize(const QSize& size)
{
    return size.width() >= kSmallestPreview.width() && size.height() >= kSmallestPreview.height();
}

QRect PreviewPlace(const std::optional<QRect>& saved, const QRect& screen, const QList<QRect>& screens)
{
    if (saved && UsablePreviewSize(saved->size()))
        return FitOnScreens(*saved, screens);
    const QSize size(std::max(screen.width() * 3 / 4, std::min(kSmallestPreview.width(), screen.width())),
                     std::max(screen.height() * 9 / 10, std::min(kSmallestPreview.height(), screen.height())));
    QRect place(QPoint(0, 0), size);
    place.moveCenter(screen.center());
    return place;
}

} // namespace vl
