#pragma once
// The script task wizard ("AddScriptWizard"): a task whose work is a script,
// built item by item or from script templates on its Script page, then when
// it runs, its category and its alarm. One script wizard is open at a time:
// a second start brings the open one forward and opens none.
//
// Hot-key mode makes or changes the task a system hot key runs: a task of
// type "Hot Key" that never comes due by date (no date, no weekdays, no
// exceptions). Its pages are the Script page and the Category page.

#include <QString>

#include <cstdint>
#include <functional>
#include <optional>

class QWidget;

namespace vl {

inline constexpr char kAddScriptWizardProcedure[] = "AddScriptWizard";

// Opens the script wizard in hot-key mode, modal to the parent, for the hot
// key with the key text given (Ctrl-F5): on the task stored under taskId,
// or, when taskId is 0 or names no task, on a new task described "Hot Key "
// and the key text in the category "Hot Key". `done` receives the task's ID
// once Finish has stored it, nothing when the wizard was cancelled (a new
// task is then gone, a changed one is as it was, its script included).
// False, and `done` is never called, when the wizard did not open: another
// script wizard is open (it has been brought forward) or the task could not
// be read or reserved (shown to the user).
bool OpenHotKeyScriptWizard(const QString& hotKey, int32_t taskId, QWidget* parent,
                            std::function<void(std::optional<int32_t> storedTaskId)> done);

// Registers "AddScriptWizard", a window of its own started by the frame.
void RegisterScriptTaskWizard();

} // namespace vl
