#include "core/frame/CompanionPrograms.h"

#include "platform/process/ChildProcesses.h"
#include "platform/ui/PromptService.h"

namespace vl {

CompanionPrograms::~CompanionPrograms()
{
    // Programs still running go on by themselves; nobody waits for them.
    for (const Running& program : running_)
        ReleaseChild(program.pid);
}

bool CompanionPrograms::Start(const QString& name, const ProgramStart& start, const QString& caption)
{
    const RunResult result = StartProgram(start);
    if (!result.Started()) {
        Prompt::Notify(name + QStringLiteral(" could not be started.|") +
                           (result.detail.isEmpty() ? result.text : result.detail),
                       caption, PromptIcon::Exclamation);
        return false;
    }
    running_.append({result.pid, name, caption});
    return true;
}

bool CompanionPrograms::Poll()
{
    for (auto it = running_.begin(); it != running_.end();) {
        const int code = ChildExitCode(it->pid);
        if (code == kStillActive) {
            ++it;
            continue;
        }
        ReleaseChild(it->pid);
        if (code != 0)
            Prompt::Notify(it->name + QStringLiteral(" ended with an error (code %1).").arg(code), it->caption,
                           PromptIcon::Exclamation);
        it = running_.erase(it);
    }
    return !running_.isEmpty();
}

} // namespace vl
