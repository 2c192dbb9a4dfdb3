#include "core/session/TerminationSignals.h"

#include <QSocketNotifier>

#include <algorithm>
#include <array>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>
#include <vector>

namespace vl {

namespace {

constexpr std::array<int, 3> kCaughtSignals = {SIGTERM, SIGHUP, SIGINT};

// The write end of the newest catcher's pipe for the handler; -1 while no
// object catches.
volatile sig_atomic_t gWriteEnd = -1;
std::array<struct sigaction, kCaughtSignals.size()> gPrevious{};
// The catching objects, oldest first (GUI thread only).
std::vector<const TerminationSignals*> gCatchers;

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
    if (::pipe2(pipe_, O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    notifier_ = std::make_unique<QSocketNotifier>(pipe_[0], QSocketNotifier::Read);
    connect(notifier_.get(), &QSocketNotifier::activated, this, &TerminationSignals::ReadPipe);

    const bool first = gCatchers.empty();
    gCatchers.push_back(this);
    gWriteEnd = pipe_[1];
    if (first) {
        struct sigaction action {};
        action.sa_handler = OnSignal;
        sigemptyset(&action.sa_mask);
        action.sa_flags = SA_RESTART;
        for (size_t i = 0; i < kCaughtSignals.size(); ++i)
            sigaction(kCaughtSignals.at(i), &action, &gPrevious.at(i));
    }
    catching_ = true;
}

TerminationSignals::~TerminationSignals()
{
    if (catching_) {
        gCatchers.erase(std::find(gCatchers.begin(), gCatchers.end(), this));
        if (gCatchers.empty()) {
            for (size_t i = 0; i < kCaughtSignals.size(); ++i)
                sigaction(kCaughtSignals.at(i), &gPrevious.at(i), nullptr);
        }
        gWriteEnd = gCatchers.empty() ? -1 : gCatchers.back()->pipe_[1];
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
