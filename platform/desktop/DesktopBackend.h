#pragma once
// The desktop as the program sees it: the windows of other programs, their
// titles, classes and visibility, and which one is active; raising and
// closing them, and synthetic keystrokes. Logic reaches the
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
    // The file name of the program that shows the window ("gedit"), without
    // its directory; empty when it cannot be told (a window of another
    // machine, or one that does not exist).
    virtual QString WindowProgram(WindowHandle window) = 0;

    // Raises a top-level window and gives it the keyboard focus; false when
    // the window does not exist.
    virtual bool ActivateWindow(WindowHandle window) = 0;
    // Asks a top-level window to close, as its close button does; false when
    // the window does not exist.
    virtual bool CloseWindow(WindowHandle window) = 0;

    // Synthetic keyboard input, to the window that has the focus.
    // A key is named by its PC virtual-key number: 8 Backspace, 9 Tab,
    // 13 Enter, 16 Shift, 17 Ctrl, 18 Alt, 19 Pause, 20 Caps Lock, 27 Esc,
    // 32 Space, 33-40 the page and arrow keys, 44-46 Print, Insert, Delete,
    // 48-57 digits, 65-90 letters, 91 Win, 96-111 the numeric pad, 112-123
    // F1-F12; 1, 2 and 3 are the left, right and middle mouse buttons and 5
    // and 6 the extra ones. False when the key cannot be sent (no such key
    // on this desktop).
    virtual bool SendKey(int virtualKey, bool down) = 0;
    // Types one character with whatever keys and modifiers the keyboard
    // needs for it; a character no key gives is typed all the same. The
    // modifiers it presses are released before it returns. False when the
    // character cannot be typed.
    virtual bool TypeCharacter(char32_t character) = 0;
    // Whether Caps Lock is on.
    virtual bool CapsLockOn() = 0;
};

// A desktop without windows: what the program sees without a display.
class EmptyDesktopBackend : public DesktopBackend {
public:
    QList<DesktopWindow> TopLevelWindows() override { return {}; }
    QList<DesktopWindow> ChildWindows(WindowHandle) override { return {}; }
    WindowHandle ActiveWindow() override { return 0; }
    QString WindowTitle(WindowHandle) override { return {}; }
    QString WindowProgram(WindowHandle) override { return {}; }
    bool ActivateWindow(WindowHandle) override { return false; }
    bool CloseWindow(WindowHandle) override { return false; }
    bool SendKey(int, bool) override { return false; }
    bool TypeCharacter(char32_t) override { return false; }
    bool CapsLockOn() override { return false; }
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
