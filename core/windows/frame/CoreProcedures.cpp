#include "core/windows/frame/CoreProcedures.h"

#include "core/windows/eventlog/EventLogWindow.h"
#include "core/windows/repair/RepairWindow.h"
#include "platform/widgets/FrameProcedures.h"

namespace vl {

void RegisterCoreProcedures()
{
    Procedures().RegisterWindow(QString::fromLatin1(kEventLogWindowProcedure), [] { return ViewAscii_Log(); });
    Procedures().RegisterWindow(QString::fromLatin1(kRepairWindowProcedure), [] { return RepairFiles(); });
}

} // namespace vl
