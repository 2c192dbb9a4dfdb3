#include "core/engine/TaskFrame.h"

#include "core/frame/FrameGlobals.h"
#include "core/tray/TrayIcon.h"

namespace vl {

namespace {

// The open main frame, reached through its notification-area icon.
class MainTaskFrame : public TaskFrame {
public:
    void RestoreFromTray() override
    {
        if (TrayIcon* tray = FrameTrayIcon())
            tray->Restore();
    }

    void SetTrayTip(const QString& tip) override
    {
        if (TrayIcon* tray = FrameTrayIcon())
            tray->SetTip(tip);
    }
};

TaskFrame* gInstalled = nullptr;

} // namespace

TaskFrame& CurrentTaskFrame()
{
    static MainTaskFrame mainFrame;
    return gInstalled ? *gInstalled : mainFrame;
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
