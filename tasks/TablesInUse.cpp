#include "tasks/TablesInUse.h"

#include "core/dictionary/Dictionary.h"
#include "platform/ui/PromptService.h"

namespace vl {

bool TablesInUse::Open(std::initializer_list<TableFile*> tables)
{
    for (TableFile* table : tables) {
        if (!OpenTable(*table)) {
            Prompt::Message(QStringLiteral("File (%1) could not be opened.  Error: %2.")
                                .arg(table->Name(), table->LastError().Describe()),
                            QStringLiteral("File Access Error"), PromptIcon::Stop);
            Close();
            return false;
        }
        open_.push_back(table);
    }
    return true;
}

void TablesInUse::Close()
{
    for (TableFile* table : open_)
        table->Close();
    open_.clear();
}

} // namespace vl
