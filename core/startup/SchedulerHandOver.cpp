#include "core/startup/SchedulerHandOver.h"

#include "platform/ui/PromptService.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDir>
#include <QFileInfo>
#include <QSysInfo>
#include <QThread>

#include <unistd.h>

namespace vl {
namespace {

// A holder still starting is asked again for this long before the start gives up.
constexpr int kHandOverAttempts = 50;
constexpr int kHandOverPauseMs = 200;
// A running scheduler answers at once unless it is stuck.
constexpr int kHandOverReplyMs = 10'000;

std::unique_ptr<SchedulerLock> gLock;
// The whole directory's lock as the probe took it, kept for a claim of the
// same lock: one lock file fewer written and synced at each start.
std::unique_ptr<SchedulerLock> gProbeLock;
bool gUnsure = false;

// A holder that will serve on this session soon: a process of this user on
// this host (pid 0: its lock file is being written).
bool HolderMayServeHere(const SchedulerLock::Holder& holder)
{
    if (holder.pid == 0)
        return true;
    if (holder.host != QSysInfo::machineHostName())
        return false;
    const QFileInfo process(QStringLiteral("/proc/%1").arg(holder.pid));
    return process.exists() && process.ownerId() == ::getuid();
}

QString RunsElsewhereText(const SchedulerLock::Holder& holder)
{
    return QStringLiteral("VLMR already runs on this data directory:|process %1 on %2.")
        .arg(holder.pid)
        .arg(holder.host.isEmpty() ? QStringLiteral("this computer") : holder.host);
}

// A holder on another computer: this program cannot see whether it lives
// (a copied data directory, or one shared with a computer that went down).
bool HolderOnOtherComputer(const SchedulerLock::Holder& holder)
{
    return holder.pid != 0 && !holder.host.isEmpty() && holder.host != QSysInfo::machineHostName();
}

// Yes: the user says no VLMR runs there on this data directory any more.
bool UserTakesOver(PromptService& prompt, const SchedulerLock& lock, const SchedulerLock::Holder& holder)
{
    const QString text = RunsElsewhereText(holder) +
                         QStringLiteral("||The lock file %1 says so. When no VLMR runs on %2, the lock file is left "
                                        "over and can be deleted.||Take the lock over and run the scheduler here?")
                             .arg(QDir::toNativeSeparators(lock.Path()), holder.host);
    return prompt.Message(text, QStringLiteral("VLMR"), PromptIcon::Question, QStringLiteral("&Yes|&No"), 2) == 1;
}

QStringList OwnArguments()
{
    return QCoreApplication::arguments().mid(1);
}

} // namespace

bool HandOverOverSessionBus(const QString& busName, const QStringList& arguments)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return false;
    QDBusMessage call = QDBusMessage::createMethodCall(busName, QLatin1String(kSchedulerBusPath),
                                                       QLatin1String(kSchedulerBusInterface),
                                                       QLatin1String(kSchedulerHandOverMethod));
    call.setAutoStartService(false);
    call << arguments;
    return bus.call(call, QDBus::Block, kHandOverReplyMs).type() == QDBusMessage::ReplyMessage;
}

SchedulerStart StartScheduler(PromptService& prompt, SchedulerLock& lock, const QStringList& arguments,
                              const SchedulerHandOver& handOver)
{
    for (int attempt = 1;; ++attempt) {
        // Asked again each round: a holder that died meanwhile leaves its lock to this start.
        switch (lock.Claim()) {
        case SchedulerClaim::Ours:
            return SchedulerStart::Run;
        case SchedulerClaim::Unsure:
            return SchedulerStart::RunUnsure;
        case SchedulerClaim::Taken:
            break;
        }
        if (handOver(lock.BusName(), arguments))
            return SchedulerStart::HandedOver;
        const SchedulerLock::Holder holder = lock.LockHolder();
        if (HolderOnOtherComputer(holder)) {
            if (!UserTakesOver(prompt, lock, holder))
                return SchedulerStart::RunsElsewhere;
            if (lock.TakeOver())
                continue; // claimed afresh
            // Another start here took it over while this one asked (the same
            // question answered there first): this start hands over to it.
            if (!HolderOnOtherComputer(lock.LockHolder()))
                continue;
            prompt.Message(QStringLiteral("The lock file %1 could not be deleted: a program still holds it, or "
                                          "your user may not delete it.")
                               .arg(QDir::toNativeSeparators(lock.Path())),
                           QStringLiteral("VLMR"), PromptIcon::Exclamation, QString(), 1);
            return SchedulerStart::RunsElsewhere;
        }
        if (attempt >= kHandOverAttempts || !HolderMayServeHere(holder)) {
            prompt.Message(RunsElsewhereText(holder), QStringLiteral("VLMR"), PromptIcon::Exclamation, QString(), 1);
            return SchedulerStart::RunsElsewhere;
        }
        QThread::msleep(kHandOverPauseMs);
    }
}

SessionBusReach::SessionBusReach() : thread_(QThread::create([] { QDBusConnection::sessionBus(); }))
{
    thread_->start();
}

SessionBusReach::~SessionBusReach()
{
    thread_->wait();
}

SchedulerStart ProbeDirectoryScheduler(PromptService& prompt, const QString& dataDirectory)
{
    auto lock = std::make_unique<SchedulerLock>(CanonicalDirectory(dataDirectory), QString());
    const SchedulerStart start = StartScheduler(prompt, *lock, OwnArguments());
    if (start == SchedulerStart::Run)
        gProbeLock = std::move(lock);
    else
        lock->Release();
    return start;
}

SchedulerStart ClaimProgramScheduler(PromptService& prompt, const QString& dataDirectory, const QString& userName)
{
    const QString directory = CanonicalDirectory(dataDirectory);
    if (gProbeLock && gProbeLock->BusName() == SchedulerBusName(directory, userName)) {
        gLock = std::move(gProbeLock);
        gUnsure = false;
        return SchedulerStart::Run;
    }
    gProbeLock.reset(); // its file goes
    auto lock = std::make_unique<SchedulerLock>(directory, userName);
    const SchedulerStart start = StartScheduler(prompt, *lock, OwnArguments());
    gUnsure = start == SchedulerStart::RunUnsure;
    if (start == SchedulerStart::Run)
        gLock = std::move(lock);
    return start;
}

void ReleaseProgramScheduler()
{
    gProbeLock.reset();
    gLock.reset();
    gUnsure = false;
}

QString ProgramSchedulerBusName()
{
    return gLock ? gLock->BusName() : QString();
}

bool ProgramSchedulerUnsure()
{
    return gUnsure;
}

} // namespace vl
