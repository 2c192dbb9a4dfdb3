#include "scheduler/run/DBusCommand.h"

#include "core/launch/CommandLines.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QVariantList>

namespace vl {
namespace {

bool NameHasOwner(QDBusConnection& bus, const QString& name)
{
    QDBusMessage query = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.DBus"), QStringLiteral("/org/freedesktop/DBus"),
        QStringLiteral("org.freedesktop.DBus"), QStringLiteral("NameHasOwner"));
    query << name;
    const QDBusMessage reply = bus.call(query, QDBus::Block, kBusQueryMilliseconds);
    return reply.type() == QDBusMessage::ReplyMessage && reply.arguments().value(0).toBool();
}

} // namespace

bool SendDBusCommand(const QString& application, const QString& topic, const QString& command)
{
    const QString service = application.trimmed();
    const QString path = topic.trimmed().isEmpty() ? QStringLiteral("/") : topic.trimmed();
    const CommandLineParts parts = SplitCommandLine(command.trimmed());
    const qsizetype dot = parts.program.lastIndexOf(u'.');
    if (service.isEmpty() || dot <= 0 || dot == parts.program.size() - 1)
        return false;
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected() || !NameHasOwner(bus, service))
        return false;
    QDBusMessage call =
        QDBusMessage::createMethodCall(service, path, parts.program.left(dot), parts.program.mid(dot + 1));
    if (call.type() != QDBusMessage::MethodCallMessage)
        return false;
    QVariantList arguments;
    for (const QString& argument : parts.arguments)
        arguments << argument;
    call.setArguments(arguments);
    return bus.send(call);
}

} // namespace vl
