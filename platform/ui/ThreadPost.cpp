#include "platform/ui/ThreadPost.h"

namespace vl {

namespace {

class NoThreads : public ThreadPost {
public:
    bool Post(int, int) const override { return false; }
    int Broadcast(ThreadGroup, int) const override { return 0; }
};

ThreadPost* gInstalled = nullptr;

} // namespace

ThreadPost& CurrentThreadPost()
{
    static NoThreads none;
    return gInstalled ? *gInstalled : none;
}

ThreadPostOverride::ThreadPostOverride(ThreadPost& post) : previous_(gInstalled)
{
    gInstalled = &post;
}

ThreadPostOverride::~ThreadPostOverride()
{
    gInstalled = previous_;
}

} // namespace vl
