#include "platform/desktop/X11HotKeyBackend.h"

#include <QSocketNotifier>

#include <cstdlib>

#include <xcb/xcb.h>
#include <xcb/xproto.h>

// Key symbols, without Xlib itself.
#include <X11/keysym.h>

namespace vl {
namespace {

// The four lock states a grab is taken for: none, Caps Lock, Num Lock, both.
constexpr int kLockVariants = 4;

// The key symbol of a virtual-key code of the hot-key names; 0 for codes no
// key of an X keyboard makes (the mouse buttons among them).
unsigned KeysymOf(int virtualKey)
{
    if (virtualKey >= 'A' && virtualKey <= 'Z')
        return XK_a + unsigned(virtualKey - 'A');
    if (virtualKey >= '0' && virtualKey <= '9')
        return XK_0 + unsigned(virtualKey - '0');
    if (virtualKey >= 112 && virtualKey <= 123)
        return XK_F1 + unsigned(virtualKey - 112);
    if (virtualKey >= 96 && virtualKey <= 105)
        return XK_KP_0 + unsigned(virtualKey - 96);
    switch (virtualKey) {
    case 8: return XK_BackSpace;
    case 9: return XK_Tab;
    case 13: return XK_Return;
    case 19: return XK_Pause;
    case 20: return XK_Caps_Lock;
    case 27: return XK_Escape;
    case 32: return XK_space;
    case 33: return XK_Prior;
    case 34: return XK_Next;
    case 35: return XK_End;
    case 36: return XK_Home;
    case 37: return XK_Left;
    case 38: return XK_Up;
    case 39: return XK_Right;
    case 40: return XK_Down;
    case 44: return XK_Print;
    case 45: return XK_Insert;
    case 46: return XK_Delete;
    case 106: return XK_KP_Multiply;
    case 107: return XK_KP_Add;
    case 109: return XK_KP_Subtract;
    case 110: return XK_KP_Decimal;
    case 111: return XK_KP_Divide;
    default: return 0;
    }
}

// A reply that frees itself.
template <class Reply>
struct ReplyPtr {
    Reply* reply;
    ~ReplyPtr() { std::free(reply); }
    Reply* operator->() const { return reply; }
    explicit operator bool() const { return reply != nullptr; }
};

} // namespace

// The X modifier bits the keyboard assigns to Alt, the Windows key and
// Num Lock (the modifier map decides; these are the usual ones).
struct X11HotKeyBackend::Masks {
    unsigned alt = XCB_MOD_MASK_1;
    unsigned win = XCB_MOD_MASK_4;
    unsigned numLock = XCB_MOD_MASK_2;
};

std::unique_ptr<X11HotKeyBackend> X11HotKeyBackend::Open(const char* displayName)
{
    int screenNumber = 0;
    xcb_connection_t* connection = xcb_connect(displayName, &screenNumber);
    if (xcb_connection_has_error(connection)) {
        xcb_disconnect(connection);
        return nullptr;
    }
    xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(connection));
    for (int i = 0; i < screenNumber && screens.rem > 0; ++i)
        xcb_screen_next(&screens);
    if (screens.rem <= 0) {
        xcb_disconnect(connection);
        return nullptr;
    }
    return std::unique_ptr<X11HotKeyBackend>(new X11HotKeyBackend(connection, screens.data->root));
}

X11HotKeyBackend::X11HotKeyBackend(xcb_connection_t* connection, unsigned root)
    : connection_(connection), root_(root), masks_(std::make_unique<Masks>())
{
    ReadModifierMasks();
    notifier_ = std::make_unique<QSocketNotifier>(xcb_get_file_descriptor(connection_), QSocketNotifier::Read);
    QObject::connect(notifier_.get(), &QSocketNotifier::activated, notifier_.get(),
                     [this] { DispatchQueued(true); });
}

X11HotKeyBackend::~X11HotKeyBackend()
{
    notifier_.reset();
    for (const Grabbed& grab : std::as_const(grabs_))
        Ungrab(grab, kLockVariants);
    WaitForServer();
    xcb_disconnect(connection_);
}

unsigned X11HotKeyBackend::KeycodeOf(unsigned keysym) const
{
    const xcb_setup_t* setup = xcb_get_setup(connection_);
    const int first = setup->min_keycode;
    const int count = setup->max_keycode - first + 1;
    ReplyPtr<xcb_get_keyboard_mapping_reply_t> mapping{xcb_get_keyboard_mapping_reply(
        connection_, xcb_get_keyboard_mapping(connection_, setup->min_keycode, uint8_t(count)), nullptr)};
    if (!mapping || mapping->keysyms_per_keycode == 0)
        return 0;
    const xcb_keysym_t* symbols = xcb_get_keyboard_mapping_keysyms(mapping.reply);
    const int perKey = mapping->keysyms_per_keycode;
    const int total = xcb_get_keyboard_mapping_keysyms_length(mapping.reply);
    for (int i = 0; i < total; ++i) {
        if (symbols[i] == keysym)
            return unsigned(first + i / perKey);
    }
    return 0;
}

void X11HotKeyBackend::ReadModifierMasks()
{
    ReplyPtr<xcb_get_modifier_mapping_reply_t> modifiers{
        xcb_get_modifier_mapping_reply(connection_, xcb_get_modifier_mapping(connection_), nullptr)};
    if (!modifiers)
        return;
    const xcb_keycode_t* codes = xcb_get_modifier_mapping_keycodes(modifiers.reply);
    const int perModifier = modifiers->keycodes_per_modifier;
    const unsigned numLock = KeycodeOf(XK_Num_Lock);
    const unsigned alt = KeycodeOf(XK_Alt_L);
    const unsigned win = KeycodeOf(XK_Super_L);
    // Modifiers 3 to 7 are Mod1 to Mod5; Shift, Lock and Control are fixed.
    for (int modifier = 3; modifier < 8; ++modifier) {
        for (int i = 0; i < perModifier; ++i) {
            const unsigned code = codes[modifier * perModifier + i];
            const unsigned bit = 1u << modifier;
            if (code == 0)
                continue;
            if (code == numLock)
                masks_->numLock = bit;
            else if (code == alt)
                masks_->alt = bit;
            else if (code == win)
                masks_->win = bit;
        }
    }
}

unsigned X11HotKeyBackend::XMask(unsigned modifiers) const
{
    unsigned mask = 0;
    if (modifiers & HotKeyModifier::kAlt)
        mask |= masks_->alt;
    if (modifiers & HotKeyModifier::kControl)
        mask |= XCB_MOD_MASK_CONTROL;
    if (modifiers & HotKeyModifier::kShift)
        mask |= XCB_MOD_MASK_SHIFT;
    if (modifiers & HotKeyModifier::kWin)
        mask |= masks_->win;
    return mask;
}

bool X11HotKeyBackend::Grab(int id, unsigned modifiers, int virtualKey)
{
    if (grabs_.contains(id))
        return false;
    const unsigned keysym = KeysymOf(virtualKey);
    const Grabbed grab{keysym ? KeycodeOf(keysym) : 0, XMask(modifiers)};
    if (grab.keycode == 0)
        return false;
    const unsigned locks[kLockVariants] = {0, XCB_MOD_MASK_LOCK, masks_->numLock,
                                           XCB_MOD_MASK_LOCK | masks_->numLock};
    for (int variant = 0; variant < kLockVariants; ++variant) {
        const xcb_void_cookie_t cookie =
            xcb_grab_key_checked(connection_, 1, root_, uint16_t(grab.mask | locks[variant]),
                                 xcb_keycode_t(grab.keycode), XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC);
        if (xcb_generic_error_t* error = xcb_request_check(connection_, cookie)) {
            std::free(error);
            Ungrab(grab, variant);
            DispatchQueued(false);
            return false;
        }
    }
    grabs_.insert(id, grab);
    DispatchQueued(false);
    return true;
}

bool X11HotKeyBackend::Release(int id)
{
    const auto found = grabs_.constFind(id);
    if (found == grabs_.cend())
        return false;
    Ungrab(*found, kLockVariants);
    grabs_.erase(found);
    WaitForServer();
    return true;
}

void X11HotKeyBackend::Ungrab(const Grabbed& grab, int variants)
{
    const unsigned locks[kLockVariants] = {0, XCB_MOD_MASK_LOCK, masks_->numLock,
                                           XCB_MOD_MASK_LOCK | masks_->numLock};
    for (int variant = 0; variant < variants; ++variant)
        xcb_ungrab_key(connection_, xcb_keycode_t(grab.keycode), root_, uint16_t(grab.mask | locks[variant]));
}

void X11HotKeyBackend::WaitForServer()
{
    // A round trip: the server has carried out every request sent before it,
    // and every event it sent before its reply is in.
    std::free(xcb_get_input_focus_reply(connection_, xcb_get_input_focus(connection_), nullptr));
}

void X11HotKeyBackend::ReadPresses()
{
    WaitForServer();
    DispatchQueued(false);
}

void X11HotKeyBackend::DispatchQueued(bool readSocket)
{
    const unsigned relevant = XCB_MOD_MASK_SHIFT | XCB_MOD_MASK_CONTROL | masks_->alt | masks_->win;
    while (xcb_generic_event_t* event =
               readSocket ? xcb_poll_for_event(connection_) : xcb_poll_for_queued_event(connection_)) {
        int pressed = 0;
        if ((event->response_type & 0x7f) == XCB_KEY_PRESS) {
            const auto* press = reinterpret_cast<const xcb_key_press_event_t*>(event);
            for (auto it = grabs_.cbegin(); it != grabs_.cend() && pressed == 0; ++it) {
                if (it->keycode == press->detail && it->mask == (press->state & relevant))
                    pressed = it.key();
            }
        }
        std::free(event);
        // Reported after the walk: the handler may change the grabs.
        if (pressed != 0)
            Pressed(pressed);
    }
}

} // namespace vl
