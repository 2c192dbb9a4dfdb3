#include "windows/frame/frame/SchedulerService.h"

#include "core/startup/SchedulerHandOver.h"

#include <QDBusConnection>

namespace vl {

SchedulerService::SchedulerService(const QString& busName, QObject* parent) : QObject(parent)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (busName.isEmpty() || !bus.isConnected())
        return;
    if (!bus.registerObject(QLatin1String(kSchedulerBusPath), this, QDBusConnection::ExportScriptableSlots))
        return;
    if (bus.registerService(busName))
        busName_ = busName;
    else
        bus.unregisterObject(QLatin1String(kSchedulerBusPath));
}

SchedulerService::~SchedulerService()
{
    if (busName_.isEmpty())
        return;
    QDBusConnection bus = QDBusConnection::sessionBus();
    bus.unregisterService(busName_);
    bus.unregisterObject(QLatin1String(kSchedulerBusPath));
}

void SchedulerService::HandOver(const QStringList& arguments)
{
    emit HandedOver(arguments);
}

} // namespace vl
