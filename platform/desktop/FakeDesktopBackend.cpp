#include "platform/desktop/FakeDesktopBackend.h"

namespace vl {

void FakeDesktopBackend::AddWindow(const DesktopWindow& window, WindowHandle parent)
{
    entries_.append({window, parent});
}

QList<DesktopWindow> FakeDesktopBackend::TopLevelWindows()
{
    QList<DesktopWindow> windows;
    for (const Entry& entry : entries_) {
        if (entry.parent == 0)
            windows.append(entry.window);
    }
    return windows;
}

QList<DesktopWindow> FakeDesktopBackend::ChildWindows(WindowHandle parent)
{
    QList<DesktopWindow> windows;
    if (parent == 0)
        return windows;
    for (const Entry& entry : entries_) {
        if (entry.parent == parent) {
            windows.append(entry.window);
            windows.append(ChildWindows(entry.window.handle));
        }
    }
    return windows;
}

QString FakeDesktopBackend::WindowTitle(WindowHandle window)
{
    for (const Entry& entry : entries_) {
        if (entry.window.handle == window)
            return entry.window.title;
    }
    return {};
}

} // namespace vl
