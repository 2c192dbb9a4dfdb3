// Hot keys on an X server of each test's own: a grabbed key pressed through
// XTest is reported under its id, also with Caps Lock or Num Lock on; a key
// another client holds is refused without disturbing that client's grab or
// the other keys; the backend gives its keys back when released or gone.

#include "platform/desktop/X11HotKeyBackend.h"
#include "tests/platform/desktop/PrivateXServer.h"

#include <gtest/gtest.h>

#include <QList>

#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

#include <vector>

namespace vl {
namespace {

using namespace HotKeyModifier;

// Grab errors of the test's own client connection.
int gBadAccess = 0;
int CountBadAccess(Display*, XErrorEvent* event)
{
    if (event->error_code == BadAccess)
        ++gBadAccess;
    return 0;
}

class X11HotKeyTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_FALSE(server_.DisplayName().isEmpty()) << "Xvfb could not be started";
        display_ = XOpenDisplay(server_.DisplayName().constData());
        ASSERT_NE(display_, nullptr);
        previousHandler_ = XSetErrorHandler(CountBadAccess);
        gBadAccess = 0;
        backend_ = X11HotKeyBackend::Open(server_.DisplayName().constData());
        ASSERT_NE(backend_, nullptr);
        backend_->SetPressHandler([this](int id) { pressed_.push_back(id); });
    }
    void TearDown() override
    {
        backend_.reset();
        if (display_)
            XCloseDisplay(display_);
        XSetErrorHandler(previousHandler_);
    }

    unsigned Code(KeySym symbol) const { return XKeysymToKeycode(display_, symbol); }

    // Holds the modifiers, taps the key, lets everything go, and returns the
    // ids the backend reported (a vector: comparing two empty QLists is
    // undefined behaviour inside Qt 6.4).
    std::vector<int> Press(const QList<KeySym>& held, KeySym key)
    {
        for (const KeySym symbol : held)
            XTestFakeKeyEvent(display_, Code(symbol), True, 0);
        XTestFakeKeyEvent(display_, Code(key), True, 0);
        XTestFakeKeyEvent(display_, Code(key), False, 0);
        for (const KeySym symbol : held)
            XTestFakeKeyEvent(display_, Code(symbol), False, 0);
        XSync(display_, False);
        pressed_.clear();
        backend_->ReadPresses();
        return pressed_;
    }

    void Tap(KeySym key)
    {
        XTestFakeKeyEvent(display_, Code(key), True, 0);
        XTestFakeKeyEvent(display_, Code(key), False, 0);
        XSync(display_, False);
    }

    // Whether this client may take the key (it is refused while the backend
    // holds it); a key taken is given back at once.
    bool OthersMayGrab(KeySym key, unsigned mask)
    {
        gBadAccess = 0;
        XGrabKey(display_, int(Code(key)), mask, DefaultRootWindow(display_), True, GrabModeAsync, GrabModeAsync);
        XSync(display_, False);
        const bool taken = gBadAccess == 0;
        if (taken)
            XUngrabKey(display_, int(Code(key)), mask, DefaultRootWindow(display_));
        XSync(display_, False);
        return taken;
    }

    test::PrivateXServer server_;
    Display* display_ = nullptr;
    XErrorHandler previousHandler_ = nullptr;
    std::unique_ptr<X11HotKeyBackend> backend_;
    std::vector<int> pressed_;
};

TEST_F(X11HotKeyTest, GrabbedKeysAreReportedUnderTheirIdsWhateverTheLocks)
{
    ASSERT_TRUE(backend_->Grab(1, kControl | kShift, 'A'));
    ASSERT_TRUE(backend_->Grab(2, kWin, 116)); // F5
    ASSERT_TRUE(backend_->Grab(3, kAlt, 97));  // keypad 1

    struct Case {
        const char* what;
        QList<KeySym> held;
        KeySym key;
        std::vector<int> expected;
    };
    const Case cases[] = {
        {"Ctrl+Shift+A", {XK_Control_L, XK_Shift_L}, XK_a, {1}},
        {"Ctrl+A is not grabbed", {XK_Control_L}, XK_a, {}},
        {"Ctrl+Shift+Alt+A has a modifier too many", {XK_Control_L, XK_Shift_L, XK_Alt_L}, XK_a, {}},
        {"Win+F5", {XK_Super_L}, XK_F5, {2}},
        {"F5 alone", {}, XK_F5, {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Press(c.held, c.key), c.expected) << c.what;

    Tap(XK_Num_Lock);
    EXPECT_EQ(Press({XK_Alt_L}, XK_KP_1), std::vector<int>{3}) << "keypad 1 with Num Lock on";
    Tap(XK_Caps_Lock);
    EXPECT_EQ(Press({XK_Control_L, XK_Shift_L}, XK_a), std::vector<int>{1}) << "with both locks on";
}

TEST_F(X11HotKeyTest, KeysHeldElsewhereOrMissingAreRefusedAndTheOthersStillWork)
{
    // Another client holds Ctrl+B (without the lock variants).
    XGrabKey(display_, int(Code(XK_b)), ControlMask, DefaultRootWindow(display_), True, GrabModeAsync,
             GrabModeAsync);
    XSync(display_, False);

    EXPECT_FALSE(backend_->Grab(1, kControl, 'B'));
    EXPECT_FALSE(backend_->Grab(2, kControl, 1)) << "a mouse button is no key";
    EXPECT_FALSE(backend_->Grab(3, kControl, 0)) << "modifiers without a key";
    ASSERT_TRUE(backend_->Grab(4, kControl, 'C'));
    EXPECT_FALSE(backend_->Grab(4, kControl, 'D')) << "an id holds one key";

    EXPECT_EQ(Press({XK_Control_L}, XK_c), std::vector<int>{4});
    EXPECT_EQ(Press({XK_Control_L}, XK_b), std::vector<int>{});
    // The refused grab gave back the lock variants it had taken: once the
    // other client lets Ctrl+B go, the backend may have it.
    XUngrabKey(display_, int(Code(XK_b)), ControlMask, DefaultRootWindow(display_));
    XSync(display_, False);
    EXPECT_TRUE(backend_->Grab(1, kControl, 'B'));
}

TEST_F(X11HotKeyTest, KeysGoBackOnReleaseAndWhenTheBackendEnds)
{
    ASSERT_TRUE(backend_->Grab(1, kControl, 'E'));
    ASSERT_TRUE(backend_->Grab(2, kControl, 'F'));
    EXPECT_FALSE(OthersMayGrab(XK_e, ControlMask));
    EXPECT_FALSE(OthersMayGrab(XK_f, ControlMask | LockMask));

    EXPECT_TRUE(backend_->Release(1));
    EXPECT_FALSE(backend_->Release(1));
    EXPECT_TRUE(OthersMayGrab(XK_e, ControlMask));
    EXPECT_EQ(Press({XK_Control_L}, XK_e), std::vector<int>{});

    backend_.reset();
    EXPECT_TRUE(OthersMayGrab(XK_f, ControlMask));
    EXPECT_TRUE(OthersMayGrab(XK_f, ControlMask | LockMask));
}

} // namespace
} // namespace vl
