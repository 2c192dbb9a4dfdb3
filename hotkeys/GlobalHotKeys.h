#pragma once
// The program's system-wide hot keys: the keys it holds, which of them the
// desktop refused, and the keys pressed and not yet taken.
//
//     GlobalHotKeys keys(CurrentHotKeyBackend());   // suspended: keys are only listed
//     keys.SetKey("WinW");
//     keys.Resume();                                // now they are grabbed
//
// The keys are kept in code order and a key's id with the desktop is its
// place in that order, so adding a key gives every key back and grabs them
// all again. A refused key stays listed (and in FailedKeys) and never keeps
// the others from working.

#include "platform/desktop/HotKeyBackend.h"

#include <QList>
#include <QString>

#include <cstdint>
#include <functional>
#include <optional>

namespace vl {

struct HotKeyEntry {
    int32_t code = 0; // 0: a press under an id no key has
    QString key;      // the text the key was set with (up to 32 characters)
    bool operator==(const HotKeyEntry&) const = default;
};

class GlobalHotKeys {
public:
    // Reports each press to the backend's press handler; starts suspended.
    explicit GlobalHotKeys(HotKeyBackend& backend);
    // Gives every key back.
    ~GlobalHotKeys();
    GlobalHotKeys(const GlobalHotKeys&) = delete;
    GlobalHotKeys& operator=(const GlobalHotKeys&) = delete;

    // Adds a key by its text (once per code) and grabs the keys again. A
    // text that names no key changes nothing and is handed to the bad-key
    // handler; false then.
    bool SetKey(const QString& text);
    // Gives every key back and forgets them all.
    void ClearKeys();
    // Gives every key back and grabs no key until Resume.
    void Suspend();
    // Grabs every key.
    void Resume();
    bool Active() const { return active_; }

    const QList<HotKeyEntry>& Keys() const { return keys_; }
    // The keys whose last grab (or release) the desktop refused.
    const QList<HotKeyEntry>& FailedKeys() const { return failed_; }
    // Takes the first key pressed and not yet taken.
    std::optional<HotKeyEntry> TakePressed();

    // Called with a text that names no key.
    void SetBadKeyHandler(std::function<void(const QString&)> handler) { badKey_ = std::move(handler); }
    // Called after each press has been queued.
    void SetPressedHandler(std::function<void()> handler) { pressedHandler_ = std::move(handler); }

private:
    void RegisterAll();
    void UnregisterAll();
    void Pressed(int id);

    HotKeyBackend& backend_;
    bool active_ = false;
    bool registered_ = false;
    QList<HotKeyEntry> keys_;
    QList<HotKeyEntry> failed_;
    QList<HotKeyEntry> pressed_;
    std::function<void(const QString&)> badKey_;
    std::function<void()> pressedHandler_;
};

} // namespace vl
