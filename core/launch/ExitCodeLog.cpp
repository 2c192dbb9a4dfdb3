#include "core/launch/ExitCodeLog.h"

#include "core/dictionary/ProgramQueues.h"
#include "core/base/EventLog.h"
#include "core/launch/HiddenPasswords.h"
#include "core/launch/ProcessHandles.h"
#include "core/base/Globals.h"
#include "platform/process/ChildProcesses.h"
#include "platform/runtime/FixedText.h"

namespace vl {
namespace {

constexpr int kCommandLineWidth = 80;

} // namespace

void WatchExitCode(qint64 pid, const QString& command)
{
    HoldProcessHandle(pid);
    ExitCodeEntry entry;
    entry.HPROCESS = static_cast<int32_t>(pid);
    entry.COMMANDLINE = CutTo(command, kCommandLineWidth);
    ExitCodeQueue.append(entry);
}

void CollectExitCodes()
{
    if (!GlobalUseLog || !LogExitCodes)
        return;
    for (qsizetype i = ExitCodeQueue.size() - 1; i >= 0; --i) {
        const ExitCodeEntry entry = ExitCodeQueue.at(i);
        const int code = ChildExitCode(entry.HPROCESS);
        if (code == kStillActive)
            continue;
        WriteEventLog(QLatin1String(kProgramExitLabel),
                      QStringLiteral("Code %1 for %2").arg(code).arg(Clip(WithoutPasswords(entry.COMMANDLINE))));
        ExitCodeQueue.removeAt(i);
        CloseProcessHandle(entry.HPROCESS);
    }
}

} // namespace vl
