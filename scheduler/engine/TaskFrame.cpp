#include "scheduler/engine/TaskFrame.h"

namespace vl {

namespace {

// No frame is open: nothing to restore, no tip to show.
class NoTaskFrame : public TaskFrame {
public:
    void RestoreFromTray() override {}
    void SetTrayTip(const QString&) override {}
};

} // namespace

TaskFrame& CurrentTaskFrame()
{
    static NoTaskFrame none;
    return InstalledOr<TaskFrame>(none);
}

} // namespace vl
