#include "exchange/SyncExchange.h"

#include "core/base/EventLog.h"
#include "core/dictionary/Dictionary.h"
#include "exchange/ReceivedSyncFile.h"
#include "platform/runtime/FileModes.h"
#include "platform/runtime/FixedText.h"
#include "platform/ui/EventNumbers.h"
#include "platform/ui/ThreadPost.h"
#include "scripting/items/WholeScript.h"

#include <QFile>

#include <algorithm>
#include <vector>

namespace vl {
namespace {

const QString kTableSeparator = QStringLiteral("\\!");

// Opens the tables of a run and closes them at its end; a run that has not
// committed is rolled back.
class SyncRun {
public:
    explicit SyncRun(Dictionary& d)
        : tables_{&d.Schedule, &d.Scripting, &d.Todo, &d.SyncSchedule, &d.SyncScripting, &d.SyncTodo}
    {
    }
    ~SyncRun()
    {
        for (auto it = batches_.rbegin(); it != batches_.rend(); ++it)
            (*it)->Rollback();
        for (TableFile* table : opened_)
            table->Close();
    }
    SyncRun(const SyncRun&) = delete;
    SyncRun& operator=(const SyncRun&) = delete;

    // Opens the six tables; those of a received file (received names it)
    // as they stand, never created.
    bool Open(SyncOutcome& outcome, const QString& received = QString())
    {
        const size_t local = received.isEmpty() ? tables_.size() : kLocalTables;
        for (size_t n = 0; n < local; ++n) {
            if (!OpenTable(*tables_[n]))
                return Fail(outcome, *tables_[n]);
            opened_.push_back(tables_[n]);
        }
        if (received.isEmpty())
            return true;
        const std::vector<TableFile*> sync(tables_.begin() + kLocalTables, tables_.end());
        if (!OpenReceivedTables(sync, received, outcome.error))
            return false;
        opened_.insert(opened_.end(), sync.begin(), sync.end());
        return true;
    }
    bool Stream(TableFile& table, SyncOutcome& outcome)
    {
        if (!table.Stream())
            return Fail(outcome, table);
        batches_.push_back(&table);
        return true;
    }
    bool Commit(SyncOutcome& outcome)
    {
        while (!batches_.empty()) {
            TableFile* table = batches_.back();
            batches_.pop_back();
            if (!table->Flush())
                return Fail(outcome, *table);
        }
        outcome.ok = true;
        return true;
    }
    static bool Fail(SyncOutcome& outcome, const TableFile& table)
    {
        outcome.error = QStringLiteral("%1: Error #%2 - %3").arg(table.Definition().Description())
                            .arg(table.ErrorCode()).arg(table.Error());
        return false;
    }
    // A walk that stopped on a failure (a damaged page, say) is no end of
    // the table: the run fails, naming the file it could not read.
    static bool WalkEnded(SyncOutcome& outcome, const TableFile& table)
    {
        if (!table.LastError().WalkFailed())
            return true;
        Fail(outcome, table);
        outcome.error += QStringLiteral(" (reading %1)").arg(SyncFilePart(table.Name()));
        return false;
    }

private:
    static constexpr size_t kLocalTables = 3; // the synchronisation tables follow
    std::vector<TableFile*> tables_;
    std::vector<TableFile*> opened_;
    std::vector<TableFile*> batches_;
};

// Counts the records a run has gone through against those it will go
// through, and tells the percentage when it changes; false once cancelled.
class SyncPass {
public:
    SyncPass(const SyncProgress& progress, int64_t total) : progress_(progress), total_(std::max<int64_t>(total, 1)) {}
    bool Step(SyncOutcome& outcome)
    {
        const int percent = static_cast<int>(std::min<int64_t>(100, ++done_ * 100 / total_));
        if (!progress_ || percent == shown_)
            return true;
        shown_ = percent;
        if (progress_(percent))
            return true;
        outcome.cancelled = true;
        return false;
    }

private:
    const SyncProgress& progress_;
    int64_t total_;
    int64_t done_ = 0;
    int shown_ = 0;
};

void PointAt(const QString& file)
{
    GlobalSyncScheduleFilename = file + kTableSeparator + QStringLiteral("s");
    GlobalSyncScriptingFilename = file + kTableSeparator + QStringLiteral("scr");
    GlobalSyncTodoFilename = file + kTableSeparator + QStringLiteral("todo");
    Tables().ApplyFileNameVariables();
}

bool HasNextRun(const ScheduleRecord& task)
{
    return task.Date > 0 && task.Time > 0;
}

// Later change stamp: -1 when a is earlier than b, 0 the same, 1 later.
int CompareStamps(int32_t dateA, int32_t timeA, int32_t dateB, int32_t timeB)
{
    if (dateA != dateB)
        return dateA < dateB ? -1 : 1;
    return timeA == timeB ? 0 : (timeA < timeB ? -1 : 1);
}

// The script items of a task; false when they could not all be read.
bool ItemsOf(Table<ScriptingRecord>& table, KeyRef key, int32_t id, std::vector<ScriptingRecord>& items,
             SyncOutcome& outcome)
{
    items.clear();
    ScriptingRecord item;
    item.ID = id;
    Cursor<ScriptingRecord> cursor(table);
    if (!cursor.Set(key, item))
        return SyncRun::Fail(outcome, table);
    while (cursor.Next(item) && item.ID == id)
        items.push_back(item);
    return SyncRun::WalkEnded(outcome, table);
}

bool SameTask(const ScheduleRecord& a, const ScheduleRecord& b)
{
    return Clip(a.TaskType) == Clip(b.TaskType) && Clip(a.Description) == Clip(b.Description)
           && Clip(a.Category).compare(Clip(b.Category), Qt::CaseInsensitive) == 0;
}

bool SendTasks(Dictionary& d, SyncRun& run, SyncPass& pass, SyncOutcome& outcome)
{
    ScheduleRecord task;
    Cursor<ScheduleRecord> tasks(d.Schedule, SCH_KEYTASKNAME);
    while (tasks.Next(task)) {
        if (!pass.Step(outcome))
            return false;
        if (!HasNextRun(task))
            continue;
        SyncScheduleRecord sent;
        CopyScheduleFields(task, sent);
        sent.RecordPointer = 0;
        sent.ID = 0; // numbered within the file
        sent.BIMONTHLY = 0;
        std::vector<ScriptingRecord> items;
        if (!ItemsOf(d.Scripting, SCR_KEYID, task.ID, items, outcome))
            return false;
        if (!d.SyncSchedule.Add(sent))
            return run.Fail(outcome, d.SyncSchedule);
        for (ScriptingRecord item : items) {
            item.RecordPointer = 0;
            item.ID = sent.ID;
            if (!d.SyncScripting.Add(item))
                return run.Fail(outcome, d.SyncScripting);
        }
        ++outcome.tasks;
    }
    return run.WalkEnded(outcome, d.Schedule);
}

// The first field check an incoming task or one of its items fails, as
// "description: reason"; empty when all pass.
QString RefusalOf(Dictionary& d, const ScheduleRecord& task, const std::vector<ScriptingRecord>& items)
{
    std::optional<FieldCheckFailure> failure = d.Schedule.Validate(task);
    for (auto item = items.begin(); !failure && item != items.end(); ++item)
        failure = d.Scripting.Validate(*item);
    return failure ? Clip(task.Description) + QStringLiteral(": ") + failure->message : QString();
}

bool ReceiveTasks(Dictionary& d, SyncRun& run, SyncPass& pass, SyncOutcome& outcome)
{
    SyncScheduleRecord incoming;
    Cursor<SyncScheduleRecord> received(d.SyncSchedule, SSCH_KEYTASKNAME);
    while (received.Next(incoming)) {
        if (!pass.Step(outcome))
            return false;
        if (!HasNextRun(incoming))
            continue;
        bool same = false; // a local task of the same stamp: this very version
        bool kept = false;
        ScheduleRecord local;
        local.Description = incoming.Description;
        local.Category = incoming.Category;
        Cursor<ScheduleRecord> met(d.Schedule);
        met.Set(SCH_KEYTASKNAME, local);
        std::vector<ScheduleRecord> older;
        while (met.Next(local) && Clip(local.Description) == Clip(incoming.Description)) {
            if (!SameTask(local, incoming))
                continue;
            const int order = CompareStamps(local.LASTCHANGEDATE, local.LASTCHANGETIME, incoming.LASTCHANGEDATE,
                                            incoming.LASTCHANGETIME);
            if (order > 0)
                kept = true;
            else if (order == 0)
                same = true;
            else
                older.push_back(local);
        }
        if (!run.WalkEnded(outcome, d.Schedule))
            return false;
        if (same)
            continue; // already here: nothing to add, nothing it replaces
        ScheduleRecord added;
        CopyScheduleFields(incoming, added);
        added.RecordPointer = 0;
        added.ID = 0;
        std::vector<ScriptingRecord> items;
        if (!ItemsOf(d.SyncScripting, SSCR_KEYID, incoming.ID, items, outcome))
            return false;
        if (const QString refusal = RefusalOf(d, added, items); !refusal.isEmpty()) {
            outcome.refused << refusal;
            continue; // the local versions stay
        }
        // Of the local versions and the incoming one, only the newest stays.
        for (const ScheduleRecord& task : older) {
            if (!DeleteTaskScript(d.Scripting, task.ID).Ok())
                return run.Fail(outcome, d.Scripting);
            if (!d.Schedule.Delete(task))
                return run.Fail(outcome, d.Schedule);
        }
        if (kept)
            continue;
        if (!d.Schedule.Add(added))
            return run.Fail(outcome, d.Schedule);
        if (!DeleteTaskScript(d.Scripting, added.ID).Ok())
            return run.Fail(outcome, d.Scripting);
        for (ScriptingRecord item : items) {
            item.RecordPointer = 0;
            item.ID = added.ID;
            item.Sequence = 0; // numbered afresh within the task
            if (!d.Scripting.Add(item))
                return run.Fail(outcome, d.Scripting);
        }
        ++outcome.tasks;
    }
    return run.WalkEnded(outcome, d.SyncSchedule);
}

bool ReceiveTodos(Dictionary& d, SyncRun& run, SyncPass& pass, SyncOutcome& outcome)
{
    TodoRecord incoming;
    Cursor<TodoRecord> received(d.SyncTodo, FileOrder);
    while (received.Next(incoming)) {
        if (!pass.Step(outcome))
            return false;
        TodoRecord local;
        local.ToDo = incoming.ToDo;
        Cursor<TodoRecord> met(d.Todo);
        met.Set(TDO_KEYTODO, local);
        std::vector<TodoRecord> older;
        bool exists = false;
        bool same = false;
        while (met.Next(local) && Clip(local.ToDo) == Clip(incoming.ToDo)) {
            exists = true;
            const int order = CompareStamps(local.LASTCHANGEDATE, local.LASTCHANGETIME, incoming.LASTCHANGEDATE,
                                            incoming.LASTCHANGETIME);
            if (order == 0)
                same = true;
            else if (order < 0)
                older.push_back(local);
        }
        if (!run.WalkEnded(outcome, d.Todo))
            return false;
        if (same || (exists && older.empty()))
            continue; // already here, or here in a later version
        if (const auto failure = d.Todo.Validate(incoming)) {
            outcome.refused << Clip(incoming.ToDo) + QStringLiteral(": ") + failure->message;
            continue; // the local items of its text stay
        }
        for (const TodoRecord& item : older)
            if (!d.Todo.Delete(item))
                return run.Fail(outcome, d.Todo);
        TodoRecord added = incoming;
        added.RecordPointer = 0;
        if (!d.Todo.Add(added))
            return run.Fail(outcome, d.Todo);
        ++outcome.todos;
    }
    return run.WalkEnded(outcome, d.SyncTodo);
}

} // namespace

QString SyncFilePart(const QString& chosen)
{
    const qsizetype cut = chosen.indexOf(kTableSeparator);
    return (cut < 0 ? chosen : chosen.left(cut)).trimmed();
}

namespace {

// Writes the local state into a fresh file of that name.
SyncOutcome SendInto(const QString& name, const SyncProgress& progress)
{
    SyncOutcome outcome;
    PointAt(name);
    Dictionary& d = Tables();
    SyncRun run(d);
    if (!run.Open(outcome) || !run.Stream(d.SyncSchedule, outcome))
        return outcome;
    SyncPass pass(progress, d.Schedule.Records() + d.Todo.Records());
    if (!SendTasks(d, run, pass, outcome))
        return outcome;
    TodoRecord todo;
    Cursor<TodoRecord> todos(d.Todo, FileOrder);
    while (todos.Next(todo)) {
        if (!pass.Step(outcome))
            return outcome;
        todo.RecordPointer = 0;
        if (!d.SyncTodo.Add(todo)) {
            run.Fail(outcome, d.SyncTodo);
            return outcome;
        }
        ++outcome.todos;
    }
    if (run.WalkEnded(outcome, d.Todo))
        run.Commit(outcome);
    return outcome;
}

} // namespace

SyncOutcome SyncSend(const QString& file, const SyncProgress& progress)
{
    // The file is written under another name and takes the place of the
    // earlier one only when complete.
    const QString name = SyncFilePart(file);
    const QString part = name + QStringLiteral(".sending");
    WriteEventLog(QStringLiteral("SyncSend"), name + kTableSeparator + QStringLiteral("scr"));
    QFile::remove(part);
    // The file carries the tasks and to-do items wherever it is written:
    // it is its owner's only.
    CreatePrivateFile(part);
    SyncOutcome outcome = SendInto(part, progress);
    PointAt(name);
    if (outcome.ok && ((QFile::exists(name) && !QFile::remove(name)) || !QFile::rename(part, name))) {
        outcome.ok = false;
        outcome.error = QStringLiteral("%1 cannot be replaced").arg(name);
    }
    QFile::remove(part);
    return outcome;
}

SyncOutcome SyncReceive(const QString& file, const SyncProgress& progress)
{
    SyncOutcome outcome;
    const QString name = SyncFilePart(file);
    if (!QFile::exists(name)) {
        outcome.error = QStringLiteral("%1 does not exist").arg(name);
        return outcome;
    }
    PointAt(name);
    WriteEventLog(QStringLiteral("SyncReceive"), GlobalSyncScriptingFilename);
    ReceivedSyncFile copy; // outlives the run, which closes its tables
    if (!copy.Copy(name, outcome.error))
        return outcome;
    PointAt(copy.Path());
    {
        Dictionary& d = Tables();
        SyncRun run(d);
        if (run.Open(outcome, name)) {
            SyncPass pass(progress, d.SyncSchedule.Records() + d.SyncTodo.Records());
            if (run.Stream(d.Schedule, outcome) && ReceiveTasks(d, run, pass, outcome)
                && ReceiveTodos(d, run, pass, outcome) && run.Commit(outcome) && outcome.tasks > 0)
                CurrentThreadPost().Broadcast(ThreadGroup::TaskLists,
                                              EventNumber::kRefreshTaskList); // the open task lists show them
        }
    }
    // The names carry the file chosen into the next choice, and the errors
    // name it rather than its copy.
    PointAt(name);
    outcome.error.replace(copy.Path(), name);
    return outcome;
}

} // namespace vl
