#include "windows/pim/TodoProcedures.h"

#include "windows/pim/BrowseClipboard.h"
#include "windows/pim/BrowseClipboardCategories.h"
#include "windows/pim/BrowseToDoList.h"
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
