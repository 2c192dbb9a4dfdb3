#include "pim/TodoRules.h"

#include "core/base/EventLog.h"
#include "core/dictionary/Dictionary.h"

#include "platform/runtime/Clock.h"
#include "platform/runtime/FixedText.h"
#include "platform/runtime/Picture.h"
#include "platform/ui/PromptService.h"

#include <algorithm>

namespace vl {

namespace {

const QString kLineEnd = QStringLiteral("\r\n");

bool ShowFileError(const TableFile& todo)
{
    Prompt::Message(todo.LastError().Describe(), QLatin1String(kTodoStoreCaption), PromptIcon::Stop);
    return false;
}

} // namespace

QString TodoCategoryOrGeneral(const QString& lastChosen)
{
    const QString category = Clip(lastChosen);
    return category.isEmpty() ? QLatin1String(kGeneralTodoCategory) : category;
}

TodoRecord NewTodoItem(const Table<TodoRecord>& todo, const QString& lastChosen)
{
    TodoRecord item;
    todo.Prime(item);
    item.Priority = kNewTodoPriority;
    item.Category = TodoCategoryOrGeneral(lastChosen);
    return item;
}

void ToggleDone(TodoRecord& item, Date today, ClockTime now)
{
    item.Done = item.Done ? 0 : 1;
    if (item.Done) {
        item.CompletionDate = today;
        item.CompletionTime = now;
    }
}

void DoneTicked(TodoRecord& item, bool doneAtOpen, Date today, ClockTime now)
{
    if (item.Done && !doneAtOpen) {
        item.CompletionDate = today;
        item.CompletionTime = now;
    }
}

int32_t NextTodoIdentity(Table<TodoRecord>& todo)
{
    int32_t highest = 0;
    Cursor<TodoRecord> cursor(todo, TDO_KEYTODO);
    TodoRecord item;
    while (cursor.Next(item))
        highest = std::max(highest, item.ORIGINALID);
    if (todo.ErrorCode() != kNoError && todo.ErrorCode() != kRecordNotAvailable)
        return 0;
    return highest + 1;
}

bool CheckTodoPriority(const Table<TodoRecord>& todo, const TodoRecord& item)
{
    const auto failure = todo.Validate(item);
    if (!failure || failure->field != QLatin1String("TDO:Priority"))
        return true;
    Prompt::Message(failure->message, QLatin1String(kTodoRangeErrorCaption), PromptIcon::Exclamation);
    return false;
}

bool StoreTodo(Table<TodoRecord>& todo, FormRequest request, TodoRecord& item, const QString& userId)
{
    if (request == FormRequest::Delete)
        return todo.Delete(item) || ShowFileError(todo);
    if (const auto failure = todo.Validate(item)) {
        Prompt::Message(failure->message, QLatin1String(kTodoRangeErrorCaption), PromptIcon::Exclamation);
        return false;
    }
    TodoRecord stamped = item;
    stamped.NETWORKUSER = userId;
    stamped.LASTCHANGEDATE = Today();
    stamped.LASTCHANGETIME = Now();
    if (stamped.ORIGINALID == 0) {
        stamped.ORIGINALID = NextTodoIdentity(todo);
        if (stamped.ORIGINALID == 0)
            return ShowFileError(todo);
    }
    const bool stored = request == FormRequest::Insert ? todo.Add(stamped) : todo.Put(stamped);
    if (!stored)
        return ShowFileError(todo);
    item = stamped;
    return true;
}

bool OpenTodoList(Table<TodoRecord>& todo)
{
    if (OpenTable(todo))
        return true;
    WriteEventLog(QLatin1String(kTodoNotOpenLabel), QLatin1String(kTodoNotOpenText));
    if (todo.Open(AccessMode::kReadWrite | AccessMode::kDenyNone, true))
        return true;
    WriteEventLog(QLatin1String(kTodoStillNotOpenLabel), QLatin1String(kTodoStillNotOpenText) + todo.Error());
    return false;
}

bool ToggleStoredDone(Table<TodoRecord>& todo, TodoRecord& item, Date today, ClockTime now)
{
    TodoRecord stored;
    if (!todo.Get(item.RecordPointer, stored)) {
        Prompt::Message(QString::fromLatin1(kToggleFailedText).arg(Clip(item.ToDo), todo.LastError().Describe()),
                        QLatin1String(kTodoStoreCaption), PromptIcon::Stop);
        return false;
    }
    TodoRecord toggled = stored;
    ToggleDone(toggled, today, now);
    if (!todo.Put(toggled)) {
        Prompt::Message(QString::fromLatin1(kToggleFailedText).arg(Clip(item.ToDo), todo.LastError().Describe()),
                        QLatin1String(kTodoStoreCaption), PromptIcon::Stop);
        item = stored;
        return false;
    }
    item = toggled;
    return true;
}

QString TodoTaskMessage(const TodoRecord& item)
{
    QString message = Clip(item.Notes) + kLineEnd;
    if (item.CompletionDate != 0)
        message += QStringLiteral("Completed ") + Picture::Format(item.CompletionDate, QStringLiteral("@d17")).trimmed();
    else
        message += QStringLiteral("Priority ") + QString::number(item.Priority);
    message += kLineEnd;
    const QString resolution = Clip(item.Resolution);
    if (!resolution.isEmpty())
        message += QStringLiteral("Resolution:") + kLineEnd + resolution + kLineEnd;
    return CutTo(message, kTodoTaskMessageSize);
}

ScheduleRecord TodoTaskSeed(const TodoRecord& item, Date today, ClockTime now)
{
    ScheduleRecord task;
    task.Message = TodoTaskMessage(item);
    task.Description = CutTo(Clip(item.ToDo), kTodoTaskDescriptionSize);
    task.Category = Clip(item.Category);
    task.Date = today + 1;
    task.Time = now;
    return task;
}

} // namespace vl
