#include "windows/pim/MessageProcedures.h"

#include "windows/pim/BrowseMessages.h"
#include "platform/widgets/FrameProcedures.h"

namespace vl {

void RegisterMessageProcedures()
{
    Procedures().RegisterWindow(QLatin1String(kBrowseMessagesProcedure), [] {
        auto* list = new BrowseMessages(false);
        list->setAttribute(Qt::WA_DeleteOnClose);
        return list;
    });
}

} // namespace vl
