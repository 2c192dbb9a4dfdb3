#pragma once
// System-wide hot keys as the desktop offers them: a key with its modifiers
// is taken for this program under an id, whichever window has the focus, and
// each press of it is reported with that id. A key that the desktop refuses
// (another program holds it, or the keyboard has no such key) is a failed
// grab the caller may report; it never affects the other keys.

#include "platform/runtime/ServiceSlot.h"

#include <functional>
#include <memory>

namespace vl {

// Modifier bits of a grab (the hot-key code's modifier byte).
namespace HotKeyModifier {
inline constexpr unsigned kAlt = 1;
inline constexpr unsigned kControl = 2;
inline constexpr unsigned kShift = 4;
inline constexpr unsigned kWin = 8;
} // namespace HotKeyModifier

class HotKeyBackend {
public:
    using PressHandler = std::function<void(int id)>;

    virtual ~HotKeyBackend() = default;
    // Takes the key (a virtual-key code, 1 to 255) with exactly these
    // modifiers under the id; false when refused or when the id is taken.
    virtual bool Grab(int id, unsigned modifiers, int virtualKey) = 0;
    // Gives the key of the id back; false when the id holds none.
    virtual bool Release(int id) = 0;

    // Called with the id of a grabbed key each time it is pressed, on the
    // thread that runs the event loop.
    void SetPressHandler(PressHandler handler) { handler_ = std::move(handler); }

protected:
    void Pressed(int id) const
    {
        if (handler_)
            handler_(id);
    }

private:
    PressHandler handler_;
};

// A desktop without a keyboard of its own (no display): every grab is taken
// and no key is ever pressed.
class InertHotKeyBackend : public HotKeyBackend {
public:
    bool Grab(int, unsigned, int) override { return true; }
    bool Release(int) override { return true; }
};

// The X11 hot keys when a display can be opened ($DISPLAY), else inert ones.
std::unique_ptr<HotKeyBackend> MakeHotKeyBackend();

// The hot keys the program works with: the installed ones (the main program
// installs MakeHotKeyBackend's), else inert ones, so that windows and tests
// that install none take no key from the desktop.
HotKeyBackend& CurrentHotKeyBackend();
using HotKeyBackendOverride = ServiceOverride<HotKeyBackend>;

} // namespace vl
