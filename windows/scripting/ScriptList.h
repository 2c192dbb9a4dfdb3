#pragma once
// The window of the script list ("Scripting - " and the task): the task's
// items in their order, "Action" and "Details" (the item's description),
// and the buttons that add, copy, change, delete, move and clear them. The
// item form is handed in, so that the list runs with another (tests). The
// window opens the Scripting table for its life and keeps its place under
// "BrowseScripting". The empty script of a completed task says why it is
// empty: such items are removed when the task completes unless the setting
// that keeps them is ticked.

#include "core/dictionary/ScheduleRecord.h"
#include "core/dictionary/ScriptingRecord.h"
#include "platform/browse/BrowseModel.h"
#include "platform/ui/FormRequest.h"
#include "scripting/items/ScriptItemSequencer.h"
#include "scripting/templates/TemplateTokens.h"
#include "windows/scripting/ScriptItemSite.h"

#include <QDialog>

#include <functional>
#include <memory>

class QAbstractButton;
class QLabel;
class QMenu;
class QPushButton;

namespace vl {

class BrowseList;

class ScriptList : public QDialog {
    Q_OBJECT
public:
    // Works on the caller's task: its blank command and description are
    // filled in at once. A task without an ID is shown as an internal error.
    ScriptList(ScheduleRecord& task, ScriptListItemForm editor, QWidget* parent = nullptr);
    ~ScriptList() override;

    BrowseList* List() const { return list_; }
    BrowseModel* Model() const { return model_.get(); }
    // The list's right-click menu as it stands now.
    QMenu* Popup() const { return popup_; }
    // Why the script of a completed task is empty (hidden otherwise).
    QLabel* EmptyNote() const { return emptyNote_; }

private:
    QPushButton* AddButton(const char* text, const char* tip, void (ScriptList::*action)());
    void BuildWindow();
    void UpdateButtons();
    void ShowPopup(const QPoint& globalPos);

    ScriptItemSite Site();
    int32_t CurrentSequence() { return CurrentScriptSequence(Site()); }
    void ShowItem(int32_t sequence) { ShowScriptItem(Site(), sequence); }

    void NewItem();
    void CopyItem();
    void EditItem();
    void DeleteItem();
    void Move(ScriptItemMove move);
    void MoveUp() { Move(ScriptItemMove::UpOne); }
    void MoveDown() { Move(ScriptItemMove::DownOne); }
    void MoveToTop() { Move(ScriptItemMove::ToTop); }
    void MoveToBottom() { Move(ScriptItemMove::ToBottom); }
    // "&Template": a template chosen in the template list, added after the
    // items, its questions answered (answers kept while the list is open).
    void AddTemplate();
    void Clear();
    void Print();
    void Import();
    void Export();
    // "Edit as &Text": the whole script as text (ScriptTextWindow.h).
    void EditAsText();

    ScheduleRecord& task_;
    TemplateTokenAnswers answers_;
    ScriptListItemForm editor_;
    bool opened_ = false;
    std::unique_ptr<BrowseModel> model_;
    BrowseList* list_ = nullptr;
    QLabel* emptyNote_ = nullptr;
    QMenu* popup_ = nullptr;
    QPushButton* new_ = nullptr;
    QPushButton* copy_ = nullptr;
    QPushButton* edit_ = nullptr;
    QPushButton* delete_ = nullptr;
    QPushButton* up_ = nullptr;
    QPushButton* top_ = nullptr;
    QPushButton* down_ = nullptr;
    QPushButton* bottom_ = nullptr;
    QPushButton* clear_ = nullptr;
    QPushButton* import_ = nullptr;
    QPushButton* export_ = nullptr;
    QPushButton* print_ = nullptr;
    QPushButton* template_ = nullptr;
    QPushButton* editAsText_ = nullptr;
};

} // namespace vl
