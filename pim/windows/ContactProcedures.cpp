#include "pim/windows/ContactProcedures.h"

#include "pim/windows/BrowseContactCategories2Pane.h"
#include "pim/windows/BrowseContacts.h"
#include "platform/widgets/FrameProcedures.h"

namespace vl {

void RegisterContactProcedures()
{
    Procedures().RegisterWindow(QLatin1String(kBrowseContactsProcedure), [] { return new BrowseContacts; });
    Procedures().RegisterWindow(QLatin1String(kBrowseContactCategoriesProcedure),
                                [] { return new BrowseContactCategories2Pane; });
}

} // namespace vl
