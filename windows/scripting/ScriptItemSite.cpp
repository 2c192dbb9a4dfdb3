#include "windows/scripting/ScriptItemSite.h"

#include "core/dictionary/Dictionary.h"
#include "platform/browse/BrowseModel.h"
#include "platform/widgets/BrowseList.h"
#include "scripting/items/ScriptListRules.h"

#include <optional>

namespace vl {

namespace {

// The highlighted item as stored now; false, with the list reloaded, when it
// is gone meanwhile (another window or program changed the script).
bool CurrentScriptItem(const ScriptItemSite& site, ScriptingRecord& item)
{
    if (site.model->Record(site.list->CurrentRow(), item) && Tables().Scripting.Get(item.RecordPointer, item))
        return true;
    site.list->Refresh();
    return false;
}

void InsertScriptItem(const ScriptItemSite& site, ScriptingRecord item)
{
    const int32_t remembered = CurrentScriptSequence(site);
    if (!site.form(FormRequest::Insert, item, site.taskId, site.window)) {
        site.list->Refresh();
        return;
    }
    const std::optional<int32_t> placed = PlaceAddedItem(Tables().Scripting, site.taskId, remembered, item.Sequence);
    ShowScriptItem(site, placed.value_or(item.Sequence));
}

} // namespace

int32_t CurrentScriptSequence(const ScriptItemSite& site)
{
    ScriptingRecord item;
    return site.model->Record(site.list->CurrentRow(), item) ? item.Sequence : 0;
}

void ShowScriptItem(const ScriptItemSite& site, int32_t sequence)
{
    site.list->Refresh();
    ScriptingRecord item;
    item.ID = site.taskId;
    item.Sequence = sequence;
    if (Tables().Scripting.Get(SCR_KEYID, item))
        site.list->SelectRow(site.model->RowOf(ViewRow::From(site.model->Definition(), item)));
    site.list->setFocus();
    site.shown();
}

void NewScriptItem(const ScriptItemSite& site)
{
    ScriptingRecord item;
    Tables().Scripting.Prime(item);
    item.ID = site.taskId;
    InsertScriptItem(site, item);
}

void CopyScriptItem(const ScriptItemSite& site)
{
    ScriptingRecord item;
    if (!CurrentScriptItem(site, item))
        return;
    item.RecordPointer = 0;
    item.Sequence = 0;
    InsertScriptItem(site, item);
}

void EditScriptItem(const ScriptItemSite& site)
{
    ScriptingRecord item;
    if (!CurrentScriptItem(site, item))
        return;
    site.form(FormRequest::Change, item, site.taskId, site.window);
    ShowScriptItem(site, item.Sequence);
}

void DeleteScriptItem(const ScriptItemSite& site)
{
    ScriptingRecord item;
    if (!CurrentScriptItem(site, item))
        return;
    const int32_t remembered = item.Sequence;
    if (site.form(FormRequest::Delete, item, site.taskId, site.window))
        CloseUpAfterDelete(Tables().Scripting, site.taskId, remembered);
    ShowScriptItem(site, remembered);
}

} // namespace vl
