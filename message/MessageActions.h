#pragma once
// What a user can do with a shown message besides closing it, the same in
// the main program's message windows and in the message program:
// - Snooze: a one-time "Display Message" task in category "Snooze", due a
//   few minutes from now, that the scheduler shows again when it falls due;
// - To Do: a new item of the to-do list.
// Each works on the message as the window shows it at that moment and hands
// its result back only through the tables.

#include "core/dictionary/ScheduleRecord.h"
#include "core/dictionary/TodoRecord.h"
#include "message/ShownMessage.h"
#include "platform/data/Table.h"

#include <cstdint>

namespace vl {

// Snooze minutes of 0 (the setting left unset) count as this many.
inline constexpr int32_t kDefaultSnoozeMinutes = 10;

// The snoozed task: "Once", due minutes after the given moment (carried past
// midnight into the next days), skipped when missed, the message's title cut
// to the description's 40 characters, its text as the message, its sound as
// the alarm (set when there is one); every other field blank or 0.
ScheduleRecord SnoozedTask(const ShownMessage& message, int32_t minutes, Date today, ClockTime now);

// The to-do item: not done, priority 5, category "General", the title as the
// item and the text as its notes.
TodoRecord ToDoItem(const ShownMessage& message);

// Adds the snoozed task, due from the present moment, under the next free
// task ID. A task that cannot be written is reported to the user; false then,
// and the caller keeps the message on screen.
bool SnoozeMessage(const ShownMessage& message, int32_t minutes, Table<ScheduleRecord>& schedule);

// Adds the to-do item and confirms it in the box "Saved". An item that cannot
// be written is reported instead; false then.
bool MessageToToDo(const ShownMessage& message, Table<TodoRecord>& todo);

} // namespace vl
