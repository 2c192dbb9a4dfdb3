#include "windows/frame/frame/CoreProcedures.h"

#include "windows/frame/eventlog/EventLogWindow.h"
#include "core/repair/windows/RepairWindow.h"
#include "platform/widgets/FrameProcedures.h"

namespace vl {

void RegisterCoreProcedures()
{
    Procedures().RegisterWindow(QString::fromLatin1(kEventLogWindowProcedure), [] { return ViewAscii_Log(); });
    Procedures().RegisterWindow(QString::fromLatin1(kRepairWindowProcedure), [] { return RepairFiles(); });
}

} // namespace vl
