#pragma once

#include <QStatusBar>

namespace vl::test {

// Whether the window's status line is where the user reads it: shown,
// inside the window and a line of text high, with its text not cut.
inline bool StatusLineShown(const QStatusBar* line)
{
    if (!line || !line->isVisible())
        return false;
    const QWidget* window = line->window();
    const QRect onWindow(line->mapTo(window, QPoint(0, 0)), line->size());
    return window->rect().contains(onWindow) && line->height() >= line->fontMetrics().height() &&
           line->fontMetrics().horizontalAdvance(line->currentMessage()) <= line->width();
}

} // namespace vl::test
