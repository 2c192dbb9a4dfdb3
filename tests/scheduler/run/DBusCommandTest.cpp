#include "scheduler/run/DBusCommand.h"
#include "tests/scheduler/run/ScriptRunFixture.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVirtualObject>
#include <QProcess>

namespace vl {
namespace {

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

// A private session bus for this test process, gone with it.
class PrivateBus {
public:
    PrivateBus()
    {
        daemon_.start("dbus-daemon", {"--session", "--nofork", "--print-address=1"});
        if (daemon_.waitForReadyRead(10'000))
            address_ = QString::fromUtf8(daemon_.readLine()).trimmed();
        qputenv("DBUS_SESSION_BUS_ADDRESS", address_.toUtf8());
    }
    ~PrivateBus()
    {
        daemon_.kill();
        daemon_.waitForFinished();
    }
    QString Address() const { return address_; }

private:
    QProcess daemon_;
    QString address_;
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
