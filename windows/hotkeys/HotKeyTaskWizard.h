#pragma once
// The script task wizard in its hot-key mode, as the hot-key form calls it to
// make or change the task a "Task" hot key runs (ScriptTaskWizard.h); tests
// install one of their own.

#include "platform/runtime/ServiceSlot.h"

#include <QString>

#include <cstdint>
#include <functional>
#include <optional>

class QWidget;

namespace vl {

class HotKeyTaskWizard {
public:
    // Called once when the wizard closes: with the task's ID when Finish
    // stored it, without when the wizard was cancelled.
    using Done = std::function<void(std::optional<int32_t> storedTaskId)>;

    virtual ~HotKeyTaskWizard() = default;
    // Opens the wizard window-modal to the parent and returns at once: on the
    // "Hot Key" task of taskId, or on a new one for the key text when taskId
    // is 0. False, and done is never called, when the wizard did not open.
    virtual bool Open(const QString& hotKey, int32_t taskId, QWidget* parent, Done done) = 0;
};

// The installed wizard, else the script task wizard.
HotKeyTaskWizard& CurrentHotKeyTaskWizard();
using HotKeyTaskWizardOverride = ServiceOverride<HotKeyTaskWizard>;

} // namespace vl
