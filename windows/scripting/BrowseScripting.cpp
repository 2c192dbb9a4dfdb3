#include "windows/scripting/BrowseScripting.h"

#include "platform/widgets/ThreadRegistry.h"
#include "windows/scripting/ScriptList.h"
#include "windows/scripting/UpdateScripting.h"

#include <QEventLoop>
#include <QPointer>

namespace vl {

void BrowseScripting(ScheduleRecord& task, QWidget* parent)
{
    // A list already open is brought forward instead (event 518).
    const ProcedureStart start = Threads().StartProcedure(QLatin1String(kBrowseScriptingProcedure), [&] {
        auto* list = new ScriptList(task, &UpdateScripting, parent);
        list->setWindowModality(parent ? Qt::WindowModal : Qt::ApplicationModal);
        return list;
    });
    QPointer<QWidget> list = Threads().Window(start.thread);
    if (!start.opened || !list)
        return;
    // The caller goes on once the list has closed (and deleted itself).
    QEventLoop loop;
    QObject::connect(list, &QObject::destroyed, &loop, &QEventLoop::quit);
    loop.exec();
}

} // namespace vl
