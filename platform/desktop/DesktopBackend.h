#pragma once
// The desktop as the program sees it: the windows of other programs, their
// titles, classes and visibility, and which one is active. Logic reaches the
// desktop only through this interface so that it runs against a scripted
// fake in tests and against nothing at all where no display can be opened.

#include <QList>
#include <QString>

#include <memory>

namespace vl {

// A window's handle as the window queues store it (32 bits; X11 window ids
// fit). 0 is no window.
using WindowHandle = quint32;

struct DesktopWindow {
    WindowHandle handle = 0;
    QString title;     // empty when the window has none
    QString className; // empty when the window has none
    // Shown to the user: mapped, or minimised (a minimised window counts as
    // visible, only a withdrawn or never-shown one is hidden).
    bool visible = false;
};

class DesktopBackend {
public:
    virtual ~DesktopBackend() = default;

    // The top-level windows, topmost first. A window that goes away while
    // the list is read is left out; nothing fails.
    virtual QList<DesktopWindow> TopLevelWindows() = 0;
    // Every descendant of a window (each child followed by its own
    // descendants, topmost first); empty when the window does not exist.
    virtual QList<DesktopWindow> ChildWindows(WindowHandle parent) = 0;
    // The window the user works in, 0 when none is known.
    virtual WindowHandle ActiveWindow() = 0;
    // A window's title; empty when it has none or does not exist.
    virtual QString WindowTitle(WindowHandle window) = 0;
};

// A desktop without windows: what the program sees without a display.
class EmptyDesktopBackend : public DesktopBackend {
public:
    QList<DesktopWindow> TopLevelWindows() override { return {}; }
    QList<DesktopWindow> ChildWindows(WindowHandle) override { return {}; }
    WindowHandle ActiveWindow() override { return 0; }
    QString WindowTitle(WindowHandle) override { return {}; }
};

// The X11 desktop when a display can be opened ($DISPLAY), else an empty one.
std::unique_ptr<DesktopBackend> MakeDesktopBackend();

// The desktop the program works with: the one installed by a
// DesktopOverride, else the one MakeDesktopBackend gave on first use.
DesktopBackend& CurrentDesktop();

// Installs a desktop for the lifetime of this object (tests), restoring the
// previous one afterwards.
class DesktopOverride {
public:
    explicit DesktopOverride(DesktopBackend& desktop);
    ~DesktopOverride();
    DesktopOverride(const DesktopOverride&) = delete;
    DesktopOverride& operator=(const DesktopOverride&) = delete;

private:
    DesktopBackend* previous_;
};

} // namespace vl
