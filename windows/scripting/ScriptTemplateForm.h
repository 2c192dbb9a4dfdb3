#pragma once
// The template form ("New Script Template", "Edit Script Template "): the
// template's description with help on the tokens ("General"), and its items
// ("Details") with the buttons that add, copy, change, delete, move, clear
// and print them. A new template takes an ID no template or item uses yet
// and, copied from another, starts with that template's items; cancelled, it
// leaves no item behind. In delete mode the form shows the template
// read-only and "&OK" deletes it with its items. The item form is handed in,
// so that the form runs with another (tests).

#include "core/dictionary/ScriptTemplateRecords.h"
#include "platform/browse/BrowseModel.h"
#include "platform/ui/FormRequest.h"
#include "scripting/items/ScriptItemSequencer.h"

#include <QDialog>

#include <functional>
#include <memory>

class QLineEdit;
class QPushButton;

namespace vl {

class BrowseList;

inline constexpr char kUpdateScriptTemplateProcedure[] = "UpdateScriptTemplate";

using TemplateItemForm =
    std::function<bool(FormRequest, ScriptTemplateDetailsRecord&, int32_t templateId, QWidget* parent)>;

class ScriptTemplateForm : public QDialog {
    Q_OBJECT
public:
    // Insert (copySource: the template whose items the new one starts with,
    // 0 for none), change or delete the template.
    ScriptTemplateForm(FormRequest request, const ScriptTemplatesRecord& record, int32_t copySource,
                       TemplateItemForm itemForm, QWidget* parent = nullptr);
    ~ScriptTemplateForm() override;

    // False when the tables could not be opened or no ID could be given
    // (shown): the form must not be shown.
    bool Opened() const { return opened_; }
    const ScriptTemplatesRecord& Record() const { return record_; }
    BrowseList* Items() const { return items_; }

    void accept() override; // "&OK"
    void reject() override; // "Cancel"

private:
    QWidget* GeneralPage();
    QWidget* DetailsPage();
    QPushButton* AddButton(const QString& text, const QString& tip, void (ScriptTemplateForm::*action)());
    void UpdateButtons();
    bool CurrentItem(ScriptTemplateDetailsRecord& item);
    int32_t CurrentSequence();
    void ShowItem(int32_t sequence);

    void NewItem();
    void CopyItem();
    void EditItem();
    void DeleteItem();
    void Insert(ScriptTemplateDetailsRecord item);
    void Move(ScriptItemMove move);
    void Clear();
    void Print();
    void Import();
    void Export();

    FormRequest request_;
    ScriptTemplatesRecord record_;
    TemplateItemForm itemForm_;
    bool opened_ = false;
    bool tablesOpen_ = false;
    std::unique_ptr<BrowseModel> model_;
    BrowseList* items_ = nullptr;
    QLineEdit* description_ = nullptr;
    QPushButton* add_ = nullptr;
    QPushButton* copy_ = nullptr;
    QPushButton* edit_ = nullptr;
    QPushButton* delete_ = nullptr;
    QPushButton* up_ = nullptr;
    QPushButton* top_ = nullptr;
    QPushButton* down_ = nullptr;
    QPushButton* bottom_ = nullptr;
    QPushButton* clear_ = nullptr;
    QPushButton* print_ = nullptr;
    QPushButton* import_ = nullptr;
    QPushButton* export_ = nullptr;
};

} // namespace vl
