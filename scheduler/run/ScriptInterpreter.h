#pragma once
// The script interpreter: runs ScriptQueue one step per timer tick on the
// frame's thread. The head entry is performed once its due moment has
// strictly passed, logged ("Script", the action, two blanks and the step's
// description) and removed; a step that has to be tried again (a wait for a
// window, a program or a transfer) stays at the head, and the whole queue
// waits behind it. Nothing a step does blocks the tick for long: transfers
// and D-Bus calls run with time limits, transfers on worker threads.
//
//     InstallScriptInterpreter();            // at start-up, beside the other tick routines
//     CurrentScriptInterpreter().SendScriptKeystrokes(text);   // a hot key's "Type" text

#include "core/dictionary/ScriptingRecord.h"
#include "platform/desktop/DesktopBackend.h"

#include <QString>

#include <cstdint>
#include <functional>
#include <memory>

namespace vl {

// The largest number of steps ScriptQueue may hold before a "Start Script"
// step is refused, so that a script that starts itself cannot grow the
// queue without end.
inline constexpr int kScriptQueueLimit = 10'000;

class ScriptInterpreter {
public:
    // The pause before each burst of keystrokes, in hundredths of a second;
    // by default it sleeps, tests record it instead.
    using Pause = std::function<void(int32_t hundredths)>;

    ScriptInterpreter();
    explicit ScriptInterpreter(Pause pause);
    ~ScriptInterpreter();
    ScriptInterpreter(const ScriptInterpreter&) = delete;
    ScriptInterpreter& operator=(const ScriptInterpreter&) = delete;

    // Performs the head of ScriptQueue when it is due; does nothing on an
    // empty queue or a head not yet due.
    void RunDueScriptItem();

    // Types a keystroke text: plain text in bursts of at most BurstSize
    // characters, each bracketed group ("[Enter]", "[CtrlV]", a keyword) on
    // its own, every burst and group preceded by a ScriptingDelay pause.
    void SendScriptKeystrokes(const QString& text);

    // Ends every running script: empties ScriptQueue and abandons the wait
    // and the transfer in progress.
    void StopActiveScripts();

    // True while a Wait step looks for a window.
    bool WaitInProgress() const;
    // The window the last window search or close found (0: none).
    WindowHandle LastWindow() const;

    struct State;

private:
    std::unique_ptr<State> state_;
};

// The interpreter the program runs; the one installed by a
// ScriptInterpreterOverride when there is one.
ScriptInterpreter& CurrentScriptInterpreter();

// Installs an interpreter for the lifetime of this object (tests).
class ScriptInterpreterOverride {
public:
    explicit ScriptInterpreterOverride(ScriptInterpreter& interpreter);
    ~ScriptInterpreterOverride();
    ScriptInterpreterOverride(const ScriptInterpreterOverride&) = delete;
    ScriptInterpreterOverride& operator=(const ScriptInterpreterOverride&) = delete;

private:
    ScriptInterpreter* previous_;
};

// The description of a step as the event log and the status line show it
// (DescribeScriptItem), never with a password of a transfer.
QString ScriptStepDescription(const ScriptingRecord& item);

// Plugs the interpreter into the frame's tick: runDueScriptItem runs
// CurrentScriptInterpreter().RunDueScriptItem(), describeScriptItem gives the
// status line of a step (never a password).
void InstallScriptInterpreter();

} // namespace vl
