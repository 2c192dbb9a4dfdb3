#include "platform/desktop/X11Keyboard.h"

#include <vector>

#include <X11/XKBlib.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

namespace vl::x11 {
namespace {

// Keysyms of the PC virtual-key numbers, the one table between the two.
KeySym VirtualKeySym(int key)
{
    if (key >= '0' && key <= '9')
        return XK_0 + static_cast<KeySym>(key - '0');
    if (key >= 'A' && key <= 'Z')
        return XK_a + static_cast<KeySym>(key - 'A');
    if (key >= 96 && key <= 105)
        return XK_KP_0 + static_cast<KeySym>(key - 96);
    if (key >= 112 && key <= 135)
        return XK_F1 + static_cast<KeySym>(key - 112);
    switch (key) {
    case 8: return XK_BackSpace;
    case 9: return XK_Tab;
    case 12: return XK_Clear;
    case 13: return XK_Return;
    case 16: return XK_Shift_L;
    case 17: return XK_Control_L;
    case 18: return XK_Alt_L;
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
    case 91: return XK_Super_L;
    case 92: return XK_Super_R;
    case 93: return XK_Menu;
    case 106: return XK_KP_Multiply;
    case 107: return XK_KP_Add;
    case 109: return XK_KP_Subtract;
    case 110: return XK_KP_Decimal;
    case 111: return XK_KP_Divide;
    case 144: return XK_Num_Lock;
    case 145: return XK_Scroll_Lock;
    default: return NoSymbol;
    }
}

// Mouse buttons among the virtual keys: left, right, middle, back, forward.
unsigned int VirtualButton(int key)
{
    switch (key) {
    case 1: return 1;
    case 2: return 3;
    case 3: return 2;
    case 5: return 8;
    case 6: return 9;
    default: return 0;
    }
}

KeySym CharacterKeySym(char32_t character)
{
    switch (character) {
    case U'\r':
    case U'\n': return XK_Return;
    case U'\t': return XK_Tab;
    case U'\b': return XK_BackSpace;
    case U'\x1b': return XK_Escape;
    default: break;
    }
    if ((character >= 0x20 && character <= 0x7e) || (character >= 0xa0 && character <= 0xff))
        return character; // Latin-1 keysyms are the characters themselves
    return 0x01000000 | character; // the Unicode keysyms
}

// Core mapping columns and the shift levels they stand for: plain, Shift,
// and (where the keyboard has a third-level key) AltGr and AltGr+Shift.
constexpr struct {
    int column;
    bool shift;
    bool level3;
} kColumns[] = {{0, false, false}, {1, true, false}, {4, false, true}, {5, true, true}};

} // namespace

// The keyboard's current core mapping.
struct Keyboard::Mapping {
    int perKeycode = 0;
    std::vector<KeySym> syms;

    KeySym At(int keycodeIndex, int column) const
    {
        return column < perKeycode ? syms[static_cast<std::size_t>(keycodeIndex * perKeycode + column)]
                                   : NoSymbol;
    }
    bool Empty(int keycodeIndex) const
    {
        for (int column = 0; column < perKeycode; ++column) {
            if (At(keycodeIndex, column) != NoSymbol)
                return false;
        }
        return true;
    }
};

Keyboard::Keyboard(Display* display) : display_(display)
{
    int event = 0;
    int error = 0;
    int major = 0;
    int minor = 0;
    haveXTest_ = XTestQueryExtension(display_, &event, &error, &major, &minor);
    XDisplayKeycodes(display_, &minKeycode_, &maxKeycode_);
}

Keyboard::~Keyboard()
{
    int perKeycode = 0;
    KeySym* current = XGetKeyboardMapping(display_, static_cast<KeyCode>(minKeycode_), 1, &perKeycode);
    if (current)
        XFree(current);
    std::vector<KeySym> empty(static_cast<std::size_t>(perKeycode), NoSymbol);
    for (const KeyCode keycode : remapped_)
        XChangeKeyboardMapping(display_, keycode, perKeycode, empty.data(), 1);
    XSync(display_, False);
}

bool Keyboard::SendKey(int virtualKey, bool down)
{
    if (!haveXTest_)
        return false;
    if (const unsigned int button = VirtualButton(virtualKey)) {
        XTestFakeButtonEvent(display_, button, down ? True : False, CurrentTime);
        XSync(display_, False);
        return true;
    }
    const KeySym keysym = VirtualKeySym(virtualKey);
    const KeyCode keycode = keysym == NoSymbol ? 0 : XKeysymToKeycode(display_, keysym);
    return keycode != 0 && Press(keycode, down);
}

bool Keyboard::TypeCharacter(char32_t character)
{
    if (!haveXTest_)
        return false;
    const KeySym keysym = CharacterKeySym(character);
    Mapping mapping;
    const int count = maxKeycode_ - minKeycode_ + 1;
    KeySym* syms = XGetKeyboardMapping(display_, static_cast<KeyCode>(minKeycode_), count, &mapping.perKeycode);
    if (!syms)
        return false;
    mapping.syms.assign(syms, syms + static_cast<std::ptrdiff_t>(count) * mapping.perKeycode);
    XFree(syms);

    const KeyCode shiftKey = XKeysymToKeycode(display_, XK_Shift_L);
    const KeyCode level3Key = XKeysymToKeycode(display_, XK_ISO_Level3_Shift);
    KeyCode keycode = 0;
    bool shift = false;
    bool level3 = false;
    for (const auto& column : kColumns) {
        if ((column.shift && !shiftKey) || (column.level3 && !level3Key))
            continue;
        for (int index = 0; index < count && !keycode; ++index) {
            if (mapping.At(index, column.column) == keysym) {
                keycode = static_cast<KeyCode>(minKeycode_ + index);
                shift = column.shift;
                level3 = column.level3;
            }
        }
        if (keycode)
            break;
    }
    if (!keycode) {
        keycode = Remap(keysym, mapping);
        if (!keycode)
            return false;
    }
    if (remapped_.removeOne(keycode))
        remapped_.append(keycode);

    // The modifiers go up again whatever happened to the key.
    bool ok = (!shift || Press(shiftKey, true)) && (!level3 || Press(level3Key, true));
    ok = ok && Press(keycode, true) && Press(keycode, false);
    if (level3)
        ok = Press(level3Key, false) && ok;
    if (shift)
        ok = Press(shiftKey, false) && ok;
    return ok;
}

bool Keyboard::CapsLockOn()
{
    XkbStateRec state{};
    if (XkbGetState(display_, XkbUseCoreKbd, &state) != Success)
        return false;
    return (state.locked_mods & LockMask) != 0;
}

bool Keyboard::Press(KeyCode keycode, bool down)
{
    if (!XTestFakeKeyEvent(display_, keycode, down ? True : False, CurrentTime))
        return false;
    XSync(display_, False);
    return true;
}

KeyCode Keyboard::Remap(KeySym keysym, const Mapping& mapping)
{
    KeyCode keycode = 0;
    // Highest first: the low keycodes are the ones keyboards have.
    for (int index = maxKeycode_ - minKeycode_; index >= 0 && !keycode; --index) {
        if (mapping.Empty(index))
            keycode = static_cast<KeyCode>(minKeycode_ + index);
    }
    if (!keycode && !remapped_.isEmpty())
        keycode = remapped_.takeFirst();
    if (!keycode)
        return 0;
    std::vector<KeySym> syms(static_cast<std::size_t>(mapping.perKeycode), NoSymbol);
    syms[0] = keysym;
    if (mapping.perKeycode > 1)
        syms[1] = keysym;
    XChangeKeyboardMapping(display_, keycode, mapping.perKeycode, syms.data(), 1);
    XSync(display_, False);
    remapped_.append(keycode);
    return keycode;
}

} // namespace vl::x11
