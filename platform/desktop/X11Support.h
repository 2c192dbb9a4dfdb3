#pragma once
// What the X11 backends share: the trap that keeps X protocol errors from
// ending the program, and property reads. Include after the Qt headers: Xlib
// defines macros (None, Bool, Status) that clash with them.

#include <QList>

#include <mutex>
#include <optional>

#include <X11/Xlib.h>

namespace vl::x11 {

// Serialises every use of the backends' display connections.
std::mutex& DisplayMutex();

// Xlib keeps one error handler per process. A trap takes the display mutex
// and swaps in a handler that counts the errors of one display and ignores
// them, for the length of one backend call; errors of any other display go
// to the handler that was in place. When it ends it waits for the replies of
// every request sent meanwhile and adds the errors met to total.
class ErrorTrap {
public:
    ErrorTrap(Display* display, int& total);
    ~ErrorTrap();
    ErrorTrap(const ErrorTrap&) = delete;
    ErrorTrap& operator=(const ErrorTrap&) = delete;

    // Errors so far in this trap; every read used here is a round trip, so
    // its error (if any) has been counted by the time it returns. Call
    // XSync first to count the errors of requests without a reply.
    static int Errors();

private:
    std::lock_guard<std::mutex> lock_;
    Display* display_;
    int& total_;
};

// The atoms the backends use, interned once per display.
struct Atoms {
    Atom clientList = None;
    Atom clientListStacking = None;
    Atom activeWindow = None;
    Atom wmName = None;
    Atom utf8String = None;
    Atom wmState = None;
    Atom wmPid = None;
    Atom wmProtocols = None;
    Atom wmDeleteWindow = None;
    Atom closeWindow = None;
    Atom supported = None;
};
Atoms InternAtoms(Display* display);

// A format-32 property of the given type as a list of values; nothing when
// the window has no such property (or no longer exists).
std::optional<QList<unsigned long>> ReadLongs(Display* display, Window window, Atom property, Atom type,
                                              long maxLongs);

} // namespace vl::x11
