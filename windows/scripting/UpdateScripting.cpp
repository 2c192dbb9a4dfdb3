#include "windows/scripting/UpdateScripting.h"

#include "core/dictionary/Dictionary.h"
#include "core/dictionary/ScriptItemCopy.h"
#include "platform/ui/PromptService.h"
#include "scripting/items/ScriptItemStore.h"
#include "windows/scripting/ScriptItemEditor.h"

namespace vl {
namespace {

// A new item is primed unless the caller handed a filled one (a copy).
ScriptingRecord ItemToEdit(FormRequest request, const ScriptingRecord& item, int32_t ownerId)
{
    if (request != FormRequest::Insert)
        return item;
    if (item.Action.trimmed().isEmpty())
        return NewScriptItem(ownerId);
    ScriptingRecord copy = item;
    copy.ID = ownerId;
    copy.Sequence = 0;
    return copy;
}

// Runs the editor on the table (opened for as long as it is open).
bool Edit(TableFile& table, FormRequest request, const ScriptingRecord& start, ScriptItemOwner owner,
          const std::function<bool(ScriptingRecord&)>& store, QWidget* parent)
{
    if (!OpenTable(table)) {
        Prompt::Message(QStringLiteral("The script actions could not be opened.|") + table.LastError().Describe(),
                        QLatin1String(kStoreErrorCaption), PromptIcon::Stop);
        return false;
    }
    ScriptItemEditor editor(request, start, owner, store, parent);
    const bool done = editor.exec() == QDialog::Accepted && request != FormRequest::View;
    table.Close();
    return done;
}

} // namespace

bool UpdateScripting(FormRequest request, ScriptingRecord& item, int32_t taskId, QWidget* parent)
{
    const ScriptingRecord start = ItemToEdit(request, item, taskId);
    ScriptingRecord stored;
    auto store = [request, &stored](ScriptingRecord& edited) {
        if (!StoreScriptItem(request, edited))
            return false;
        stored = edited;
        return true;
    };
    if (!Edit(Tables().Scripting, request, start, ScriptItemOwner::Task, store, parent))
        return false;
    item = stored;
    return true;
}

bool UpdateScriptTemplateDetail(FormRequest request, ScriptTemplateDetailsRecord& item, int32_t templateId,
                                QWidget* parent)
{
    const ScriptingRecord start =
        ItemToEdit(request, TemplateItemAsScriptItem(item, item.WIZ_ID), templateId);
    ScriptTemplateDetailsRecord stored;
    auto store = [request, &item, &stored](ScriptingRecord& edited) {
        ScriptTemplateDetailsRecord detail = ScriptItemAsTemplateItem(edited, edited.ID);
        detail.RecordPointer = item.RecordPointer;
        if (!StoreScriptItem(request, detail))
            return false;
        edited.Sequence = detail.Sequence;
        stored = detail;
        return true;
    };
    if (!Edit(Tables().ScriptTemplateDetails, request, start,
                                           ScriptItemOwner::Template, store, parent))
        return false;
    item = stored;
    return true;
}

} // namespace vl
