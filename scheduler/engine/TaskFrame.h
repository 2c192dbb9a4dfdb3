#pragma once
// What performing a due task asks of the main frame: to come back from the
// tray, and to show the next task in the tray tip. The open main frame
// installs itself with TaskFrameOverride (nothing happens while no frame is
// open); tests install their own, so the scheduler's logic runs headless.

#include "platform/runtime/ServiceSlot.h"

#include <QString>

namespace vl {

class TaskFrame {
public:
    virtual ~TaskFrame() = default;
    // Restores the frame from the tray (or from the taskbar), raised.
    virtual void RestoreFromTray() = 0;
    virtual void SetTrayTip(const QString& tip) = 0;
};

// The frame in use: the installed one, else one that does nothing.
TaskFrame& CurrentTaskFrame();

// Installs a frame for the lifetime of this object, restoring the previous
// one afterwards.
using TaskFrameOverride = ServiceOverride<TaskFrame>;

} // namespace vl
