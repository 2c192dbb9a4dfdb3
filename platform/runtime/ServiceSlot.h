#pragma once
// One installable implementation of a service interface: the seam through
// which a lower library reaches what a program installs above it, and what a
// test installs in its place.
//
//   TaskFrame& CurrentTaskFrame() { return InstalledOr<TaskFrame>(noFrame); }
//   using TaskFrameOverride = ServiceOverride<TaskFrame>;
//
// A ServiceOverride installs an implementation for its own lifetime and puts
// the previous one back afterwards, so overrides nest. Used on one thread.

namespace vl {

template <class Service>
Service*& InstalledService()
{
    static Service* installed = nullptr;
    return installed;
}

// The installed implementation, else the fallback.
template <class Service>
Service& InstalledOr(Service& fallback)
{
    Service* installed = InstalledService<Service>();
    return installed ? *installed : fallback;
}

template <class Service>
class ServiceOverride {
public:
    explicit ServiceOverride(Service& service) : previous_(InstalledService<Service>())
    {
        InstalledService<Service>() = &service;
    }
    ~ServiceOverride() { InstalledService<Service>() = previous_; }
    ServiceOverride(const ServiceOverride&) = delete;
    ServiceOverride& operator=(const ServiceOverride&) = delete;

private:
    Service* previous_;
};

} // namespace vl
