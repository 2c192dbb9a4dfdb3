#include "core/session/StartTermination.h"

#include "core/session/TerminationSignals.h"

#include <QCoreApplication>

namespace vl {

namespace {

bool gTerminationRequested = false;

} // namespace

bool TerminationRequested() { return gTerminationRequested; }

StartTermination::StartTermination() : signals_(new TerminationSignals(this))
{
    gTerminationRequested = false;
    connect(signals_, &TerminationSignals::Received, this, [] {
        gTerminationRequested = true;
        // Ends the loop of an open dialog; a box opened after this returns
        // at once with its default answer until the program's own loop
        // starts, which the start never reaches now.
        QCoreApplication::exit(0);
    });
}

StartTermination::~StartTermination() = default;

} // namespace vl
