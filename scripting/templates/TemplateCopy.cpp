#include "scripting/templates/TemplateCopy.h"

#include "core/dictionary/ScriptItemCopy.h"
#include "platform/ui/PromptService.h"
#include "scripting/items/ScriptActions.h"
#include "scripting/items/ScriptItemStore.h"
#include "scripting/items/ScriptItemTables.h"
#include "scripting/items/WholeScript.h"

#include <algorithm>
#include <memory>
#include <vector>

namespace vl {

namespace {

// The highest sequence number a template's items are appended under.
constexpr int32_t kHighestSequence = 1000;

// The text fields that may carry tokens, in the order they are asked, with
// their widths.
struct TokenField {
    QString ScriptingRecord::*field;
    int width;
};
constexpr TokenField kTokenFields[] = {
    {&ScriptingRecord::Keystrokes, 255},         {&ScriptingRecord::WaitForWindow, 255},
    {&ScriptingRecord::FocusOnWindow, 255},      {&ScriptingRecord::WindowTitleToCheckFor, 255},
    {&ScriptingRecord::Command, 255},            {&ScriptingRecord::Path, 255},
    {&ScriptingRecord::DDEApplicationName, 255}, {&ScriptingRecord::DDEApplicationTopic, 255},
    {&ScriptingRecord::DDELinkItem, 80},         {&ScriptingRecord::DDECommand, 255},
};

void ShowError(const char* text, const DataError& error, const char* caption)
{
    Prompt::Message(QLatin1String(text) + error.Describe(), QLatin1String(caption), PromptIcon::Stop);
}

// The template's items as the task's, their tokens replaced; false when the
// user cancelled a question.
bool PrepareItems(const std::vector<ScriptTemplateDetailsRecord>& source, int32_t taskId,
                  TemplateTokenAnswers& answers, TemplateTokenQuestions& questions,
                  std::vector<ScriptingRecord>& prepared)
{
    for (const ScriptTemplateDetailsRecord& detail : source) {
        if (detail.Action.trimmed().isEmpty())
            continue;
        ScriptingRecord item = TemplateItemAsScriptItem(detail, taskId);
        for (const TokenField& field : kTokenFields) {
            if (!ExpandTemplateTokens(item.*field.field, field.width, answers, questions))
                return false;
        }
        if (item.Path.trimmed().isEmpty() && ScriptAction::IsAction(item.Action, ScriptAction::StartProgram))
            item.Path = ProgramFolder(item.Command);
        prepared.push_back(item);
    }
    return true;
}

// Adds the items after the task's last one, all or none: a progress that
// asks to stop leaves the table as it was too.
DataError AppendItems(Table<ScriptingRecord>& scripting, int32_t taskId, std::vector<ScriptingRecord>& items,
                      ProgressTracker& progress)
{
    if (!scripting.Stream())
        return scripting.LastError();
    std::vector<ScriptingRecord> present;
    DataError stopped = ReadScriptItems(scripting, taskId, present);
    int32_t next = present.empty() ? 1 : present.back().Sequence + 1;
    for (size_t i = 0; i < items.size(); ++i) {
        if (!stopped.Ok())
            break;
        if (!progress.Tell(int64_t(i), int64_t(items.size()))) {
            scripting.Rollback();
            return {};
        }
        ScriptingRecord& item = items[i];
        item.Sequence = next;
        while (!scripting.Add(item)) {
            if (scripting.ErrorCode() != kDuplicateKey || next >= kHighestSequence) {
                stopped = scripting.LastError();
                break;
            }
            item.Sequence = ++next;
        }
        ++next;
    }
    return EndScriptItemBatch(scripting, stopped);
}

} // namespace

QString ProgramFolder(const QString& command)
{
    const QString trimmed = command.trimmed();
    QString program;
    if (trimmed.startsWith(QLatin1Char('"'))) {
        const qsizetype close = trimmed.indexOf(QLatin1Char('"'), 1);
        program = trimmed.mid(1, close < 0 ? -1 : close - 1);
    } else {
        program = trimmed.section(QLatin1Char(' '), 0, 0);
    }
    const qsizetype separator = std::max(program.lastIndexOf(QLatin1Char('/')), program.lastIndexOf(QLatin1Char('\\')));
    if (separator < 0)
        return QString();
    // The root keeps its separator.
    return separator == 0 ? program.left(1) : program.left(separator);
}

TemplateCopied CopyScriptTemplateToScript(Dictionary& tables, int32_t templateId, int32_t taskId,
                                          TemplateTokenAnswers& answers, TemplateTokenQuestions& questions)
{
    if (taskId == 0) {
        Prompt::Message(NoOwnerText(kNoTaskText, taskId), QLatin1String(kNoTaskCaption), PromptIcon::Stop);
        return TemplateCopied::Failed;
    }
    ScriptTemplatesRecord header;
    header.WIZ_ID = templateId;
    if (templateId == 0 || !tables.ScriptTemplates.Get(VLT_K_WIZ_ID, header)) {
        Prompt::Message(QLatin1String(kTemplateGoneText), QLatin1String(kTemplateGoneCaption),
                        PromptIcon::Exclamation);
        return TemplateCopied::Failed;
    }
    std::vector<ScriptTemplateDetailsRecord> source;
    if (const DataError read = ReadScriptItems(tables.ScriptTemplateDetails, templateId, source); !read.Ok()) {
        ShowError(kAddItemErrorText, read, kAddItemErrorCaption);
        return TemplateCopied::Failed;
    }
    std::vector<ScriptingRecord> items;
    if (!PrepareItems(source, taskId, answers, questions, items))
        return TemplateCopied::Cancelled;
    const std::unique_ptr<ProgressTracker> progress =
        Progress::Open({QLatin1String(kTemplateProgressCaption), QLatin1String(kImportTemplateText),
                        QStringLiteral("CopyScriptTemplateToScript")});
    const DataError written = AppendItems(tables.Scripting, taskId, items, *progress);
    if (progress->Cancelled())
        return TemplateCopied::Cancelled;
    if (!written.Ok()) {
        ShowError(kAddItemErrorText, written, kAddItemErrorCaption);
        return TemplateCopied::Failed;
    }
    return TemplateCopied::Copied;
}

TemplateCopied CopyScriptTemplateDetails(Table<ScriptTemplateDetailsRecord>& details, int32_t from, int32_t to)
{
    if (from == 0 || to == 0)
        return TemplateCopied::Copied;
    const std::unique_ptr<ProgressTracker> progress =
        Progress::Open({QLatin1String(kTemplateProgressCaption), QLatin1String(kCopyScriptText),
                        QStringLiteral("CopyScriptTemplateDetails")});
    const DataError stopped = CopyScriptItems(details, from, to, progress->Step());
    if (progress->Cancelled())
        return TemplateCopied::Cancelled;
    if (stopped.Ok())
        return TemplateCopied::Copied;
    Prompt::Message(QLatin1String(kAddTemplateItemErrorText) + QLatin1Char('|') + stopped.Describe(),
                    QLatin1String(kAddTemplateItemErrorCaption), PromptIcon::Stop);
    return TemplateCopied::Failed;
}

} // namespace vl
