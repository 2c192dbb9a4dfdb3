#pragma once
// What the script list decides without a window: its caption, the texts it
// gives a task that has none, which of its buttons may be pressed, and where
// an item lands after the item form added or deleted one.

#include "core/dictionary/ScheduleRecord.h"
#include "scripting/items/ScriptItemTables.h"

#include <QString>

#include <cstdint>
#include <optional>

namespace vl {

inline constexpr char kNoTaskIdText[] = "Invalid Schedule ID #0";
inline constexpr char kNoTaskIdCaption[] = "Internal Error";
inline constexpr char kNoCommandText[] = "N/A";
inline constexpr char kScriptDescriptionStart[] = "Script ";

// "Scripting - " category ": " description " " command, each clipped; the
// category and its ": " only when the task has a category.
QString ScriptListCaption(const ScheduleRecord& task);

// A blank Command becomes "N/A", a blank Description "Script " and today's
// date in the user's date picture; the caller stores the task.
void FillScriptTaskTexts(ScheduleRecord& task);

// Which buttons of the list may be pressed.
struct ScriptListButtons {
    bool add = false;      // "&New"
    bool onItem = false;   // "Cop&y", "&Edit", "&Delete", "Clear", "&Print"
    bool earlier = false;  // up one, to the top
    bool later = false;    // down one, to the bottom
};

// For a task's list with `rows` items and the row `current` highlighted
// (-1: none). A task without an ID (0) takes no items: nothing is enabled,
// so no item is ever stored where no task can reach it.
ScriptListButtons EnabledScriptListButtons(int32_t taskId, int rows, int current);

// After the item form stored a new item (numbered `added`) while the item
// numbered `remembered` was highlighted (0: none): the new item is moved to
// just after it unless it is there already. The new item's number, or
// nothing after a failed move (shown; the item stays where it was stored).
std::optional<int32_t> PlaceAddedItem(Table<ScriptingRecord>& scripting, int32_t taskId, int32_t remembered,
                                      int32_t added);

// After the item form deleted the item numbered `deleted` (0: none): the
// items after it close up. False after a failure, which has been shown.
bool CloseUpAfterDelete(Table<ScriptingRecord>& scripting, int32_t taskId, int32_t deleted);

} // namespace vl
