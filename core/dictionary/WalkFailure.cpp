#include "core/dictionary/WalkFailure.h"

#include "platform/data/DataFileName.h"
#include "platform/ui/PromptService.h"

namespace vl {

bool TellWalkFailure(const TableFile& table)
{
    const DataError& error = table.LastError();
    if (!error.WalkFailed())
        return false;
    const QString& label = table.Definition().Label();
    Prompt::Message(QStringLiteral("%1 could not be read to the end: %2.\n%3\nWhat is shown is only part of it.")
                        .arg(label, error.Describe(), ResolveDataFileName(table.Name(), label).path),
                    QLatin1String(kWalkFailureCaption), PromptIcon::Exclamation);
    return true;
}

} // namespace vl
