#pragma once
// "Special Event Wizard" (SpecialEventWizard): makes a one-off variant of an
// existing task for a special day. The task lists start it on their
// highlighted task; it copies that task into a new one-time task (with its
// own copy of the script) that the user adjusts page by page, and, when
// asked, makes the task copied skip its next regular run.
//
// The lists call OpenSpecialEventWizard with the highlighted task's ID, or
// start the procedure "SpecialEventWizard" with themselves as its window:
// a window that is a HighlightedTaskSource then names the task.

#include <cstdint>
#include <functional>

class QWidget;

namespace vl {

inline constexpr char kSpecialEventWizardProcedure[] = "SpecialEventWizard";

// A window that shows tasks names the one highlighted (0: none).
class HighlightedTaskSource {
public:
    virtual ~HighlightedTaskSource() = default;
    virtual int32_t HighlightedTaskId() const = 0;
};

// Opens the wizard on a copy of the task, window-modal to the list (a window
// of its own when list is null); done(true) runs once the copy is stored,
// done(false) when the wizard was cancelled. False when the task could not
// be read (the reason has been shown): no wizard opens and done is not run.
bool OpenSpecialEventWizard(int32_t sourceTaskId, QWidget* list, std::function<void(bool stored)> done = {});

} // namespace vl
