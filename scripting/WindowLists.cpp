#include "scripting/WindowLists.h"

#include "platform/runtime/FixedText.h"

namespace vl {
namespace {

// A window "without title text" has none, or only blanks (stored text is
// compared clipped).
bool HasTitle(const QString& title) { return !Clip(title).isEmpty(); }

} // namespace

void ListTopWindows(TopWindowQueue& queue, bool exclHidden, DesktopBackend& desktop)
{
    queue.clear();
    for (const DesktopWindow& window : desktop.TopLevelWindows()) {
        if (!HasTitle(window.title))
            continue;
        if (exclHidden && !window.visible)
            continue;
        queue.append({CutTo(window.title, kWindowTextWidth), window.handle,
                      CutTo(window.className, kWindowTextWidth)});
    }
}

void ListChildWindows(ChildWindowQueue& queue, WindowHandle parent, DesktopBackend& desktop)
{
    queue.clear();
    for (const DesktopWindow& window : desktop.ChildWindows(parent)) {
        if (!HasTitle(window.title))
            continue;
        queue.append({CutTo(window.title, kWindowTextWidth), CutTo(window.className, kWindowTextWidth),
                      window.handle});
    }
}

} // namespace vl
