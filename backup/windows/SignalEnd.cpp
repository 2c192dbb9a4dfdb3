#include "backup/windows/SignalEnd.h"

#include "platform/ui/TerminationRequest.h"

#include <QCoreApplication>

namespace vl {

namespace {

int gSignal = 0; // the GUI thread's only

} // namespace

SignalEnd::SignalEnd()
{
    gSignal = 0;
    connect(&signals_, &TerminationSignals::Received, this, [](int signalNumber) {
        if (gSignal != 0)
            return;
        gSignal = signalNumber;
        RequestTermination(); // no box answers from now on
        QCoreApplication::exit(128 + signalNumber);
    });
}

SignalEnd::~SignalEnd() = default;

bool SignalEnd::Ended() const
{
    if (gSignal == 0)
        QCoreApplication::processEvents();
    return gSignal != 0;
}

int SignalEnd::ExitCode(int normal) const
{
    return Ended() ? 128 + gSignal : normal;
}

} // namespace vl
