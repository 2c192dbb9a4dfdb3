#include "platform/desktop/X11DesktopBackend.h"

#include <algorithm>
#include <mutex>
#include <vector>

// Xlib last: its macros (None, Bool, Status) would clash with other headers.
#include "platform/desktop/X11Keyboard.h"
#include "platform/desktop/X11Support.h"

#include <X11/Xatom.h>
#include <X11/Xutil.h>

namespace vl {
namespace {

using x11::ErrorTrap;
using x11::ReadLongs;

// Longest property read, in 32-bit units: 64 KB of client list, 4 KB of title.
constexpr long kMaxListLongs = 16384;
constexpr long kMaxTitleLongs = 1024;
constexpr long kIconicState = 3; // WM_STATE value of a minimised window

// Text of a WM_NAME-style property in whichever encoding the client chose.
QString DecodeTextProperty(Display* display, XTextProperty& property, Atom utf8String)
{
    if (!property.value || property.format != 8)
        return {};
    const char* bytes = reinterpret_cast<const char*>(property.value);
    const auto length = static_cast<qsizetype>(property.nitems);
    if (property.encoding == utf8String)
        return QString::fromUtf8(bytes, length);
    if (property.encoding != XA_STRING) {
        char** list = nullptr;
        int count = 0;
        if (Xutf8TextPropertyToTextList(display, &property, &list, &count) >= Success && list) {
            QString text;
            for (int i = 0; i < count; ++i)
                text += QString::fromUtf8(list[i]);
            XFreeStringList(list);
            return text;
        }
    }
    return QString::fromLatin1(bytes, length); // ICCCM STRING is Latin-1
}

} // namespace

std::unique_ptr<X11DesktopBackend> X11DesktopBackend::Open(const char* displayName)
{
    Display* display = XOpenDisplay(displayName);
    if (!display)
        return nullptr;
    auto atoms = std::make_unique<x11::Atoms>();
    std::unique_ptr<x11::Keyboard> keyboard;
    {
        int errors = 0;
        ErrorTrap trap(display, errors);
        *atoms = x11::InternAtoms(display);
        keyboard = std::make_unique<x11::Keyboard>(display);
    }
    return std::unique_ptr<X11DesktopBackend>(
        new X11DesktopBackend(display, std::move(atoms), std::move(keyboard)));
}

X11DesktopBackend::X11DesktopBackend(_XDisplay* display, std::unique_ptr<x11::Atoms> atoms,
                                     std::unique_ptr<x11::Keyboard> keyboard)
    : display_(display), atoms_(std::move(atoms)), keyboard_(std::move(keyboard))
{
}

X11DesktopBackend::~X11DesktopBackend()
{
    std::lock_guard<std::mutex> lock(x11::DisplayMutex());
    keyboard_.reset();
    XCloseDisplay(display_);
}

void X11DesktopBackend::SetWalkHook(std::function<void()> hook)
{
    std::lock_guard<std::mutex> lock(x11::DisplayMutex());
    walkHook_ = std::move(hook);
}

QList<DesktopWindow> X11DesktopBackend::TopLevelWindows()
{
    ErrorTrap trap(display_, ignoredErrors_);
    const QList<unsigned long> handles = TopLevelHandles();
    if (walkHook_)
        walkHook_();
    return ReadWindows(handles);
}

QList<DesktopWindow> X11DesktopBackend::ChildWindows(WindowHandle parent)
{
    if (parent == 0)
        return {};
    ErrorTrap trap(display_, ignoredErrors_);
    bool ok = false;
    QList<unsigned long> direct = ChildrenTopFirst(parent, &ok);
    // Depth first: each child, then its own descendants.
    std::vector<unsigned long> pending(direct.rbegin(), direct.rend());
    QList<unsigned long> handles;
    while (!pending.empty()) {
        const unsigned long window = pending.back();
        pending.pop_back();
        handles.append(window);
        const QList<unsigned long> children = ChildrenTopFirst(window, &ok);
        pending.insert(pending.end(), children.rbegin(), children.rend());
    }
    if (walkHook_)
        walkHook_();
    return ReadWindows(handles);
}

WindowHandle X11DesktopBackend::ActiveWindow()
{
    ErrorTrap trap(display_, ignoredErrors_);
    const Window root = DefaultRootWindow(display_);
    if (auto active = ReadLongs(display_, root, atoms_->activeWindow, XA_WINDOW, 1))
        return active->isEmpty() ? 0 : static_cast<WindowHandle>(active->first());

    // No window manager says which window is active: take the top-level
    // window that holds the keyboard focus.
    Window window = None;
    int revertTo = 0;
    XGetInputFocus(display_, &window, &revertTo);
    if (window == None || window == PointerRoot || window == root)
        return 0;
    for (;;) {
        Window rootReturn = None;
        Window parent = None;
        Window* children = nullptr;
        unsigned int count = 0;
        if (!XQueryTree(display_, window, &rootReturn, &parent, &children, &count))
            return 0;
        if (children)
            XFree(children);
        if (parent == root || parent == None)
            return static_cast<WindowHandle>(window);
        window = parent;
    }
}

QString X11DesktopBackend::WindowTitle(WindowHandle window)
{
    if (window == 0)
        return {};
    ErrorTrap trap(display_, ignoredErrors_);
    const QString title = ReadTitle(window);
    return ErrorTrap::Errors() == 0 ? title : QString();
}

QList<DesktopWindow> X11DesktopBackend::ReadWindows(const QList<unsigned long>& handles)
{
    QList<DesktopWindow> windows;
    for (const unsigned long handle : handles) {
        const int errorsBefore = ErrorTrap::Errors();
        XWindowAttributes attributes;
        if (!XGetWindowAttributes(display_, handle, &attributes))
            continue; // gone before it could be read
        DesktopWindow window;
        window.handle = static_cast<WindowHandle>(handle);
        window.visible = attributes.map_state != IsUnmapped || IsIconic(handle);
        window.title = ReadTitle(handle);
        window.className = ReadClass(handle);
        if (ErrorTrap::Errors() != errorsBefore)
            continue; // gone while it was read: what was read is incomplete
        windows.append(window);
    }
    return windows;
}

QList<unsigned long> X11DesktopBackend::TopLevelHandles()
{
    const Window root = DefaultRootWindow(display_);
    if (auto stacking = ReadLongs(display_, root, atoms_->clientListStacking, XA_WINDOW, kMaxListLongs)) {
        std::reverse(stacking->begin(), stacking->end()); // published bottom to top
        return *stacking;
    }
    if (auto clients = ReadLongs(display_, root, atoms_->clientList, XA_WINDOW, kMaxListLongs))
        return *clients;
    bool ok = false;
    return ChildrenTopFirst(root, &ok);
}

QList<unsigned long> X11DesktopBackend::ChildrenTopFirst(unsigned long window, bool* ok)
{
    Window root = None;
    Window parent = None;
    Window* children = nullptr;
    unsigned int count = 0;
    *ok = XQueryTree(display_, window, &root, &parent, &children, &count) != 0;
    QList<unsigned long> list;
    if (*ok && children) {
        // XQueryTree lists children bottom to top.
        for (unsigned int i = count; i > 0; --i)
            list.append(children[i - 1]);
    }
    if (children)
        XFree(children);
    return list;
}

bool X11DesktopBackend::IsIconic(unsigned long window)
{
    const auto state = ReadLongs(display_, window, atoms_->wmState, atoms_->wmState, 1);
    return state && !state->isEmpty() && state->first() == kIconicState;
}

QString X11DesktopBackend::ReadTitle(unsigned long window)
{
    Atom actualType = None;
    int actualFormat = 0;
    unsigned long count = 0;
    unsigned long after = 0;
    unsigned char* data = nullptr;
    QString title;
    const int status = XGetWindowProperty(display_, window, atoms_->wmName, 0, kMaxTitleLongs, False,
                                          atoms_->utf8String, &actualType, &actualFormat, &count,
                                          &after, &data);
    const bool haveNetName =
        status == Success && actualType == atoms_->utf8String && actualFormat == 8 && count > 0;
    if (haveNetName)
        title = QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(count));
    if (data)
        XFree(data);
    if (haveNetName)
        return title;

    XTextProperty property{};
    if (XGetWMName(display_, window, &property)) {
        title = DecodeTextProperty(display_, property, atoms_->utf8String);
        if (property.value)
            XFree(property.value);
    }
    return title;
}

QString X11DesktopBackend::ReadClass(unsigned long window)
{
    XClassHint hint{};
    if (!XGetClassHint(display_, window, &hint))
        return {};
    const QString className = hint.res_class ? QString::fromLatin1(hint.res_class) : QString();
    if (hint.res_name)
        XFree(hint.res_name);
    if (hint.res_class)
        XFree(hint.res_class);
    return className;
}

} // namespace vl
