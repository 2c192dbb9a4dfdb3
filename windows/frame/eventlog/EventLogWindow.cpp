#include "windows/frame/eventlog/EventLogWindow.h"

#include "core/base/EventLog.h"
#include "core/base/TextFileRecords.h"
#include "core/base/Globals.h"

namespace vl {

EventLogWindow::EventLogWindow(QWidget* parent)
    : TextLinesViewer({QString::fromLatin1(kEventLogWindowCaption), kEventLogWindowProcedure, QSize(800, 450), false,
                       true},
                      parent)
{
}

bool EventLogWindow::Open(const QString& path)
{
    const bool opened = Lines().Load(path);
    ShowLines(opened);
    return opened;
}

EventLogWindow* ViewAscii_Log()
{
    if (!GlobalUseLog)
        AppendEventLog(QString::fromLatin1(kViewLogDisabledLabel), QString::fromLatin1(kViewLogDisabledText));
    auto* window = new EventLogWindow;
    if (!window->Open(QString::fromLatin1(kEventLogFileName))) {
        delete window;
        return nullptr;
    }
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->show();
    return window;
}

} // namespace vl
