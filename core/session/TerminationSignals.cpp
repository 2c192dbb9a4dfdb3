#include "core/session/TerminationSignals.h"

#include <QSocketNotifier>

#include <array>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace vl {

namespace {

constexpr std::array<int, 3> kCaughtSignals = {SIGTERM, SIGHUP, SIGINT};

// The pipe's write end for the handler; -1 while no object catches.
volatile sig_atomic_t gWriteEnd = -1;
std::array<struct sigaction, kCaughtSignals.size()> gPrevious{};

// Only async-signal-safe calls: one write of one byte, errno kept.
void OnSignal(int signalNumber)
{
    const int savedErrno = errno;
    const int writeEnd = gWriteEnd;
    if (writeEnd >= 0) {
        const unsigned char byte = static_cast<unsigned char>(signalNumber);
        [[maybe_unused]] const ssize_t written = ::write(writeEnd, &byte, 1);
    }
    errno = savedErrno;
}

} // namespace

TerminationSignals::TerminationSignals(QObject* parent) : QObject(parent)
{
    if (gWriteEnd >= 0 || ::pipe2(pipe_, O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    gWriteEnd = pipe_[1];

    notifier_ = std::make_unique<QSocketNotifier>(pipe_[0], QSocketNotifier::Read);
    connect(notifier_.get(), &QSocketNotifier::activated, this, &TerminationSignals::ReadPipe);

    struct sigaction action {};
    action.sa_handler = OnSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (size_t i = 0; i < kCaughtSignals.size(); ++i)
        sigaction(kCaughtSignals.at(i), &action, &gPrevious.at(i));
    catching_ = true;
}

TerminationSignals::~TerminationSignals()
{
    if (catching_) {
        for (size_t i = 0; i < kCaughtSignals.size(); ++i)
            sigaction(kCaughtSignals.at(i), &gPrevious.at(i), nullptr);
        gWriteEnd = -1;
    }
    notifier_.reset();
    for (const int end : pipe_) {
        if (end >= 0)
            ::close(end);
    }
}

void TerminationSignals::ReadPipe()
{
    // One signal per activation (the notifier fires again while bytes are
    // left); nothing of this object is touched after the emit, whose
    // receiver may end the object.
    unsigned char byte = 0;
    if (::read(pipe_[0], &byte, 1) == 1)
        emit Received(byte);
}

} // namespace vl
