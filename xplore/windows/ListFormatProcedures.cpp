#include "xplore/windows/ListFormatProcedures.h"

#include "xplore/windows/ColumnColorsWindow.h"
#include "xplore/windows/FormatListboxWindow.h"
#include "xplore/windows/GraphWindow.h"
#include "xplore/windows/Xplore.h"
#include "xplore/windows/XploreProcedures.h"

namespace vl {

void RegisterListFormatProcedures()
{
    XploreProcedures& procedures = XploreWindowProcedures();
    procedures.Register(QString::fromLatin1(XploreProcedure::kFormatListboxWindow),
                        [](Xplore& list, const QString&) { OpenFormatListbox(list, list.List()->window()); });
    procedures.Register(QString::fromLatin1(XploreProcedure::kColumnColorsWindow),
                        [](Xplore& list, const QString&) { OpenColumnColors(list, list.List()->window()); });
    procedures.Register(QString::fromLatin1(XploreProcedure::kGraphWindow),
                        [](Xplore& list, const QString&) { OpenGraph(list, list.List()->window()); });
}

} // namespace vl
