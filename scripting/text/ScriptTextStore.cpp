// A task's script read as text and replaced by the items of a text.

#include "platform/runtime/FixedText.h"
#include "platform/ui/PromptService.h"
#include "scripting/items/ScriptItemTables.h"
#include "scripting/items/WholeScript.h"
#include "scripting/text/ScriptText.h"

#include <QRegularExpression>

namespace vl {
namespace {

void ShowError(const QString& text)
{
    Prompt::Message(text, QLatin1String(kScriptTextErrorCaption), PromptIcon::Stop);
}

// Replaces the task's items in one batch; the error that stopped it, after
// which the table is as it was.
DataError ReplaceScript(Table<ScriptingRecord>& scripting, int32_t taskId, std::vector<ScriptingRecord>& items)
{
    if (!scripting.Stream())
        return scripting.LastError();
    DataError stopped = DeleteTaskScript(scripting, taskId);
    for (ScriptingRecord& item : items) {
        if (!stopped.Ok())
            break;
        if (!scripting.Add(item))
            stopped = scripting.LastError();
    }
    if (!stopped.Ok()) {
        scripting.Rollback();
        return stopped;
    }
    scripting.Flush();
    return scripting.LastError();
}

} // namespace

QString ScriptItemsToText(Table<ScriptingRecord>& scripting, int32_t taskId)
{
    if (taskId == 0) {
        ShowError(QLatin1String(kNoTaskIdErrorText));
        return QString();
    }
    std::vector<ScriptingRecord> items;
    const DataError error = ReadScriptItems(scripting, taskId, items);
    if (!error.Ok())
        ShowError(QLatin1String(kNextScriptErrorText) + error.Describe());
    return ScriptItemsToText(items);
}

bool ScriptTextToItems(Table<ScriptingRecord>& scripting, int32_t taskId, const QString& text)
{
    if (text.trimmed().isEmpty()) {
        ShowError(QLatin1String(kNothingToSaveText));
        return false;
    }
    if (taskId == 0) {
        ShowError(QLatin1String(kNoTaskIdErrorText));
        return false;
    }
    // Every line is read (and an unknown keyword told) before anything is
    // written, so no batch is held while the user reads a message.
    static const QRegularExpression kLineEnd(QStringLiteral("\r\n|\r|\n"));
    const QStringList lines = text.split(kLineEnd);
    std::vector<ScriptingRecord> items;
    int32_t sequence = 0;
    for (const QString& line : lines) {
        ++sequence;
        if (sequence == lines.size() && line.trimmed().isEmpty())
            break; // what follows the last line end
        ScriptingRecord item;
        item.ID = taskId;
        item.Sequence = sequence;
        const ScriptLineKind kind = ParseScriptLine(line, item);
        if (kind == ScriptLineKind::Blank)
            continue;
        if (kind == ScriptLineKind::Unknown)
            ShowError(QLatin1String(kUnknownScriptActionText) + QLatin1Char('|') + item.Action + QLatin1Char('|')
                      + item.Command);
        items.push_back(item);
    }
    const DataError error = ReplaceScript(scripting, taskId, items);
    if (error.Ok())
        return true;
    ShowError(QLatin1String(kAddScriptingErrorText) + QLatin1Char('|') + error.Describe()
              + QStringLiteral("|The script is left as it was."));
    return false;
}

} // namespace vl
