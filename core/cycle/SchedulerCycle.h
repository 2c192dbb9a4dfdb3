#pragma once
// The frame's timer tick, apart from the window: the icon and phase
// counters, the four-phase cycle of unattended work, the script status, the
// working and tray icons, and the title that says whether the scheduler is
// active. The frame calls Tick on every timer event and shows what the tick
// hands to its TickSurface.
//
// A tick never runs inside another: a routine that opens a prompt keeps its
// tick going until the prompt closes, and the timer events that arrive
// meanwhile do nothing, so a due task can never be performed twice.

#include "core/dictionary/ProgramQueues.h"
#include "core/cycle/SchedulerRoutines.h"
#include "platform/runtime/Calendar.h"

#include <QString>

namespace vl {

// What a tick changes of the frame.
class TickSurface {
public:
    virtual ~TickSurface() = default;
    virtual QString Title() const = 0;
    virtual void SetTitle(const QString& title) = 0;
    // Status zone 2: the next task, "Inactive", or the running script's step.
    virtual void SetScriptStatus(const QString& text) = 0;
    // "*" while a script runs.
    virtual void SetScriptIndicator(const QString& text) = 0;
    virtual void SetWorkingIcon(const QString& icon) = 0;
    virtual void SetTrayIcon(const QString& icon) = 0;
    virtual void EnableViewCurrentScript(bool enabled) = 0;
    // Hiding in the tray or minimising to the taskbar, by the NoTray setting.
    virtual void ChooseTrayMinimising() = 0;
    // Tells the open task lists to refresh.
    virtual void NotifyTaskLists() = 0;
};

inline constexpr char kInactiveStatus[] = "Inactive";
inline constexpr char kInactiveTitleSuffix[] = " (Inactive)";
inline constexpr char kBlankIcon[] = "~blank.ico";
inline constexpr char kIdleTrayIcon[] = "tray_ico";
inline constexpr char kBusyTrayIcon[] = "traybusy_ico";
inline constexpr char kBusyTrayIcon2[] = "traybus2_ico";

// The title while active ("Velmora 2000") and while inactive
// ("Velmora 2000 (Inactive)").
QString ActiveTitle();
QString InactiveTitle();

// The working icon for a frame 1-7 of its animation: "~wrka.ico" to
// "~wrkg.ico" while idle, "~wrkas.ico" to "~wrkgs.ico" while a script runs,
// "~blank.ico" while the scheduler is inactive and no script runs.
QString WorkingIcon(int iconFrame, bool scriptRunning, bool active);

// The status text of a running script's head step: its action, its summary
// (when there is one) and its due time.
QString ScriptStepStatus(const ScriptQueueEntry& head, const QString& description);

class SchedulerCycle {
public:
    explicit SchedulerCycle(TickSurface& surface, const SchedulerRoutines& routines = TickRoutines());

    // One timer tick; false when it did nothing because an earlier tick is
    // still running.
    bool Tick();
    bool InTick() const { return inTick_; }

    // Counters as the last tick left them: phase 1-4, icon frame 1-7, busy
    // tray icon 1-4 (0 before the first).
    int Phase() const { return phase_; }
    int IconFrame() const { return iconFrame_; }
    int BusyFrame() const { return busyFrame_; }
    bool ScriptRunning() const { return scriptRunning_; }

private:
    void RunPhase();
    void UpdateScriptState(bool active);
    void ShowScriptStatus(bool active);
    void ShowTrayIcon();

    TickSurface& surface_;
    const SchedulerRoutines& routines_;
    bool inTick_ = false;
    int phase_ = 0;
    int iconFrame_ = 0;
    int busyFrame_ = 0;
    bool scriptRunning_ = false;
    bool scriptWasRunning_ = false;
    Date dailyWorkDay_ = 0; // the day phase 2's daily work last ran
};

} // namespace vl
