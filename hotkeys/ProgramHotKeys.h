#pragma once
// The main program's hot keys: the built-in Win+W, which brings the frame
// back, and every active hot key of the SysHotKeys table. The frame starts
// them when it opens, registers them again when the hot-key list says the
// table changed (event 1097), and ends them when it closes, giving every key
// back to the desktop.
//
// A press is handled from the event loop, never inside a grab: the key is
// looked up in the table and its action run (HotKeyActions.h). Keys the
// desktop refused (another program holds them) and stored texts that name
// no key are reported in one notice, each only once while it stays so; the
// other keys work all the same.

#include "hotkeys/GlobalHotKeys.h"
#include "hotkeys/HotKeyOutput.h"

#include <QObject>
#include <QSet>
#include <QStringList>

#include <functional>

namespace vl {

// The built-in key that brings the frame back.
inline constexpr char kRestoreFrameKey[] = "WinW";

class ProgramHotKeys {
public:
    ProgramHotKeys(HotKeyBackend& backend, HotKeyOutput& output, std::function<void()> restoreFrame);
    ProgramHotKeys(const ProgramHotKeys&) = delete;
    ProgramHotKeys& operator=(const ProgramHotKeys&) = delete;

    // Lists Win+W and the table's active hot keys, then grabs them all.
    void Start();
    // Lists the keys afresh (a key deleted or switched off is given back)
    // and grabs them again.
    void Reregister();
    // Runs the first key pressed and not yet taken, if any.
    void HandlePressed();

    const GlobalHotKeys& Keys() const { return keys_; }

private:
    void RegisterHotKeys();
    void ReportProblems();

    GlobalHotKeys keys_;
    HotKeyOutput& output_;
    std::function<void()> restoreFrame_;
    QStringList badTexts_;
    QSet<QString> reported_;
    QObject context_; // ends queued press handling with this object
};

} // namespace vl
