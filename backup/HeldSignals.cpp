#include "backup/HeldSignals.h"

namespace vl {

namespace {

volatile std::sig_atomic_t heldSignal = 0;

void Hold(int signal)
{
    heldSignal = signal;
}

} // namespace

HeldSignals::HeldSignals()
{
    heldSignal = 0;
    struct sigaction hold {};
    hold.sa_handler = Hold;
    sigemptyset(&hold.sa_mask);
    sigaction(SIGTERM, &hold, &term_);
    sigaction(SIGINT, &hold, &interrupt_);
    sigaction(SIGHUP, &hold, &hangUp_);
    struct sigaction ignore {};
    ignore.sa_handler = SIG_IGN;
    sigemptyset(&ignore.sa_mask);
    sigaction(SIGXFSZ, &ignore, &fileSize_);
}

HeldSignals::~HeldSignals()
{
    sigaction(SIGXFSZ, &fileSize_, nullptr);
    sigaction(SIGHUP, &hangUp_, nullptr);
    sigaction(SIGINT, &interrupt_, nullptr);
    sigaction(SIGTERM, &term_, nullptr);
    if (const int held = heldSignal) {
        heldSignal = 0;
        std::raise(held);
    }
}

} // namespace vl
