#include "scripting/templates/TemplateStore.h"

#include "platform/ui/PromptService.h"
#include "scripting/items/WholeScript.h"

#include <algorithm>

namespace vl {

namespace {

// The highest value of the key's first field, 0 for an empty table.
template <class R, class Field>
std::optional<int32_t> HighestId(Table<R>& table, KeyRef key, Field field)
{
    Cursor<R> cursor(table);
    R last;
    if (cursor.Set(key) && cursor.Previous(last))
        return last.*field;
    if (table.ErrorCode() == kRecordNotAvailable)
        return 0;
    return std::nullopt;
}

void ShowFailure(const char* text, const DataError& error)
{
    Prompt::Message(QLatin1String(text) + error.Describe(), QLatin1String(kTemplateCaption), PromptIcon::Stop);
}

} // namespace

int32_t NewTemplateId(Dictionary& tables)
{
    const std::optional<int32_t> templates =
        HighestId(tables.ScriptTemplates, VLT_K_WIZ_ID, &ScriptTemplatesRecord::WIZ_ID);
    if (!templates) {
        ShowFailure(kTemplateWriteErrorText, tables.ScriptTemplates.LastError());
        return 0;
    }
    const std::optional<int32_t> items =
        HighestId(tables.ScriptTemplateDetails, VLD_K_WIZ_ID, &ScriptTemplateDetailsRecord::WIZ_ID);
    if (!items) {
        ShowFailure(kTemplateWriteErrorText, tables.ScriptTemplateDetails.LastError());
        return 0;
    }
    return std::max(*templates, *items) + 1;
}

std::optional<ScriptTemplatesRecord> ReadTemplate(Dictionary& tables, int32_t templateId)
{
    ScriptTemplatesRecord record;
    record.WIZ_ID = templateId;
    if (templateId == 0 || !tables.ScriptTemplates.Get(VLT_K_WIZ_ID, record))
        return std::nullopt;
    return record;
}

bool SaveTemplate(Dictionary& tables, ScriptTemplatesRecord& record)
{
    Table<ScriptTemplatesRecord>& templates = tables.ScriptTemplates;
    const QString description = record.DESCRIPTION.trimmed();
    if (description.isEmpty()) {
        Prompt::Message(QLatin1String(kNoDescriptionText), QLatin1String(kTemplateCaption), PromptIcon::Exclamation);
        return false;
    }
    ScriptTemplatesRecord other;
    other.DESCRIPTION = record.DESCRIPTION;
    if (templates.Get(VLT_K_DESCRIPTION, other) && other.WIZ_ID != record.WIZ_ID) {
        Prompt::Message(QLatin1String(kDuplicateDescriptionText) + description, QLatin1String(kTemplateCaption),
                        PromptIcon::Exclamation);
        return false;
    }
    const std::optional<ScriptTemplatesRecord> stored = ReadTemplate(tables, record.WIZ_ID);
    bool written = false;
    if (stored) {
        record.RecordPointer = stored->RecordPointer;
        written = templates.Put(record);
    } else {
        record.RecordPointer = 0;
        written = templates.Add(record);
    }
    if (!written)
        ShowFailure(kTemplateWriteErrorText, templates.LastError());
    return written;
}

bool DeleteTemplate(Dictionary& tables, int32_t templateId)
{
    const std::optional<ScriptTemplatesRecord> stored = ReadTemplate(tables, templateId);
    // The items go first and the template after them, in one batch of the
    // template file.
    Table<ScriptTemplatesRecord>& templates = tables.ScriptTemplates;
    DataError stopped;
    if (!templates.Stream()) {
        stopped = templates.LastError();
    } else {
        stopped = DeleteScriptItems(tables.ScriptTemplateDetails, templateId);
        if (stopped.Ok() && stored && !templates.Delete(*stored))
            stopped = templates.LastError();
        if (stopped.Ok()) {
            templates.Flush();
            stopped = templates.LastError();
        } else {
            templates.Rollback();
        }
    }
    if (!stopped.Ok())
        ShowFailure(kTemplateDeleteErrorText, stopped);
    return stopped.Ok();
}

} // namespace vl
