#include "platform/desktop/DesktopBackend.h"

#include "platform/desktop/X11DesktopBackend.h"

#include <mutex>

namespace vl {
namespace {

std::once_flag gSystemOnce;
// Never destroyed: the program's display connection lives until the process
// ends (the system closes it), so no exit-time teardown can touch a display
// or a lock that is already gone.
DesktopBackend* gSystemDesktop = nullptr;
DesktopBackend* gOverride = nullptr;

} // namespace

std::unique_ptr<DesktopBackend> MakeDesktopBackend()
{
    if (auto x11 = X11DesktopBackend::Open())
        return x11;
    return std::make_unique<EmptyDesktopBackend>();
}

DesktopBackend& CurrentDesktop()
{
    if (gOverride)
        return *gOverride;
    std::call_once(gSystemOnce, [] { gSystemDesktop = MakeDesktopBackend().release(); });
    return *gSystemDesktop;
}

DesktopOverride::DesktopOverride(DesktopBackend& desktop) : previous_(gOverride) { gOverride = &desktop; }
DesktopOverride::~DesktopOverride() { gOverride = previous_; }

} // namespace vl
