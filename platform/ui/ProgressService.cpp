#include "platform/ui/ProgressService.h"

namespace vl {
namespace {

// Where no window can show: the work runs to its end.
class SilentProgress : public ProgressTracker {
public:
    bool Tell(int64_t, int64_t) override { return true; }
    bool Cancelled() const override { return false; }
};

class SilentProgressService : public ProgressService {
public:
    std::unique_ptr<ProgressTracker> Open(const ProgressTexts&) override { return std::make_unique<SilentProgress>(); }
};

} // namespace

ProgressService& CurrentProgressService()
{
    static SilentProgressService silent;
    return InstalledOr<ProgressService>(silent);
}

namespace Progress {

std::unique_ptr<ProgressTracker> Open(const ProgressTexts& texts)
{
    return CurrentProgressService().Open(texts);
}

} // namespace Progress

} // namespace vl
