#pragma once
// Synthetic keyboard and mouse input on an X11 display: keys and buttons
// through the XTest extension, characters through the keyboard's current
// mapping. A character that no key gives is typed through a spare keycode
// (one the keyboard leaves empty) that is mapped to it for the purpose. The
// spare keycodes keep their characters until the keyboard object ends (a
// client may read the mapping after the key event has reached it), and are
// reused least recently used first. Callers hold an x11::ErrorTrap.

#include <QList>

#include <X11/Xlib.h>

namespace vl::x11 {

class Keyboard {
public:
    explicit Keyboard(Display* display);
    // Gives the spare keycodes their empty mapping back.
    ~Keyboard();
    Keyboard(const Keyboard&) = delete;
    Keyboard& operator=(const Keyboard&) = delete;

    // PC virtual-key numbers (DesktopBackend::SendKey); false without XTest,
    // for a key the table does not know, or one the keyboard lacks.
    bool SendKey(int virtualKey, bool down);
    bool TypeCharacter(char32_t character);
    bool CapsLockOn();

private:
    struct Mapping;
    bool Press(KeyCode keycode, bool down);
    KeyCode Remap(KeySym keysym, const Mapping& mapping);

    Display* display_;
    bool haveXTest_ = false;
    int minKeycode_ = 0;
    int maxKeycode_ = 0;
    // Spare keycodes in use, least recently used first.
    QList<KeyCode> remapped_;
};

} // namespace vl::x11
