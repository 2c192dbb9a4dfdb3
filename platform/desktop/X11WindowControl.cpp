// The X11 backend's actions on windows and the keyboard: raising, focusing
// and closing a window, naming its program, and synthetic input.

#include "platform/desktop/X11DesktopBackend.h"

#include <QFile>
#include <QFileInfo>

#include <unistd.h>

// Xlib last: its macros (None, Bool, Status) would clash with Qt's headers.
#include "platform/desktop/X11Keyboard.h"
#include "platform/desktop/X11Support.h"

#include <X11/Xatom.h>
#include <X11/Xutil.h>

namespace vl {
namespace {

constexpr long kSourcePager = 2; // _NET_ACTIVE_WINDOW from a pager: always obeyed
constexpr long kMaxSupportedLongs = 4096;

// Whether the window's client runs on this machine (a pid means nothing
// elsewhere); a window that does not say is taken as local.
bool IsLocalClient(Display* display, Window window)
{
    XTextProperty machine{};
    if (!XGetWMClientMachine(display, window, &machine) || !machine.value)
        return true;
    const QString name = QString::fromLatin1(reinterpret_cast<const char*>(machine.value),
                                             static_cast<qsizetype>(machine.nitems));
    XFree(machine.value);
    char host[256] = {};
    gethostname(host, sizeof(host) - 1);
    return name.compare(QString::fromLocal8Bit(host), Qt::CaseInsensitive) == 0;
}

// The file name of a process's program: its executable, else the name the
// system keeps for it (a process of another user hides its executable).
QString ProgramOfProcess(unsigned long pid)
{
    const QString dir = QStringLiteral("/proc/%1/").arg(pid);
    const QString executable = QFile::symLinkTarget(dir + QStringLiteral("exe"));
    if (!executable.isEmpty())
        return QFileInfo(executable).fileName();
    QFile comm(dir + QStringLiteral("comm"));
    if (!comm.open(QIODevice::ReadOnly))
        return {};
    return QString::fromLocal8Bit(comm.readAll()).trimmed();
}

} // namespace

QString X11DesktopBackend::WindowProgram(WindowHandle window)
{
    if (window == 0)
        return {};
    unsigned long pid = 0;
    {
        x11::ErrorTrap trap(display_, ignoredErrors_);
        const auto value = x11::ReadLongs(display_, window, atoms_->wmPid, XA_CARDINAL, 1);
        if (!value || value->isEmpty() || !IsLocalClient(display_, window))
            return {};
        pid = value->first();
    }
    return pid == 0 ? QString() : ProgramOfProcess(pid);
}

bool X11DesktopBackend::ActivateWindow(WindowHandle window)
{
    if (window == 0)
        return false;
    x11::ErrorTrap trap(display_, ignoredErrors_);
    if (!Exists(window))
        return false;
    if (WindowManagerSupports(atoms_->activeWindow)) {
        SendClientMessage(DefaultRootWindow(display_), window, atoms_->activeWindow,
                          {kSourcePager, CurrentTime, 0});
        return true;
    }
    // No window manager to ask: map and raise the window and focus it.
    XMapRaised(display_, window);
    XSetInputFocus(display_, window, RevertToParent, CurrentTime);
    XSync(display_, False);
    return Exists(window);
}

bool X11DesktopBackend::CloseWindow(WindowHandle window)
{
    if (window == 0)
        return false;
    x11::ErrorTrap trap(display_, ignoredErrors_);
    if (!Exists(window))
        return false;
    Atom* protocols = nullptr;
    int count = 0;
    bool deletable = false;
    if (XGetWMProtocols(display_, window, &protocols, &count)) {
        for (int i = 0; i < count; ++i)
            deletable = deletable || protocols[i] == atoms_->wmDeleteWindow;
        XFree(protocols);
    }
    if (deletable)
        SendClientMessage(window, window, atoms_->wmProtocols,
                          {static_cast<long>(atoms_->wmDeleteWindow), CurrentTime});
    else if (WindowManagerSupports(atoms_->closeWindow))
        SendClientMessage(DefaultRootWindow(display_), window, atoms_->closeWindow, {CurrentTime, kSourcePager});
    else
        XDestroyWindow(display_, window); // a window that takes no request to close
    return true;
}

bool X11DesktopBackend::SendKey(int virtualKey, bool down)
{
    x11::ErrorTrap trap(display_, ignoredErrors_);
    return keyboard_->SendKey(virtualKey, down) && x11::ErrorTrap::Errors() == 0;
}

bool X11DesktopBackend::TypeCharacter(char32_t character)
{
    x11::ErrorTrap trap(display_, ignoredErrors_);
    return keyboard_->TypeCharacter(character) && x11::ErrorTrap::Errors() == 0;
}

bool X11DesktopBackend::CapsLockOn()
{
    x11::ErrorTrap trap(display_, ignoredErrors_);
    return keyboard_->CapsLockOn();
}

bool X11DesktopBackend::Exists(unsigned long window)
{
    XWindowAttributes attributes;
    return XGetWindowAttributes(display_, window, &attributes) != 0;
}

bool X11DesktopBackend::WindowManagerSupports(unsigned long atom)
{
    const auto supported =
        x11::ReadLongs(display_, DefaultRootWindow(display_), atoms_->supported, XA_ATOM, kMaxSupportedLongs);
    return supported && supported->contains(atom);
}

void X11DesktopBackend::SendClientMessage(unsigned long window, unsigned long target, unsigned long type,
                                          const QList<long>& data)
{
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = target;
    event.xclient.message_type = type;
    event.xclient.format = 32;
    for (qsizetype i = 0; i < data.size() && i < 5; ++i)
        event.xclient.data.l[i] = data[i];
    const bool toRoot = window == DefaultRootWindow(display_);
    XSendEvent(display_, window, False, toRoot ? SubstructureRedirectMask | SubstructureNotifyMask : NoEventMask,
               &event);
    XSync(display_, False);
}

} // namespace vl
