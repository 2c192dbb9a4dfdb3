#include "platform/desktop/X11Support.h"

namespace vl::x11 {
namespace {

Display* gTrappedDisplay = nullptr;
int gTrappedErrors = 0;
XErrorHandler gPreviousHandler = nullptr;

int CountError(Display* display, XErrorEvent* event)
{
    if (display == gTrappedDisplay) {
        ++gTrappedErrors;
        return 0;
    }
    return gPreviousHandler ? gPreviousHandler(display, event) : 0;
}

} // namespace

std::mutex& DisplayMutex()
{
    static std::mutex mutex;
    return mutex;
}

ErrorTrap::ErrorTrap(Display* display, int& total) : lock_(DisplayMutex()), display_(display), total_(total)
{
    gTrappedDisplay = display;
    gTrappedErrors = 0;
    gPreviousHandler = XSetErrorHandler(CountError);
}

ErrorTrap::~ErrorTrap()
{
    // Errors of requests still on their way arrive now, while the trap is
    // in place, rather than later at the default handler (which would end
    // the program).
    XSync(display_, False);
    total_ += gTrappedErrors;
    XSetErrorHandler(gPreviousHandler);
    gTrappedDisplay = nullptr;
    gPreviousHandler = nullptr;
}

int ErrorTrap::Errors() { return gTrappedErrors; }

Atoms InternAtoms(Display* display)
{
    const char* names[] = {"_NET_CLIENT_LIST", "_NET_CLIENT_LIST_STACKING", "_NET_ACTIVE_WINDOW",
                           "_NET_WM_NAME",     "UTF8_STRING",               "WM_STATE",
                           "_NET_WM_PID",      "WM_PROTOCOLS",              "WM_DELETE_WINDOW",
                           "_NET_CLOSE_WINDOW", "_NET_SUPPORTED"};
    constexpr int kCount = sizeof(names) / sizeof(names[0]);
    Atom values[kCount] = {};
    XInternAtoms(display, const_cast<char**>(names), kCount, False, values);
    Atoms atoms;
    Atom* fields[kCount] = {&atoms.clientList, &atoms.clientListStacking, &atoms.activeWindow,
                            &atoms.wmName,     &atoms.utf8String,         &atoms.wmState,
                            &atoms.wmPid,      &atoms.wmProtocols,        &atoms.wmDeleteWindow,
                            &atoms.closeWindow, &atoms.supported};
    for (int i = 0; i < kCount; ++i)
        *fields[i] = values[i];
    return atoms;
}

std::optional<QList<unsigned long>> ReadLongs(Display* display, Window window, Atom property, Atom type,
                                              long maxLongs)
{
    Atom actualType = None;
    int actualFormat = 0;
    unsigned long count = 0;
    unsigned long after = 0;
    unsigned char* data = nullptr;
    const int status = XGetWindowProperty(display, window, property, 0, maxLongs, False, type, &actualType,
                                          &actualFormat, &count, &after, &data);
    std::optional<QList<unsigned long>> result;
    if (status == Success && actualType == type && actualFormat == 32) {
        // Xlib hands format-32 data over as an array of long.
        const long* values = reinterpret_cast<const long*>(data);
        QList<unsigned long> list;
        list.reserve(static_cast<qsizetype>(count));
        for (unsigned long i = 0; i < count; ++i)
            list.append(static_cast<unsigned long>(values[i]));
        result = list;
    }
    if (data)
        XFree(data);
    return result;
}

} // namespace vl::x11
