// The template form's "&Import" and "E&xport": a template's items to and
// from a script exchange file.

#include "core/dictionary/Dictionary.h"
#include "platform/widgets/BrowseList.h"
#include "scripting/text/ScriptExchange.h"
#include "windows/scripting/ScriptTemplateForm.h"

#include <QPushButton>

namespace vl {

void ScriptTemplateForm::Import()
{
    if (!import_->isEnabled())
        return;
    const int32_t remembered = CurrentSequence();
    if (ImportScriptTemplateDetails(Tables().ScriptTemplateDetails, record_.WIZ_ID))
        ShowItem(remembered);
}

void ScriptTemplateForm::Export()
{
    if (export_->isEnabled())
        ExportScriptTemplateDetails(Tables().ScriptTemplateDetails, record_.WIZ_ID);
}

} // namespace vl
