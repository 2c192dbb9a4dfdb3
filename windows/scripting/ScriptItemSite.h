#pragma once
// The work of the item buttons a script window shares: the highlighted item,
// the item form opened on it ("New", "Copy", "Edit", "Delete"), a new item
// placed after the highlighted one, a deleted one's place closed up, and the
// list reloaded with an item highlighted.

#include "core/dictionary/ScriptingRecord.h"
#include "platform/ui/FormRequest.h"

#include <cstdint>
#include <functional>

class QWidget;

namespace vl {

class BrowseList;
class BrowseModel;

// The item form: true when it stored or deleted the item, which then holds
// what was stored.
using ScriptListItemForm = std::function<bool(FormRequest, ScriptingRecord&, int32_t taskId, QWidget* parent)>;

// A window's item list and what its item buttons work with.
struct ScriptItemSite {
    QWidget* window;
    BrowseList* list;
    BrowseModel* model;
    int32_t taskId;
    const ScriptListItemForm& form;
    std::function<void()> shown; // runs once the list shows an item
};

// The sequence of the highlighted item; 0 when none is.
int32_t CurrentScriptSequence(const ScriptItemSite& site);
// Reloads the list with the item at sequence highlighted and the focus on it.
void ShowScriptItem(const ScriptItemSite& site, int32_t sequence);

// "New": a blank item of the task, placed after the highlighted one.
void NewScriptItem(const ScriptItemSite& site);
// "Copy": the highlighted item with every field but its place, placed after it.
void CopyScriptItem(const ScriptItemSite& site);
// "Edit": the highlighted item in the form.
void EditScriptItem(const ScriptItemSite& site);
// "Delete": the highlighted item through the form, its place closed up.
void DeleteScriptItem(const ScriptItemSite& site);

} // namespace vl
