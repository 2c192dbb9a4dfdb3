#pragma once
// The desktop of an X11 display, read through Xlib.
//
// Top-level windows come from the window manager's client list on the root
// window (_NET_CLIENT_LIST_STACKING, else _NET_CLIENT_LIST) or, where no
// window manager publishes one, from the children of the root window.
// Titles are _NET_WM_NAME, else WM_NAME; the class is the class part of
// WM_CLASS. Windows are raised and focused through the window manager
// (_NET_ACTIVE_WINDOW) where there is one, else directly, and closed with
// WM_DELETE_WINDOW; a window's program is found through _NET_WM_PID and
// /proc. Keystrokes go out through XTest (X11Keyboard.h).
// X protocol errors never end the program: every call runs with an
// error handler that counts and ignores them, and a window that vanishes
// while it is read is skipped.
//
// The backend owns its own display connection; calls are serialised, so it
// may be used from any thread.

#include "platform/desktop/DesktopBackend.h"

#include <functional>
#include <memory>

struct _XDisplay;

namespace vl {
namespace x11 {
struct Atoms;
class Keyboard;
} // namespace x11

class X11DesktopBackend : public DesktopBackend {
public:
    // Connects to the named display (nullptr: $DISPLAY); nullptr when the
    // display cannot be opened.
    static std::unique_ptr<X11DesktopBackend> Open(const char* displayName = nullptr);
    ~X11DesktopBackend() override;
    X11DesktopBackend(const X11DesktopBackend&) = delete;
    X11DesktopBackend& operator=(const X11DesktopBackend&) = delete;

    QList<DesktopWindow> TopLevelWindows() override;
    QList<DesktopWindow> ChildWindows(WindowHandle parent) override;
    WindowHandle ActiveWindow() override;
    QString WindowTitle(WindowHandle window) override;
    QString WindowProgram(WindowHandle window) override;
    bool ActivateWindow(WindowHandle window) override;
    bool CloseWindow(WindowHandle window) override;
    bool SendKey(int virtualKey, bool down) override;
    bool TypeCharacter(char32_t character) override;
    bool CapsLockOn() override;

    // Called once per window walk, after the handles were listed and before
    // any window's properties are read: lets tests change the desktop in the
    // middle of a walk. It runs while the backend is busy and must not call
    // the backend itself.
    void SetWalkHook(std::function<void()> hook);

    // X errors met (and ignored) since the backend was opened; read it while
    // no other thread is using the backend.
    int IgnoredErrors() const { return ignoredErrors_; }

private:
    X11DesktopBackend(_XDisplay* display, std::unique_ptr<x11::Atoms> atoms,
                      std::unique_ptr<x11::Keyboard> keyboard);

    QList<DesktopWindow> ReadWindows(const QList<unsigned long>& handles);
    QList<unsigned long> TopLevelHandles();
    QList<unsigned long> ChildrenTopFirst(unsigned long window, bool* ok);
    bool IsIconic(unsigned long window);
    QString ReadTitle(unsigned long window);
    QString ReadClass(unsigned long window);
    bool Exists(unsigned long window);
    bool WindowManagerSupports(unsigned long atom);
    void SendClientMessage(unsigned long window, unsigned long target, unsigned long type,
                           const QList<long>& data);

    _XDisplay* display_;
    std::unique_ptr<x11::Atoms> atoms_;
    std::unique_ptr<x11::Keyboard> keyboard_;
    std::function<void()> walkHook_;
    int ignoredErrors_ = 0;
};

} // namespace vl
