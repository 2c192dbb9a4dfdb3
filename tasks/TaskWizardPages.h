#pragma once
// The pages of the task wizards and the order they come in. Each wizard
// leads through a fixed sequence of pages with Back, Next, Finish and Cancel;
// a page the task does not need (the command of a message, the message of a
// program; the schedule of a hot key's task) is left out of the sequence in
// both directions.

#include "core/dictionary/ScheduleRecord.h"

#include <QString>

#include <vector>

namespace vl {

enum class WizardPage { Task, Category, Command, Message, When, Advanced, Script };

enum class TaskWizardKind {
    Task,         // "Add Task Wizard": any task type
    Program,      // "New Program Task Wizard"
    Message,      // "New Message Task Wizard"
    SpecialEvent, // "Special Event Wizard": a one-off copy of a task
    Script,       // "New Script Task Wizard": a task whose work is a script
};

inline constexpr char kClockPicture[] = "TIMEPC_L.GIF";
inline constexpr char kWritePicture[] = "WRITE.GIF";

// What a wizard is called, where it keeps its place, and the type a new
// task starts with (blank for the special event, which copies a task).
struct TaskWizardTexts {
    const char* caption;
    const char* icon;
    const char* positionKey;
    const char* taskType;
};
const TaskWizardTexts& WizardTexts(TaskWizardKind kind);

// The script wizard's caption when it changes a stored task (a hot key's).
inline constexpr char kEditScriptWizardCaption[] = "Edit Script Task Wizard";

// The heading of a page in that wizard and the picture beside it (null:
// the page needs the room and shows none).
struct WizardPageLook {
    const char* heading;
    const char* picture;
};
WizardPageLook PageLook(TaskWizardKind kind, WizardPage page);

// The pages of the wizard for the task as it stands, in Next order. The
// script wizard shows a hot key's task ("Hot Key") only its script and its
// category: it never comes due by date.
std::vector<WizardPage> PageSequence(TaskWizardKind kind, const ScheduleRecord& task);

// Which buttons a page offers: Back everywhere but on the first page, Next
// everywhere but on the last, Finish (the default button) only on the last.
struct WizardButtons {
    bool back = false;
    bool next = false;
    bool finish = false;
};
WizardButtons ButtonsOn(const std::vector<WizardPage>& sequence, WizardPage page);

// The page Next (step 1) or Back (step -1) leads to from the page; the page
// itself where the sequence ends. A page no longer in the sequence (its task
// type was changed) counts from the first page.
WizardPage StepFrom(const std::vector<WizardPage>& sequence, WizardPage page, int step);

} // namespace vl
