#include "hotkeys/HotKeyStore.h"

#include "core/dictionary/Dictionary.h"
#include "core/dictionary/TableDefinitions.h"
#include "hotkeys/HotKeyCodes.h"
#include "hotkeys/ProgramHotKeys.h"
#include "platform/runtime/FixedText.h"
#include "platform/ui/PromptService.h"

namespace vl {
namespace {

constexpr int kQuickTextWidth = 40;

// Key codes that may be held without Ctrl, Alt or Win: the function keys
// and Print, which type nothing.
bool TypesNothing(int32_t virtualKey)
{
    return (virtualKey >= 112 && virtualKey <= 123) || virtualKey == 44;
}

// The other hot key stored with the same key code, if any; failure tells
// why the hot keys could not all be looked at.
bool KeyHolder(const SysHotKeysRecord& hotKey, int32_t code, SysHotKeysRecord& holder, QString& failure)
{
    Table<SysHotKeysRecord>& table = Tables().SysHotKeys;
    if (!OpenTable(table)) {
        failure = table.LastError().Describe();
        return false;
    }
    Cursor<SysHotKeysRecord> cursor(table, FileOrder);
    bool found = false;
    while (!found && cursor.Next(holder))
        found = holder.RecordPointer != hotKey.RecordPointer && ParseHotKey(holder.HotKey) == code;
    if (table.LastError().WalkFailed())
        failure = table.LastError().Describe();
    table.Close();
    return found;
}

bool Refuse(const QString& text)
{
    Prompt::Message(text, QLatin1String(kHotKeyRefusedCaption), PromptIcon::Exclamation);
    return false;
}

bool FileError(const TableFile& table)
{
    Prompt::Message(table.LastError().Describe(), QStringLiteral("Hot Keys"), PromptIcon::Stop);
    return false;
}

} // namespace

bool HasHotKeyTask(int32_t id)
{
    if (id <= 0)
        return false;
    Table<ScheduleRecord>& schedule = Tables().Schedule;
    if (!OpenTable(schedule))
        return false;
    ScheduleRecord task;
    task.ID = id;
    const bool found = schedule.Get(SCH_KEYID, task) && SameTextNoCase(task.TaskType, QLatin1String(kHotKeyTaskType));
    schedule.Close();
    return found;
}

void CompleteHotKey(SysHotKeysRecord& hotKey)
{
    if (Clip(hotKey.Description).isEmpty())
        hotKey.Description = Clip(hotKey.HotKey);
    QString quick = Clip(hotKey.Description) + QLatin1Char(' ');
    if (SameTextNoCase(hotKey.Action, QStringLiteral("Text")))
        quick += QStringLiteral(": ") + Clip(hotKey.Text);
    hotKey.QuickText = CutTo(quick, kQuickTextWidth);
}

QString HotKeyKeyProblem(const SysHotKeysRecord& hotKey)
{
    const QString text = Clip(hotKey.HotKey);
    const int32_t code = ParseHotKey(text);
    if (code == 0)
        return QStringLiteral("\"%1\" names no key.|Choose a key from the list.").arg(text);
    const int32_t key = code % 256;
    if (key == 0)
        return QStringLiteral("\"%1\" has no key.|Choose the key to press with the modifiers.").arg(text);
    if (code == ParseHotKey(QLatin1String(kRestoreFrameKey)))
        return QStringLiteral("Win-W brings the scheduler's window back and cannot be another hot key.|"
                              "Choose another key.");
    if ((code & ~(HotKeyBit::kShift | 255)) == 0 && !TypesNothing(key))
        return QStringLiteral("\"%1\" would stop that key from typing in every program.|"
                              "Add Ctrl, Alt or Win, or choose a function key.")
            .arg(text);
    SysHotKeysRecord holder;
    QString failure;
    if (KeyHolder(hotKey, code, holder, failure))
        return QStringLiteral("\"%1\" is already the hot key \"%2\".|"
                              "A key runs one hot key: choose another key, or change that hot key.")
            .arg(text, Clip(holder.Description));
    if (!failure.isEmpty())
        return QStringLiteral("The hot keys could not be read to see whether \"%1\" is taken: %2.|"
                              "Repair or restore the data file, then try again.")
            .arg(text, failure);
    return QString();
}

QString HotKeyProblem(const SysHotKeysRecord& hotKey)
{
    const QString keyProblem = HotKeyKeyProblem(hotKey);
    if (!keyProblem.isEmpty())
        return keyProblem;
    if (hotKey.Text.size() > kHotKeyTextSize)
        return QStringLiteral("The text has %1 characters; a hot key holds %2.|Shorten the text.")
            .arg(hotKey.Text.size())
            .arg(kHotKeyTextSize);
    if (SameTextNoCase(hotKey.Action, QStringLiteral("Task")) && !HasHotKeyTask(hotKey.ID))
        return QStringLiteral("This hot key has no task to run yet.|"
                              "Choose Next to make its task with the script wizard.");
    return QString();
}

bool StoreHotKey(FormRequest request, SysHotKeysRecord& hotKey)
{
    Table<SysHotKeysRecord>& table = Tables().SysHotKeys;
    if (!OpenTable(table))
        return FileError(table);
    struct Closer {
        Table<SysHotKeysRecord>& table;
        ~Closer() { table.Close(); }
    } closer{table};
    if (request == FormRequest::Delete) {
        // A refusal has been shown by the relations; a failure is shown here.
        RelationSet& relations = Tables().Relations;
        if (relations.Delete(table, hotKey))
            return true;
        if (!relations.LastError().Ok())
            Prompt::Message(relations.LastError().Describe(), QStringLiteral("Hot Keys"), PromptIcon::Stop);
        return false;
    }
    if (request == FormRequest::View)
        return true;
    CompleteHotKey(hotKey);
    const QString problem = HotKeyProblem(hotKey);
    if (!problem.isEmpty())
        return Refuse(problem);
    if (request == FormRequest::Insert) {
        // The link the record was primed with may have been taken by a hot
        // key added meanwhile: take one that is free now.
        if (hotKey.ID <= 0) {
            SysHotKeysRecord primed;
            table.Prime(primed);
            hotKey.ID = primed.ID;
        }
        return table.Add(hotKey) || FileError(table);
    }
    return table.Put(hotKey) || FileError(table);
}

} // namespace vl
