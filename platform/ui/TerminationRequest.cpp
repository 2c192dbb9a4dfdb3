#include "platform/ui/TerminationRequest.h"

namespace vl {
namespace {

// Set and read on the GUI thread only: the signal handlers write to a pipe
// that the event loop reads.
bool gTerminationRequested = false;

} // namespace

bool TerminationRequested() { return gTerminationRequested; }

void RequestTermination() { gTerminationRequested = true; }

void ClearTerminationRequest() { gTerminationRequested = false; }

} // namespace vl
