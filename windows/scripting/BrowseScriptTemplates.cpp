#include "windows/scripting/BrowseScriptTemplates.h"

#include "core/dictionary/Dictionary.h"
#include "platform/widgets/FrameProcedures.h"
#include "platform/ui/PromptService.h"
#include "scripting/templates/TemplateCopy.h"
#include "scripting/templates/TemplateStore.h"
#include "windows/scripting/ScriptTemplateForm.h"
#include "windows/scripting/ScriptTemplateList.h"
#include "windows/scripting/TokenQuestionWindows.h"
#include "windows/scripting/UpdateScripting.h"

namespace vl {

namespace {

bool RunTemplateForm(FormRequest request, const ScriptTemplatesRecord& record, int32_t copySource, QWidget* parent)
{
    ScriptTemplateForm form(
        request, record, copySource,
        [](FormRequest itemRequest, ScriptTemplateDetailsRecord& item, int32_t templateId, QWidget* over) {
            return UpdateScriptTemplateDetail(itemRequest, item, templateId, over);
        },
        parent);
    return form.Opened() && form.exec() == QDialog::Accepted;
}

} // namespace

std::optional<int32_t> SelectScriptTemplate(QWidget* parent)
{
    ScriptTemplateList list(true, &RunTemplateForm, parent);
    if (list.exec() != QDialog::Accepted || !list.Selected())
        return std::nullopt;
    return list.Selected()->WIZ_ID;
}

bool CopyTemplateIntoScript(int32_t templateId, int32_t taskId, TemplateTokenAnswers& answers, QWidget* parent)
{
    Dictionary& tables = Tables();
    TableFile* const needed[] = {&tables.Scripting, &tables.ScriptTemplates, &tables.ScriptTemplateDetails};
    int open = 0;
    for (TableFile* table : needed) {
        if (!OpenTable(*table)) {
            Prompt::Message(table->LastError().Describe(), QLatin1String(kTemplateCaption), PromptIcon::Stop);
            break;
        }
        ++open;
    }
    TokenQuestionWindows questions(parent);
    const bool copied = open == 3
        && CopyScriptTemplateToScript(tables, templateId, taskId, answers, questions) == TemplateCopied::Copied;
    for (int i = 0; i < open; ++i)
        needed[i]->Close();
    return copied;
}

void RegisterScriptTemplateProcedures()
{
    Procedures().RegisterWindow(QLatin1String(kBrowseScriptTemplatesProcedure),
                                [] { return new ScriptTemplateList(false, &RunTemplateForm); });
}

} // namespace vl
