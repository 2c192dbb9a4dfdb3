#pragma once
// Hot keys of an X11 display: a key grab on the root window for each key,
// taken four times so that the key works whether Caps Lock and Num Lock are
// on or off. A grab the server refuses (another client holds the key, or no
// key of the keyboard makes the key's symbol) is a failed grab; the variants
// already taken for it are given back. Grabs end with the backend; the server
// ends them too when the connection closes.
//
// The backend speaks XCB on a connection of its own, so a refused grab comes
// back as the request's own error and never reaches Xlib's process-wide error
// handler. Presses are read when the connection's socket has data, on the
// thread that runs the event loop.

#include "platform/desktop/HotKeyBackend.h"

#include <QMap>

#include <memory>

class QSocketNotifier;
struct xcb_connection_t;

namespace vl {

class X11HotKeyBackend : public HotKeyBackend {
public:
    // Connects to the named display (nullptr: $DISPLAY); nullptr when the
    // display cannot be opened.
    static std::unique_ptr<X11HotKeyBackend> Open(const char* displayName = nullptr);
    ~X11HotKeyBackend() override;
    X11HotKeyBackend(const X11HotKeyBackend&) = delete;
    X11HotKeyBackend& operator=(const X11HotKeyBackend&) = delete;

    bool Grab(int id, unsigned modifiers, int virtualKey) override;
    bool Release(int id) override;

    // Reads every press the server has seen up to now and reports it; the
    // event loop does this by itself, tests call it after a synthetic press.
    void ReadPresses();

private:
    struct Grabbed {
        unsigned keycode = 0;
        unsigned mask = 0; // X modifier mask, without the lock variants
    };
    struct Masks;

    X11HotKeyBackend(xcb_connection_t* connection, unsigned root);
    unsigned KeycodeOf(unsigned keysym) const;
    void ReadModifierMasks();
    unsigned XMask(unsigned modifiers) const;
    void Ungrab(const Grabbed& grab, int variants);
    // Returns once the server has carried out the requests sent so far: a
    // key given back may be taken by another program at once.
    void WaitForServer();
    void DispatchQueued(bool readSocket);

    xcb_connection_t* connection_;
    unsigned root_;
    std::unique_ptr<Masks> masks_;
    std::unique_ptr<QSocketNotifier> notifier_;
    QMap<int, Grabbed> grabs_;
};

} // namespace vl
