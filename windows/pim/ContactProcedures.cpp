#include "windows/pim/ContactProcedures.h"

#include "windows/pim/BrowseContactCategories2Pane.h"
#include "windows/pim/BrowseContacts.h"
#include "platform/widgets/FrameProcedures.h"

namespace vl {

void RegisterContactProcedures()
{
    Procedures().RegisterWindow(QLatin1String(kBrowseContactsProcedure), [] { return new BrowseContacts; });
    Procedures().RegisterWindow(QLatin1String(kBrowseContactCategoriesProcedure),
                                [] { return new BrowseContactCategories2Pane; });
}

} // namespace vl
