#include "core/session/StartTermination.h"

#include "core/session/TerminationSignals.h"

#include <QCoreApplication>

namespace vl {

StartTermination::StartTermination() : signals_(new TerminationSignals(this))
{
    ClearTerminationRequest();
    connect(signals_, &TerminationSignals::Received, this, [] {
        RequestTermination();
        // Ends the loop of an open dialog, which then gives no answer, as
        // every box opened after this does.
        QCoreApplication::exit(0);
    });
}

StartTermination::~StartTermination() = default;

} // namespace vl
