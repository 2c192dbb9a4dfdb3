// A task's script read as text and replaced by the items of a text.

#include "platform/runtime/FixedText.h"
#include "platform/ui/PromptService.h"
#include "scripting/items/ScriptItemTables.h"
#include "scripting/items/WholeScript.h"
#include "scripting/text/ScriptText.h"

#include <QRegularExpression>

#include <algorithm>
#include <optional>
#include <utility>

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

bool IsTestKeyword(const QString& upper)
{
    return upper == QLatin1String("IF") || upper == QLatin1String("IFWINDOW") || upper == QLatin1String("IFNOTWINDOW")
           || upper == QLatin1String("IFTIME") || upper == QLatin1String("IFTIMELESS");
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
    std::vector<std::pair<int, QString>> openTests; // line and keyword of each test not yet ended
    const QStringList lines = ScriptLines(text);
    for (int number = 1; number <= lines.size(); ++number) {
        const QString& line = lines[number - 1];
        const auto fault = [&](const QString& why) { problems.push_back({number, why}); };
        if (line.size() > kScriptTextLineWidth) {
            fault(QStringLiteral("the line is longer than 1,024 characters."));
            continue;
        }
        ScriptingRecord item;
        QString problem;
        if (ParseScriptLine(line, item, &problem) == ScriptLineKind::Blank)
            continue;
        if (!problem.isEmpty()) {
            fault(problem);
            continue;
        }
        if (const std::optional<int> width = CutWidth(scripting, item)) {
            fault(QStringLiteral("a value is longer than the ") + QString::number(*width)
                  + QStringLiteral(" characters it can keep."));
            continue;
        }
        const QString keyword = line.trimmed().section(QLatin1Char(' '), 0, 0).toUpper();
        if (IsTestKeyword(keyword)) {
            openTests.emplace_back(number, keyword);
        } else if (keyword == QLatin1String("END")) {
            if (openTests.empty())
                fault(QStringLiteral("END has no test (IF...) before it to end."));
            else
                openTests.pop_back();
        }
    }
    // A test without its END would leave out everything after it, the
    // scripts queued behind this one too, whenever it fails.
    for (const auto& [number, keyword] : openTests)
        problems.push_back({number, keyword + QStringLiteral(" has no END after it.")});
    std::stable_sort(problems.begin(), problems.end(),
                     [](const ScriptTextProblem& a, const ScriptTextProblem& b) { return a.line < b.line; });
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
        if (ParseScriptLine(lines[number - 1], item) != ScriptLineKind::Blank)
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
