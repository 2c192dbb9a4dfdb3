#include "core/launch/ProcessHandles.h"

#include "platform/process/ChildProcesses.h"

#include <QHash>

#include <mutex>

namespace vl {
namespace {

std::mutex gHoldersMutex;
QHash<qint64, int> gHolders;

} // namespace

void HoldProcessHandle(qint64 pid)
{
    std::lock_guard lock(gHoldersMutex);
    ++gHolders[pid];
}

void CloseProcessHandle(qint64 pid)
{
    {
        std::lock_guard lock(gHoldersMutex);
        const auto holder = gHolders.find(pid);
        if (holder == gHolders.end())
            return;
        if (--holder.value() > 0)
            return;
        gHolders.erase(holder);
    }
    ReleaseChild(pid);
}

} // namespace vl
