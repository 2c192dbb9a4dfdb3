#pragma once
// "Script Templates" (BrowseScriptTemplates): the templates by description,
// with an incremental locator, and the buttons that add, copy, change,
// delete and print them. In select mode (the script list's "&Template")
// "&Select" closes the list with the highlighted template. A template that
// another window or program deleted meanwhile is said to be gone and the
// list is read again. The template form is handed in (tests).

#include "core/dictionary/ScriptTemplateRecords.h"
#include "platform/browse/BrowseModel.h"
#include "platform/ui/FormRequest.h"

#include <QDialog>

#include <functional>
#include <memory>
#include <optional>

class QPushButton;

namespace vl {

class BrowseList;

inline constexpr char kBrowseScriptTemplatesProcedure[] = "BrowseScriptTemplates";

// Runs the template form: true when it stored or deleted the template.
using TemplateFormRunner =
    std::function<bool(FormRequest, const ScriptTemplatesRecord&, int32_t copySource, QWidget* parent)>;

class ScriptTemplateList : public QDialog {
    Q_OBJECT
public:
    ScriptTemplateList(bool selectMode, TemplateFormRunner form, QWidget* parent = nullptr);
    ~ScriptTemplateList() override;

    BrowseList* List() const { return list_; }
    BrowseModel* Model() const { return model_.get(); }
    // The template "&Select" chose (select mode), as stored then.
    const std::optional<ScriptTemplatesRecord>& Selected() const { return selected_; }

private:
    QPushButton* AddButton(const QString& text, void (ScriptTemplateList::*action)());
    void UpdateButtons();
    // Remembers the template the user sees highlighted: the rows are read
    // again on use, so a row number alone may name another template once one
    // was deleted.
    void Highlight();
    // The highlighted template as stored now; when it is gone, says so and
    // reads the list again.
    std::optional<ScriptTemplatesRecord> Current();
    void Run(FormRequest request, const ScriptTemplatesRecord& record, int32_t copySource);

    void New();
    void Copy();
    void Edit();
    void Delete();
    void Print();
    void Select();

    bool selectMode_;
    TemplateFormRunner form_;
    bool opened_ = false;
    std::unique_ptr<BrowseModel> model_;
    BrowseList* list_ = nullptr;
    QPushButton* copy_ = nullptr;
    QPushButton* edit_ = nullptr;
    QPushButton* delete_ = nullptr;
    QPushButton* print_ = nullptr;
    QPushButton* select_ = nullptr;
    std::optional<ScriptTemplatesRecord> highlighted_;
    std::optional<ScriptTemplatesRecord> selected_;
};

} // namespace vl
