#pragma once
// The frame's rules that need no window: its timer, the date and clock of
// the status bar, what a close request does, and the question File, Exit
// asks.

#include "platform/runtime/Calendar.h"

#include <QString>

namespace vl {

// The frame's timer in hundredths of a second: one outside 1 to 100 becomes
// 100, so the scheduler ticks at least once a second.
int ClampTimerInterval(int hundredths);

// Weekday names, Sunday first, as the status bar shows them.
QString WeekdayName(Date date);
// Status zone 3: "Tuesday, " and the date in picture @D3, whatever date
// picture the user chose for lists.
QString DateZoneText(Date today);
// Status zone 4: the clock in the desktop's short time format.
QString ClockZoneText(ClockTime now);

// What the frame does with a request to close its window.
enum class CloseAction {
    Close,   // runs its close steps and ends the program
    Iconize, // goes to the tray (or the taskbar) instead, and stays open
};

// A close request (the close box, the window manager) iconizes the frame
// when the user asked to minimise instead of exiting, unless the exit was
// already confirmed through File, Exit.
CloseAction DecideCloseRequest(bool minimizeOnCloseRequest, bool exitConfirmed);

inline constexpr char kExitWarningCaption[] = "Warning";
inline constexpr char kExitWarningText[] =
    "No tasks will execute while Velmora is not active.  Are you sure you want to close Velmora?";

// File, Exit: while the frame minimises on close requests, the user is
// warned that nothing runs while the program is closed and may keep it open
// (prompt service). True when the frame is to close.
bool ConfirmExit(bool minimizeOnCloseRequest);

} // namespace vl
