#include "core/engine/TaskFrame.h"

namespace vl {

namespace {

// No frame is open: nothing to restore, no tip to show.
class NoTaskFrame : public TaskFrame {
public:
    void RestoreFromTray() override {}
    void SetTrayTip(const QString&) override {}
};

TaskFrame* gInstalled = nullptr;

} // namespace

TaskFrame& CurrentTaskFrame()
{
    static NoTaskFrame none;
    return gInstalled ? *gInstalled : none;
}

TaskFrameOverride::TaskFrameOverride(TaskFrame& frame) : previous_(gInstalled)
{
    gInstalled = &frame;
}

TaskFrameOverride::~TaskFrameOverride()
{
    gInstalled = previous_;
}

} // namespace vl
