#include "pim/windows/TodoProcedures.h"

#include "pim/windows/BrowseClipboard.h"
#include "pim/windows/BrowseClipboardCategories.h"
#include "pim/windows/BrowseToDoList.h"
#include "platform/widgets/FrameProcedures.h"

namespace vl {

void RegisterTodoProcedures()
{
    Procedures().RegisterWindow(QLatin1String(kBrowseToDoListProcedure), [] { return new BrowseToDoList; });
    Procedures().RegisterWindow(QLatin1String(kBrowseClipboardProcedure), [] { return new BrowseClipboard; });
    Procedures().RegisterWindow(QLatin1String(kBrowseClipboardCategoriesProcedure),
                                [] { return new BrowseClipboardCategories; });
}

} // namespace vl
