#include "backup/windows/SignalEnd.h"

#include "platform/ui/TerminationRequest.h"

#include <QCoreApplication>

namespace vl {

SignalEnd::SignalEnd()
{
    connect(&signals_, &TerminationSignals::Received, this, [this](int signalNumber) {
        if (signal_ != 0)
            return;
        signal_ = signalNumber;
        RequestTermination(); // no box answers from now on
        QCoreApplication::exit(128 + signalNumber);
    });
}

SignalEnd::~SignalEnd() = default;

bool SignalEnd::Ended() const
{
    if (signal_ == 0)
        QCoreApplication::processEvents();
    return signal_ != 0;
}

int SignalEnd::ExitCode(int normal) const
{
    return Ended() ? 128 + signal_ : normal;
}

} // namespace vl
