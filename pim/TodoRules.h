#pragma once
// The rules of the to-do list: what a new item starts with, the done flag
// and its completion stamp, storing an item from its form (checked and
// stamped for the synchronisation), writing a toggled flag back, and the
// message task an item turns into.

#include "core/dictionary/ScheduleRecord.h"
#include "core/dictionary/TodoRecord.h"
#include "platform/data/Table.h"
#include "platform/ui/FormRequest.h"

#include <QString>

namespace vl {

inline constexpr char kGeneralTodoCategory[] = "General";
inline constexpr uint8_t kNewTodoPriority = 5;
inline constexpr char kTodoRangeErrorCaption[] = "Range Error";
inline constexpr char kTodoStoreCaption[] = "To Do List";
inline constexpr char kToggleFailedText[] = "The done status of \"%1\" could not be saved: %2";
inline constexpr int kTodoTaskDescriptionSize = 40;
inline constexpr int kTodoTaskMessageSize = 4096;

inline constexpr char kTodoNotOpenLabel[] = "ToDoList";
inline constexpr char kTodoNotOpenText[] = "File not open error";
inline constexpr char kTodoStillNotOpenLabel[] = "Todo";
inline constexpr char kTodoStillNotOpenText[] = "File not open: ";

// Opens the items for the list. When they will not open, the event log says
// so ("ToDoList", "File not open error") and they are opened once more,
// shared for reading and writing; when that fails too the log says why
// ("Todo", "File not open: " and the error). False then.
bool OpenTodoList(Table<TodoRecord>& todo);

// The category a new item takes: the one last chosen, "General" when none.
QString TodoCategoryOrGeneral(const QString& lastChosen);

// A new item: the table's insert defaults, priority 5, the category.
TodoRecord NewTodoItem(const Table<TodoRecord>& todo, const QString& lastChosen);

// The list's toggle: the flag flips; an item now done is stamped completed
// today, now; clearing the flag keeps the completion it had.
void ToggleDone(TodoRecord& item, Date today, ClockTime now);

// The form's "&Done" box changed: an item ticked done that was not done when
// the form opened is stamped completed today, now; an item done already
// keeps its completion date.
void DoneTicked(TodoRecord& item, bool doneAtOpen, Date today, ClockTime now);

// An identity no item holds yet (highest ORIGINALID + 1, at least 1); 0 when
// the table cannot be read.
int32_t NextTodoIdentity(Table<TodoRecord>& todo);

// The table's check of the priority alone, as the form runs it when the
// user leaves the priority: false, after its range message ("Range Error"),
// when the priority lies outside 1 to 10.
bool CheckTodoPriority(const Table<TodoRecord>& todo, const TodoRecord& item);

// Completes the form's request. Insert and change: the priority must lie in
// 1 to 10 (else the table's range message, "Range Error", and nothing is
// stored); the item is stamped with the user, today and now, and takes an
// identity when it has none; then it is added or written back. Delete:
// deleted. A file error is shown; false then, with the file as it was.
bool StoreTodo(Table<TodoRecord>& todo, FormRequest request, TodoRecord& item, const QString& userId);

// Toggles the done flag of the item as stored now and writes it straight
// back (no change stamp). A failure is shown, and the item is left as
// stored; false then. item takes the stored values.
bool ToggleStoredDone(Table<TodoRecord>& todo, TodoRecord& item, Date today, ClockTime now);

// The message of the task an item turns into: its notes, a line
// "Completed " and the completion date (@d17) or "Priority " and its
// priority, then "Resolution:" and the resolution when it has one; lines end
// with CR LF; at most 4,096 characters.
QString TodoTaskMessage(const TodoRecord& item);

// What the message task wizard starts from: the message, the description
// (the item's text cut to 40), the item's category, tomorrow at the time now.
ScheduleRecord TodoTaskSeed(const TodoRecord& item, Date today, ClockTime now);

} // namespace vl
