#include "platform/ui/ThreadPost.h"

namespace vl {

namespace {

class NoThreads : public ThreadPost {
public:
    bool Post(int, int) const override { return false; }
    int Broadcast(ThreadGroup, int) const override { return 0; }
};

} // namespace

ThreadPost& CurrentThreadPost()
{
    static NoThreads none;
    return InstalledOr<ThreadPost>(none);
}

} // namespace vl
