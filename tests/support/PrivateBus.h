#pragma once
// A private session bus for one test, gone with it: the test process and the
// programs it starts afterwards use it, so tests in parallel never meet on a bus.

#include <QProcess>
#include <QString>

namespace vl::test {

class PrivateBus {
public:
    PrivateBus()
    {
        daemon_.start("dbus-daemon", {"--session", "--nofork", "--print-address=1"});
        // The daemon prints its address once it listens, however long it
        // takes to start; its end ends the wait without one.
        while (!daemon_.canReadLine() && daemon_.waitForReadyRead(-1)) {
        }
        if (daemon_.canReadLine())
            address_ = QString::fromUtf8(daemon_.readLine()).trimmed();
        qputenv("DBUS_SESSION_BUS_ADDRESS", address_.toUtf8());
    }
    ~PrivateBus()
    {
        daemon_.kill();
        daemon_.waitForFinished();
    }
    PrivateBus(const PrivateBus&) = delete;
    PrivateBus& operator=(const PrivateBus&) = delete;
    QString Address() const { return address_; }

private:
    QProcess daemon_;
    QString address_;
};

} // namespace vl::test
