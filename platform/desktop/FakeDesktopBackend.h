#pragma once
// A scripted desktop for tests: the windows it lists are the ones the test
// added, in the order they were added (the first is the topmost); the keys
// and characters sent to it are recorded as events.

#include "platform/desktop/DesktopBackend.h"

#include <QHash>
#include <QSet>
#include <QStringList>

namespace vl {

class FakeDesktopBackend : public DesktopBackend {
public:
    // Adds a window below those added before it: a top-level window when
    // parent is 0, else a child of parent.
    void AddWindow(const DesktopWindow& window, WindowHandle parent = 0);
    // Takes a window and its children off the desktop.
    void RemoveWindow(WindowHandle window);
    void SetActiveWindow(WindowHandle window) { active_ = window; }
    void SetWindowProgram(WindowHandle window, const QString& program) { programs_.insert(window, program); }
    void SetCapsLock(bool on) { capsLock_ = on; }
    // Keys and characters the desktop refuses to send from now on.
    void RefuseKey(int virtualKey) { refusedKeys_.insert(virtualKey); }
    void RefuseCharacter(char32_t character) { refusedCharacters_.insert(character); }

    // What was sent, in order: "down 16", "up 16", "type a"; a window
    // activated or closed as "activate 5", "close 5".
    const QStringList& Events() const { return events_; }
    // Keys pressed and not yet released.
    const QSet<int>& HeldKeys() const { return held_; }

    QList<DesktopWindow> TopLevelWindows() override;
    QList<DesktopWindow> ChildWindows(WindowHandle parent) override;
    WindowHandle ActiveWindow() override { return active_; }
    QString WindowTitle(WindowHandle window) override;
    QString WindowProgram(WindowHandle window) override;
    bool ActivateWindow(WindowHandle window) override;
    bool CloseWindow(WindowHandle window) override;
    bool SendKey(int virtualKey, bool down) override;
    bool TypeCharacter(char32_t character) override;
    bool CapsLockOn() override { return capsLock_; }

private:
    struct Entry {
        DesktopWindow window;
        WindowHandle parent = 0;
    };
    bool Exists(WindowHandle window) const;

    QList<Entry> entries_;
    WindowHandle active_ = 0;
    QHash<WindowHandle, QString> programs_;
    bool capsLock_ = false;
    QSet<int> refusedKeys_;
    QSet<char32_t> refusedCharacters_;
    QSet<int> held_;
    QStringList events_;
};

} // namespace vl
