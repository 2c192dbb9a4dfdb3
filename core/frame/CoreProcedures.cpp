#include "core/frame/CoreProcedures.h"

#include "core/eventlog/EventLogWindow.h"
#include "core/frame/FrameProcedures.h"

namespace vl {

void RegisterCoreProcedures()
{
    Procedures().RegisterWindow(QString::fromLatin1(kEventLogWindowProcedure), [] { return ViewAscii_Log(); });
}

} // namespace vl
