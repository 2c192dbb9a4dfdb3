#include "windows/hotkeys/HotKeyTaskWizard.h"

#include "windows/tasks/ScriptTaskWizard.h"

namespace vl {
namespace {

class ScriptWizardForHotKeys : public HotKeyTaskWizard {
public:
    bool Open(const QString& hotKey, int32_t taskId, QWidget* parent, Done done) override
    {
        return OpenHotKeyScriptWizard(hotKey, taskId, parent, std::move(done));
    }
};

} // namespace

HotKeyTaskWizard& CurrentHotKeyTaskWizard()
{
    static ScriptWizardForHotKeys scriptWizard;
    return InstalledOr<HotKeyTaskWizard>(scriptWizard);
}

} // namespace vl
