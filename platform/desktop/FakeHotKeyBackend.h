#pragma once
// Hot keys for tests: grabs are recorded, keys the test names as held by
// another program are refused, and the test presses a key by its id.

#include "platform/desktop/HotKeyBackend.h"

#include <QList>
#include <QMap>

namespace vl {

class FakeHotKeyBackend : public HotKeyBackend {
public:
    struct Key {
        unsigned modifiers = 0;
        int virtualKey = 0;
        friend bool operator==(const Key&, const Key&) = default;
    };

    // Another program holds this key: grabs of it are refused.
    void HoldElsewhere(Key key) { heldElsewhere_.append(key); }
    // Presses the key grabbed under the id; false when the id holds none.
    bool Press(int id) const;

    bool Grab(int id, unsigned modifiers, int virtualKey) override;
    bool Release(int id) override;

    // The keys grabbed now, by id.
    const QMap<int, Key>& Grabbed() const { return grabbed_; }

private:
    QMap<int, Key> grabbed_;
    QList<Key> heldElsewhere_;
};

} // namespace vl
