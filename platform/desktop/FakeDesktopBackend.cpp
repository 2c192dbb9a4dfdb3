#include "platform/desktop/FakeDesktopBackend.h"

namespace vl {
namespace {

constexpr int kCapsLockKey = 20;

} // namespace

void FakeDesktopBackend::AddWindow(const DesktopWindow& window, WindowHandle parent)
{
    entries_.append({window, parent});
}

void FakeDesktopBackend::RemoveWindow(WindowHandle window)
{
    QList<WindowHandle> gone{window};
    for (qsizetype i = 0; i < gone.size(); ++i) {
        for (const Entry& entry : entries_) {
            if (entry.parent == gone[i])
                gone.append(entry.window.handle);
        }
    }
    entries_.removeIf([&](const Entry& entry) { return gone.contains(entry.window.handle); });
    if (gone.contains(active_))
        active_ = 0;
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

QString FakeDesktopBackend::WindowProgram(WindowHandle window)
{
    return Exists(window) ? programs_.value(window) : QString();
}

bool FakeDesktopBackend::ActivateWindow(WindowHandle window)
{
    if (!Exists(window))
        return false;
    active_ = window;
    events_.append(QStringLiteral("activate %1").arg(window));
    return true;
}

bool FakeDesktopBackend::CloseWindow(WindowHandle window)
{
    if (!Exists(window))
        return false;
    events_.append(QStringLiteral("close %1").arg(window));
    RemoveWindow(window);
    return true;
}

bool FakeDesktopBackend::SendKey(int virtualKey, bool down)
{
    if (refusedKeys_.contains(virtualKey))
        return false;
    if (down) {
        held_.insert(virtualKey);
        if (virtualKey == kCapsLockKey)
            capsLock_ = !capsLock_;
    } else {
        held_.remove(virtualKey);
    }
    events_.append(QStringLiteral("%1 %2").arg(down ? "down" : "up").arg(virtualKey));
    return true;
}

bool FakeDesktopBackend::TypeCharacter(char32_t character)
{
    if (refusedCharacters_.contains(character))
        return false;
    events_.append(QStringLiteral("type ") + QString::fromUcs4(&character, 1));
    return true;
}

bool FakeDesktopBackend::Exists(WindowHandle window) const
{
    for (const Entry& entry : entries_) {
        if (entry.window.handle == window)
            return true;
    }
    return false;
}

} // namespace vl
