#pragma once
// An X server of the test's own: Xvfb on a free display number, started for
// one test and ended with it, or with the thread that started it when the
// test process dies without ending it. Tests that publish properties on the
// root window or move the keyboard focus use it, so tests running in parallel
// on the shared display never see each other's desktop changes.

#include <QByteArray>

#include <sys/types.h>

namespace vl::test {

class PrivateXServer {
public:
    // Starts Xvfb and waits until it accepts connections (Xvfb reports its
    // display number through a pipe once it is ready).
    PrivateXServer();
    ~PrivateXServer();
    PrivateXServer(const PrivateXServer&) = delete;
    PrivateXServer& operator=(const PrivateXServer&) = delete;

    // The display name (":N"); empty when the server could not be started.
    const QByteArray& DisplayName() const { return name_; }
    // The server's process.
    pid_t ProcessId() const { return pid_; }

private:
    pid_t pid_ = -1;
    QByteArray name_;
};

} // namespace vl::test
