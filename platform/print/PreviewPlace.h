#pragma once
// Where a report preview opens. A page is only readable in a large window,
// so the preview takes most of the screen unless the user left it at a size
// of their own that still shows a page; a size too small to read a page in
// is neither used nor kept.

#include <QList>
#include <QRect>

#include <optional>

namespace vl {

// The smallest preview that shows a page readably.
inline constexpr QSize kSmallestPreview{480, 360};

bool UsablePreviewSize(const QSize& size);

// The saved place when it is usable (moved onto a screen when it lies on
// none), else three quarters of the screen's width and nine tenths of its
// height, centred on it.
QRect PreviewPlace(const std::optional<QRect>& saved, const QRect& screen, const QList<QRect>& screens);

} // namespace vl
