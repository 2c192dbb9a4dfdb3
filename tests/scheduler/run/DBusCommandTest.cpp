#include "scheduler/run/DBusCommand.h"
#include "tests/scheduler/run/ScriptRunFixture.h"
#include "tests/support/PrivateBus.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVirtualObject>

namespace vl {
namespace {

using test::PrivateBus;
using test::ScriptRun;

// The other side of the call, on its own connection to the test's bus:
// records each call it gets, and answers none of them.
class BusPeer : public QDBusVirtualObject {
public:
    QStringList calls;

    QString introspect(const QString&) const override { return {}; }
    bool handleMessage(const QDBusMessage& message, const QDBusConnection&) override
    {
        QStringList arguments;
        for (const QVariant& argument : message.arguments())
            arguments << argument.toString();
        calls << message.interface() + u'.' + message.member() + u' ' + arguments.join(u'|');
        return true;
    }
};

TEST_F(ScriptRun, BusCommandsReachTheirPeerAndAMissingPeerIsAFailedOpen)
{
    PrivateBus bus;
    ASSERT_FALSE(bus.Address().isEmpty());
    QDBusConnection peerBus = QDBusConnection::connectToBus(bus.Address(), "peer");
    BusPeer peer;
    ASSERT_TRUE(peerBus.registerService("org.velmora.Peer"));
    ASSERT_TRUE(peerBus.registerVirtualObject("/files", &peer));

    const struct {
        const char* application;
        const char* topic;
        const char* command;
        bool sent;
    } cases[] = {
        {"org.velmora.Peer", "/files", "org.velmora.Peer.Open \"a b.txt\" read", true},
        {"org.velmora.Nobody", "/files", "org.velmora.Peer.Open x", false},
        {"org.velmora.Peer", "/files", "NoInterface", false},
        {"", "/files", "org.velmora.Peer.Open x", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SendDBusCommand(c.application, c.topic, c.command), c.sent) << c.application << c.command;

    Queue({{.Action = "DDE", .DDEApplicationName = "org.velmora.Peer", .DDEApplicationTopic = "/files",
            .DDECommand = "org.velmora.Peer.Open step.txt write"},
           End()});
    RunOut();
    EXPECT_TRUE(TickUntil([&] {
        QCoreApplication::processEvents();
        return peer.calls.size() == 2;
    }));
    EXPECT_EQ(peer.calls, QStringList({"org.velmora.Peer.Open a b.txt|read", "org.velmora.Peer.Open step.txt|write"}));
    QDBusConnection::disconnectFromBus("peer");
}

} // namespace
} // namespace vl
