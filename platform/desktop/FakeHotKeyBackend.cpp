#include "platform/desktop/FakeHotKeyBackend.h"

namespace vl {

bool FakeHotKeyBackend::Press(int id) const
{
    if (!grabbed_.contains(id))
        return false;
    Pressed(id);
    return true;
}

bool FakeHotKeyBackend::Grab(int id, unsigned modifiers, int virtualKey)
{
    const Key key{modifiers, virtualKey};
    if (virtualKey < 1 || virtualKey > 255 || grabbed_.contains(id) || heldElsewhere_.contains(key) || grabbed_.values().contains(key))
        return false;
    grabbed_.insert(id, key);
    return true;
}

bool FakeHotKeyBackend::Release(int id)
{
    return grabbed_.remove(id) > 0;
}

} // namespace vl
