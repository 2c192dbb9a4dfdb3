#pragma once
// The script task wizard in its hot-key mode, as the hot-key form calls it to
// make or change the task a "Task" hot key runs. The task windows install it
// when the program starts; where none is installed, the form cannot make
// such a task and says so.

#include "platform/runtime/ServiceSlot.h"
#include "platform/ui/FormRequest.h"

#include <QString>

#include <cstdint>
#include <functional>
#include <optional>

class QWidget;

namespace vl {

struct HotKeyTaskCall {
    FormRequest request = FormRequest::Insert; // Insert: a new task; Change: the task of taskId
    int32_t taskId = 0;
    QString hotKey; // the key text, from which a new task takes its description
};

class HotKeyTaskWizard {
public:
    // Called once when the wizard closes: with the task's ID when it was
    // completed, without when it was cancelled.
    using Finished = std::function<void(std::optional<int32_t> taskId)>;

    virtual ~HotKeyTaskWizard() = default;
    // Opens the wizard window-modal to the form and returns at once.
    virtual void Start(QWidget* form, const HotKeyTaskCall& call, Finished finished) = 0;
};

// The installed wizard, or null.
inline HotKeyTaskWizard* CurrentHotKeyTaskWizard()
{
    return InstalledService<HotKeyTaskWizard>();
}
using HotKeyTaskWizardOverride = ServiceOverride<HotKeyTaskWizard>;

} // namespace vl
