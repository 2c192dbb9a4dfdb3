// The export and import procedures of tasks' and templates' scripts.

#include "scripting/text/ScriptExchange.h"

#include "core/dictionary/Dictionary.h"
#include "core/dictionary/ScriptItemCopy.h"
#include "platform/ui/PromptService.h"
#include "scripting/items/ScriptItemStore.h"
#include "scripting/items/ScriptItemTables.h"

#include <memory>
#include <type_traits>

namespace vl {
namespace {

ScriptingRecord AsScriptItem(const ScriptingRecord& item) { return item; }
ScriptingRecord AsScriptItem(const ScriptTemplateDetailsRecord& item) { return TemplateItemAsScriptItem(item, 0); }

void FromScriptItem(const ScriptingRecord& item, int32_t taskId, ScriptingRecord& stored)
{
    stored = item;
    stored.ID = taskId;
}
void FromScriptItem(const ScriptingRecord& item, int32_t templateId, ScriptTemplateDetailsRecord& stored)
{
    stored = ScriptItemAsTemplateItem(item, templateId);
}

template <class R>
const char* NoOwnerTextOf()
{
    return std::is_same_v<R, ScriptingRecord> ? kNoTaskText : kNoTemplateText;
}

// The progress window of a run, kept in its place under the procedure's name.
template <class R>
std::unique_ptr<ProgressTracker> OpenProgress(const char* text, const char* taskKey, const char* templateKey)
{
    return Progress::Open({QLatin1String(kProgressCaption), QLatin1String(text),
                           QLatin1String(std::is_same_v<R, ScriptingRecord> ? taskKey : templateKey)});
}

void ShowError(const QString& text, const char* caption = kExchangeErrorCaption)
{
    Prompt::Message(text, QLatin1String(caption), PromptIcon::Stop);
}

template <class R>
bool Export(Table<R>& table, int32_t owner)
{
    const QString chosen = Prompt::SaveFile(QLatin1String(kExportDialogCaption), QLatin1String(kScriptFileFilter),
                                            GlobalExportName);
    if (chosen.isEmpty())
        return false;
    GlobalExportName = chosen;
    const std::unique_ptr<ProgressTracker> progress =
        OpenProgress<R>(kExportProgressText, "ExportScript", "ExportScriptTemplateDetails");
    std::vector<R> stored;
    const DataError read = ReadScriptItems(table, owner, stored);
    if (!read.Ok()) {
        // A part of a script is no export: the file stays as it was.
        ShowError(QLatin1String(kExportItemErrorText) + read.Describe());
        return false;
    }
    std::vector<ScriptingRecord> items;
    for (const R& item : stored)
        items.push_back(AsScriptItem(item));
    QString error;
    if (!WriteScriptExchangeFile(chosen, items, &error, progress->Step())) {
        if (!progress->Cancelled())
            ShowError(QLatin1String(kExportItemErrorText) + error);
        return false;
    }
    return true;
}

// Adds the items behind the owner's in one batch; the error that stopped
// it, after which the table is as it was. A progress that asks to stop rolls
// the batch back too.
template <class R>
DataError AddAll(Table<R>& table, int32_t owner, const std::vector<ScriptingRecord>& items,
                 const ProgressStep& progress)
{
    if (!table.Stream())
        return table.LastError();
    for (size_t i = 0; i < items.size(); ++i) {
        if (!progress(int64_t(i), int64_t(items.size()))) {
            table.Rollback();
            return {};
        }
        const ScriptingRecord& item = items[i];
        R stored;
        FromScriptItem(item, owner, stored);
        stored.RecordPointer = 0;
        stored.Sequence = 0; // numbered after the owner's last item
        if (!table.Add(stored)) {
            const DataError error = table.LastError();
            table.Rollback();
            return error;
        }
    }
    table.Flush();
    return table.LastError();
}

template <class R>
bool Import(Table<R>& table, int32_t owner)
{
    if (owner == 0) {
        Prompt::Message(NoOwnerText(NoOwnerTextOf<R>(), 0), QLatin1String(kNoTaskCaption), PromptIcon::Stop);
        return false;
    }
    const QString chosen = Prompt::OpenFile(QLatin1String(kImportDialogCaption), QLatin1String(kScriptFileFilter),
                                            GlobalExportName);
    if (chosen.isEmpty())
        return false;
    GlobalExportName = chosen;
    const std::unique_ptr<ProgressTracker> progress =
        OpenProgress<R>(kImportProgressText, "ImportScript", "ImportScriptTemplateDetails");
    // Reading the file is the first half of the work, storing its items the
    // second.
    const ScriptFileContents contents = ReadScriptExchangeFile(
        chosen, [&progress](int64_t done, int64_t total) { return progress->Tell(done, 2 * total); });
    if (contents.cancelled)
        return false;
    if (!contents.ok) {
        ShowError(contents.error + QStringLiteral("|Nothing was imported."), kImportErrorCaption);
        return false;
    }
    for (const QString& action : contents.unrecognized)
        ShowError(QLatin1String(kUnrecognizedActionText) + action, kImportErrorCaption);
    if (contents.items.empty())
        return false;
    const DataError error = AddAll(table, owner, contents.items, [&progress](int64_t done, int64_t total) {
        return progress->Tell(total + done, 2 * total);
    });
    if (progress->Cancelled())
        return false;
    if (!error.Ok()) {
        ShowError(QLatin1String(kAddItemErrorText) + error.Describe() + QStringLiteral("|Nothing was imported."));
        return false;
    }
    return true;
}

} // namespace

bool ExportScript(Table<ScriptingRecord>& scripting, int32_t taskId) { return Export(scripting, taskId); }
bool ImportScript(Table<ScriptingRecord>& scripting, int32_t taskId) { return Import(scripting, taskId); }

bool ExportScriptTemplateDetails(Table<ScriptTemplateDetailsRecord>& details, int32_t templateId)
{
    return Export(details, templateId);
}

bool ImportScriptTemplateDetails(Table<ScriptTemplateDetailsRecord>& details, int32_t templateId)
{
    return Import(details, templateId);
}

} // namespace vl
