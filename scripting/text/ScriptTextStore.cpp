// A task's script read as text and replaced by the items of a text.

#include "platform/runtime/FixedText.h"
#include "platform/ui/PromptService.h"
#include "scripting/items/ScriptItemTables.h"
#include "scripting/items/WholeScript.h"
#include "scripting/text/ScriptText.h"

#include <QRegularExpression>

#include <optional>
#include <variant>

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

// The lines of a text split at CR LF, CR or LF; what follows the last line
// end is no line when it is blank.
QStringList ScriptLines(const QString& text)
{
    static const QRegularExpression kLineEnd(QStringLiteral("\r\n|\r|\n"));
    QStringList lines = text.split(kLineEnd);
    if (!lines.isEmpty() && lines.last().trimmed().isEmpty())
        lines.removeLast();
    return lines;
}

// The width of the first text field the item's value would be cut to.
std::optional<int> CutWidth(const TableDef& scripting, const ScriptingRecord& item)
{
    for (int field = 0; field < static_cast<int>(scripting.Fields().size()); ++field) {
        const FieldDef& def = scripting.Fields()[field];
        if (!def.IsText())
            continue;
        const FieldValue stored = scripting.StoredValue(field, item);
        const FieldValue given = def.get(item);
        if (std::holds_alternative<QString>(stored) && std::holds_alternative<QString>(given)
            && std::get<QString>(stored) != Clip(std::get<QString>(given)))
            return def.size;
    }
    return std::nullopt;
}

constexpr size_t kProblemsShown = 10;

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

std::vector<ScriptTextProblem> FindScriptTextProblems(const TableDef& scripting, const QString& text)
{
    std::vector<ScriptTextProblem> problems;
    const QStringList lines = ScriptLines(text);
    for (int number = 1; number <= lines.size(); ++number) {
        ScriptingRecord item;
        QString problem;
        const ScriptLineKind kind = ParseScriptLine(lines[number - 1], item, &problem);
        if (kind == ScriptLineKind::Blank)
            continue;
        if (kind == ScriptLineKind::Known && !problem.isEmpty()) {
            problems.push_back({number, problem});
            continue;
        }
        if (const std::optional<int> width = CutWidth(scripting, item))
            problems.push_back({number, QStringLiteral("a value is longer than the ") + QString::number(*width)
                                            + QStringLiteral(" characters it can keep.")});
    }
    return problems;
}

bool ScriptTextToItems(Table<ScriptingRecord>& scripting, int32_t taskId, const QString& text, int* firstProblemLine)
{
    if (text.trimmed().isEmpty()) {
        ShowError(QLatin1String(kNothingToSaveText));
        return false;
    }
    if (taskId == 0) {
        ShowError(QLatin1String(kNoTaskIdErrorText));
        return false;
    }
    // The whole text is checked before anything is written: a script is
    // replaced only by items that are what its lines say.
    const std::vector<ScriptTextProblem> problems = FindScriptTextProblems(scripting.Definition(), text);
    if (!problems.empty()) {
        QStringList shown{QLatin1String(kScriptNotSavedText)};
        for (size_t i = 0; i < problems.size() && i < kProblemsShown; ++i)
            shown << QStringLiteral("Line ") + QString::number(problems[i].line) + QStringLiteral(": ")
                         + problems[i].text;
        if (problems.size() > kProblemsShown)
            shown << QStringLiteral("... and ") + QString::number(problems.size() - kProblemsShown)
                         + QStringLiteral(" more.");
        ShowError(shown.join(QLatin1Char('|')));
        if (firstProblemLine)
            *firstProblemLine = problems.front().line;
        return false;
    }
    const QStringList lines = ScriptLines(text);
    std::vector<ScriptingRecord> items;
    for (int number = 1; number <= lines.size(); ++number) {
        ScriptingRecord item;
        item.ID = taskId;
        item.Sequence = number;
        const ScriptLineKind kind = ParseScriptLine(lines[number - 1], item);
        if (kind == ScriptLineKind::Unknown)
            ShowError(QLatin1String(kUnknownScriptActionText) + QLatin1Char('|') + item.Action + QLatin1Char('|')
                      + item.Command);
        if (kind != ScriptLineKind::Blank)
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
