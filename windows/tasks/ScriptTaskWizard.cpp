#include "windows/tasks/ScriptTaskWizard.h"

#include "platform/widgets/FrameProcedures.h"
#include "platform/widgets/ThreadRegistry.h"
#include "windows/tasks/TaskWizard.h"

#include <QPointer>

namespace vl {

bool OpenHotKeyScriptWizard(const QString& hotKey, int32_t taskId, QWidget* parent,
                            std::function<void(std::optional<int32_t> storedTaskId)> done)
{
    QPointer<TaskWizard> opened;
    // One script wizard at a time: an open one is brought forward instead.
    Threads().StartProcedure(QLatin1String(kAddScriptWizardProcedure), [&]() -> QWidget* {
        auto* wizard = new TaskWizard(HotKeyTaskStart{hotKey, taskId}, parent);
        if (!wizard->Opened()) {
            delete wizard;
            return nullptr;
        }
        wizard->setWindowModality(parent ? Qt::WindowModal : Qt::ApplicationModal);
        opened = wizard;
        return wizard;
    });
    if (!opened)
        return false;
    TaskWizard* wizard = opened;
    QObject::connect(wizard, &QDialog::finished, wizard, [wizard, done = std::move(done)](int result) {
        if (done)
            done(result == QDialog::Accepted ? std::optional<int32_t>(wizard->Task().ID) : std::nullopt);
    });
    return true;
}

void RegisterScriptTaskWizard()
{
    Procedures().RegisterWindow(QLatin1String(kAddScriptWizardProcedure), []() -> QWidget* {
        auto* wizard = new TaskWizard(TaskWizardKind::Script);
        if (wizard->Opened())
            return wizard;
        delete wizard;
        return nullptr;
    });
}

} // namespace vl
