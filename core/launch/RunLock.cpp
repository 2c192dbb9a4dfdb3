#include "core/launch/RunLock.h"

#include "core/base/EventLog.h"

#include <QSemaphore>

namespace vl {
namespace {

constexpr int kRunLockWaitMs = 3000;

QSemaphore& RunLockSemaphore()
{
    static QSemaphore semaphore(1);
    return semaphore;
}

} // namespace

RunLock::RunLock()
{
    held_ = RunLockSemaphore().tryAcquire(1, kRunLockWaitMs);
    if (!held_)
        WriteEventLog(QStringLiteral("Scripting"), QStringLiteral("Lock Error"));
}

RunLock::~RunLock()
{
    Release();
}

void RunLock::Release()
{
    if (!held_)
        return;
    held_ = false;
    RunLockSemaphore().release();
}

} // namespace vl
