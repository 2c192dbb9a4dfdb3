#pragma once
// The Script page of the script task wizard: the script templates on the
// left, the task's items on the right ("Action" and "Details", in their
// order), and the buttons that add a template's items ("&Add template to
// script", or a double-click on the template), add, copy, change, delete,
// move, import, export and clear items, and "Edit as &Text" (the whole
// script in the text window, the items re-read after). The answers to template questions
// are kept while the page exists, so a new page asks afresh.
//
// The page opens the Scripting and ScriptTemplates tables for its life. Its
// task's ID is fixed: the wizard reserves the task before it builds the page.

#include "platform/browse/BrowseModel.h"
#include "scripting/items/ScriptItemSequencer.h"
#include "scripting/templates/TemplateTokens.h"
#include "windows/scripting/ScriptList.h"

#include <QWidget>

#include <memory>

class QMenu;
class QPushButton;

namespace vl {

class BrowseList;

class ScriptBuilder : public QWidget {
    Q_OBJECT
public:
    // The items are changed through UpdateScripting unless another item form
    // is handed in (UseItemForm).
    explicit ScriptBuilder(int32_t taskId, QWidget* parent = nullptr);
    ~ScriptBuilder() override;

    void UseItemForm(ScriptListItemForm form) { form_ = std::move(form); }
    BrowseList* Templates() const { return templates_; }
    BrowseList* Items() const { return items_; }
    // The item list's right-click menu.
    QMenu* Popup() const { return popup_; }

private:
    QPushButton* AddButton(const char* text, const char* tip, void (ScriptBuilder::*action)());
    void BuildLists();
    void BuildWindow();
    void UpdateButtons();

    ScriptItemSite Site();
    int32_t CurrentSequence() { return CurrentScriptSequence(Site()); }
    void ShowItem(int32_t sequence) { ShowScriptItem(Site(), sequence); }

    void AddTemplate();
    void NewItem();
    void CopyItem();
    void EditItem();
    void DeleteItem();
    void Import();
    void Export();
    void Clear();
    // "Edit as &Text": the whole script in the text window, re-read after.
    void EditAsText();
    void Move(ScriptItemMove move);
    void MoveUp() { Move(ScriptItemMove::UpOne); }
    void MoveToTop() { Move(ScriptItemMove::ToTop); }
    void MoveDown() { Move(ScriptItemMove::DownOne); }
    void MoveToBottom() { Move(ScriptItemMove::ToBottom); }

    int32_t taskId_;
    ScriptListItemForm form_;
    TemplateTokenAnswers answers_;
    bool scriptingOpened_ = false;
    bool templatesOpened_ = false;
    std::unique_ptr<BrowseModel> templateModel_;
    std::unique_ptr<BrowseModel> itemModel_;
    BrowseList* templates_ = nullptr;
    BrowseList* items_ = nullptr;
    QMenu* popup_ = nullptr;
    QPushButton* addTemplate_ = nullptr;
    QPushButton* add_ = nullptr;
    QPushButton* copy_ = nullptr;
    QPushButton* edit_ = nullptr;
    QPushButton* delete_ = nullptr;
    QPushButton* import_ = nullptr;
    QPushButton* export_ = nullptr;
    QPushButton* clear_ = nullptr;
    QPushButton* up_ = nullptr;
    QPushButton* top_ = nullptr;
    QPushButton* down_ = nullptr;
    QPushButton* bottom_ = nullptr;
    QPushButton* editAsText_ = nullptr;
};

} // namespace vl
