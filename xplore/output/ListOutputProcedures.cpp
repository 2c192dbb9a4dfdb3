#include "xplore/output/ListOutputProcedures.h"

#include "xplore/output/ListExportCommands.h"
#include "xplore/output/ListPrint.h"
#include "xplore/windows/XploreProcedures.h"

namespace vl {

void RegisterListOutputProcedures()
{
    XploreProcedures& procedures = XploreWindowProcedures();
    procedures.Register(QString::fromLatin1(XploreProcedure::kPrintList), &PrintList);
    procedures.Register(QString::fromLatin1(XploreProcedure::kExportAscii),
                        [](Xplore& list, const QString&) { ExportAscii(list); });
    procedures.Register(QString::fromLatin1(XploreProcedure::kExportHtml),
                        [](Xplore& list, const QString&) { ExportHtml(list); });
}

} // namespace vl
