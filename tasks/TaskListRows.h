#pragma once
// How a task list shows one task: its status icon, its task-type icon and
// the colours of its date. Both task lists ("Scheduled Tasks" and "Explore
// Schedule") build their rows with these rules.

#include "core/dictionary/ScheduleRecord.h"

#include <array>

namespace vl {

// The icons of the task lists, numbered as the lists' icon list holds them.
enum class TaskListIcon {
    Blank = 1,
    BothTask,
    Disabled,
    Done,
    MessageTask,
    NotDone,
    ProgramTask,
    Skip,
    Skipped,
};

// The icon's name ("~done.ico").
const char* TaskListIconName(TaskListIcon icon);

// Done for a completed task that was not skipped; Skip for a task whose next
// run is to be skipped; Skipped for a completed, skipped task; NotDone for
// any other enabled task; Disabled for a disabled task that is not completed.
TaskListIcon StatusIcon(const ScheduleRecord& task);

// ProgramTask, MessageTask or BothTask by the task type; Blank for a
// reminder and any other type.
TaskListIcon TaskTypeIcon(const ScheduleRecord& task);

// The date cell's colours as stored values (0xBBGGRR; -1 the list's own):
// normal text, normal background, selected text, selected background. A
// disabled task's date is grey, one whose next run is skipped blue; both
// show white when selected.
using CellColours = std::array<int, 4>;
inline constexpr int kGreyText = 8421504;
inline constexpr int kBlueText = 16711680;
inline constexpr int kWhiteText = 16777215;
CellColours DateColours(const ScheduleRecord& task);

} // namespace vl
