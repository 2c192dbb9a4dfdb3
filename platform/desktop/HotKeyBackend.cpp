#include "platform/desktop/HotKeyBackend.h"

#include "platform/desktop/X11HotKeyBackend.h"

namespace vl {

std::unique_ptr<HotKeyBackend> MakeHotKeyBackend()
{
    if (auto x11 = X11HotKeyBackend::Open())
        return x11;
    return std::make_unique<InertHotKeyBackend>();
}

HotKeyBackend& CurrentHotKeyBackend()
{
    static InertHotKeyBackend inert;
    return InstalledOr<HotKeyBackend>(inert);
}

} // namespace vl
