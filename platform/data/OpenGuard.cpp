#include "platform/data/OpenGuard.h"

namespace vl {

namespace {
OpenGuard& Installed()
{
    static OpenGuard guard;
    return guard;
}
} // namespace

void SetOpenGuard(OpenGuard guard)
{
    Installed() = std::move(guard);
}

const OpenGuard& CurrentOpenGuard()
{
    return Installed();
}

} // namespace vl
